#include "workbench/spectre_retour.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "engine/run_error.h"
#include "fft/fft.h"

void BackFft(WorkbenchState& etat, double d) {
  if (!(d >= 1.0)) d = 1.0;
  if (etat.NFFT < 1 || etat.Spectre.size() < static_cast<size_t>(etat.NFFT) + 1) {
    throw RunError(RunErrorKind::BadIndex, "BackFft: Spectre does not hold NFFT elements");
  }
  const int32_t n = VersLong(etat.NFFT / d);
  const int64_t l = static_cast<int64_t>(etat.I2) - etat.I1 + 1;
  // N <= n: L < NFFT and the rounding keeps the order.
  const int32_t compte =
      std::clamp(VersLong(static_cast<double>(std::max<int64_t>(l, 0)) / d), 0, n);

  if (n >= 1) {
    std::vector<float> work(4 * static_cast<size_t>(n) + 16);
    FftInit(n, work);
    FftBackward(n, etat.Spectre, work);
  }
  std::vector<float> second(static_cast<size_t>(compte) + 1);
  for (int32_t i = 1; i <= compte; ++i) second[i] = etat.Spectre[i].Re;
  if (compte > 0) {
    const auto [mini, maxi] = std::minmax_element(second.begin() + 1, second.end());
    etat.SecondMin = *mini;
    etat.SecondMax = *maxi;
  }
  etat.SignalSecond = std::move(second);
  etat.NSecond = compte;
  etat.NFFT = n;
  etat.Spectre = std::vector<Complexe>(1);
}
