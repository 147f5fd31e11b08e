// Forward plus backward complex transform of the program's FFT against FFTW 3
// (single precision, FFTW_MEASURE) and KissFFT, on the same data, in one run.
// Planning and allocation happen outside the timed loop. Each iteration also
// divides the data by n, identically for every peer, so that the unscaled
// round trips do not overflow.
#include <benchmark/benchmark.h>
#include <fftw3.h>
#include <kiss_fft.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/complexe.h"
#include "fft/fft.h"

namespace {

std::vector<float> RandomInterleaved(int32_t n) {
  std::mt19937 gen(42);
  std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
  std::vector<float> v(2 * size_t(n));
  for (float& x : v) x = dist(gen);
  return v;
}

void Rescale(float* v, int32_t n) {
  const float s = 1.0f / float(n);
  for (int64_t k = 0; k < 2 * int64_t{n}; ++k) v[k] *= s;
}

void SetCounters(benchmark::State& state, int32_t n) {
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["n"] = n;
}

void BmOurs(benchmark::State& state, int32_t n) {
  std::vector<float> work(4 * size_t(n) + 16);
  FftInit(n, work);
  const std::vector<float> src = RandomInterleaved(n);
  std::vector<Complexe> data(size_t(n) + 1);
  for (int32_t k = 0; k < n; ++k) data[k + 1] = {src[2 * k], src[2 * k + 1]};
  for (auto _ : state) {
    FftForward(n, data, work);
    FftBackward(n, data, work);
    Rescale(&data[1].Re, n);
    benchmark::DoNotOptimize(data.data());
    benchmark::ClobberMemory();
  }
  SetCounters(state, n);
}

void BmFftw(benchmark::State& state, int32_t n) {
  auto* buf = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * size_t(n)));
  fftwf_plan fwd = fftwf_plan_dft_1d(n, buf, buf, FFTW_FORWARD, FFTW_MEASURE);
  fftwf_plan bwd = fftwf_plan_dft_1d(n, buf, buf, FFTW_BACKWARD, FFTW_MEASURE);
  const std::vector<float> src = RandomInterleaved(n);
  std::copy(src.begin(), src.end(), &buf[0][0]);
  for (auto _ : state) {
    fftwf_execute(fwd);
    fftwf_execute(bwd);
    Rescale(&buf[0][0], n);
    benchmark::DoNotOptimize(buf);
    benchmark::ClobberMemory();
  }
  SetCounters(state, n);
  fftwf_destroy_plan(fwd);
  fftwf_destroy_plan(bwd);
  fftwf_free(buf);
}

void BmKiss(benchmark::State& state, int32_t n) {
  kiss_fft_cfg fwd = kiss_fft_alloc(n, 0, nullptr, nullptr);
  kiss_fft_cfg bwd = kiss_fft_alloc(n, 1, nullptr, nullptr);
  const std::vector<float> src = RandomInterleaved(n);
  std::vector<kiss_fft_cpx> a(n);
  std::vector<kiss_fft_cpx> b(n);
  for (int32_t k = 0; k < n; ++k) a[k] = {src[2 * k], src[2 * k + 1]};
  for (auto _ : state) {
    kiss_fft(fwd, a.data(), b.data());
    kiss_fft(bwd, b.data(), a.data());
    Rescale(&a[0].r, n);
    benchmark::DoNotOptimize(a.data());
    benchmark::ClobberMemory();
  }
  SetCounters(state, n);
  kiss_fft_free(fwd);
  kiss_fft_free(bwd);
}

}  // namespace

int main(int argc, char** argv) {
  std::set<int32_t> lengths = {1,  2,   3,    4,    5,    6,    7,     14,
                               25, 120, 1000, 1009, 2048, 3465, 44100, 65536};
  for (int32_t e = 10; e <= 17; ++e) lengths.insert(int32_t{1} << e);
  for (const int32_t n : lengths) {
    const std::string len = std::to_string(n);
    benchmark::RegisterBenchmark(("ours/" + len).c_str(), BmOurs, n);
    benchmark::RegisterBenchmark(("fftw/" + len).c_str(), BmFftw, n);
    benchmark::RegisterBenchmark(("kiss/" + len).c_str(), BmKiss, n);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
