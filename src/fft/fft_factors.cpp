#include "fft/fft_factors.h"

std::vector<int32_t> FftFactorize(int32_t n) {
  std::vector<int32_t> factors;
  int32_t q = n;
  int32_t trial = 3;
  int32_t tried = 0;
  static constexpr int32_t kFirstTrials[] = {3, 4, 2, 5};
  while (q > 1) {
    trial = tried < 4 ? kFirstTrials[tried] : trial + 2;
    ++tried;
    while (q % trial == 0) {
      q /= trial;
      if (trial == 2) {
        factors.insert(factors.begin(), 2);
      } else {
        factors.push_back(trial);
      }
    }
  }
  return factors;
}
