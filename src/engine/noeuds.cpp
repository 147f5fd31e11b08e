#include "engine/noeuds.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/complexes_et_divers.h"
#include "engine/noeuds_noyaux.h"

#if defined(__x86_64__)
#include <emmintrin.h>

#include "engine/noeuds_noyau.h"
#endif

namespace {

// One node, exactly as the kernels compute it.
bool Noeud(Complexe w, float* puissance, float* amplitude, float* phase) {
  const float m = static_cast<float>(
      std::sqrt(static_cast<double>(w.Re) * w.Re + static_cast<double>(w.Im) * w.Im));
  const float p = static_cast<float>(static_cast<double>(m) * m);
  *puissance = p;
  *amplitude = m;
  *phase = static_cast<float>(static_cast<double>(CPhaseFinie(w.Im, w.Re)) * kDegresParRadian);
  return std::fabs(p) <= FLT_MAX;
}

bool NoeudsScalaires(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                     float* phase) {
  bool fini = true;
  for (int32_t i = 0; i < count; ++i) fini &= Noeud(w[i], puissance + i, amplitude + i, phase + i);
  return fini;
}

#if defined(__x86_64__)

// Two lanes, in the low halves of the float vectors.
struct Sse2 {
  static constexpr int32_t kLargeur = 2;
  using D = __m128d;
  using F = __m128;
  static void Charge(const Complexe* w, D& re, D& im) {
    const __m128 v = _mm_loadu_ps(&w->Re);  // re0 im0 re1 im1
    re = _mm_cvtps_pd(_mm_shuffle_ps(v, v, _MM_SHUFFLE(2, 0, 2, 0)));
    im = _mm_cvtps_pd(_mm_shuffle_ps(v, v, _MM_SHUFFLE(3, 1, 3, 1)));
  }
  static D Racine(D s) { return _mm_sqrt_pd(s); }
  static F VersF(D v) { return _mm_cvtpd_ps(v); }
  static D VersD(F v) { return _mm_cvtps_pd(v); }
  static void Stocke(float* p, F v) { _mm_storel_pi(reinterpret_cast<__m64*>(p), v); }
};

bool NoeudsSse2(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                float* phase) {
  return Noyau<Sse2>(w, count, puissance, amplitude, phase);
}

#endif

std::vector<NoyauNoeuds> Disponibles() {
  std::vector<NoyauNoeuds> noyaux = {{"scalaire", 1, NoeudsScalaires}};
#if defined(__x86_64__)
  noyaux.push_back({"sse2", 2, NoeudsSse2});
  if (__builtin_cpu_supports("avx2")) noyaux.push_back({"avx2", 4, NoeudsAvx2});
  if (__builtin_cpu_supports("avx512f")) noyaux.push_back({"avx512", 8, NoeudsAvx512});
#endif
  return noyaux;
}

}  // namespace

std::span<const NoyauNoeuds> NoyauxNoeuds() {
  static const std::vector<NoyauNoeuds> noyaux = Disponibles();
  return noyaux;
}

bool VariablesNoeuds(const NoyauNoeuds& noyau, std::span<const Complexe> w, int32_t n,
                     float* puissance, float* amplitude, float* phase) {
  const int32_t blocs = n / noyau.largeur * noyau.largeur;
  bool fini = blocs == 0 || noyau.calcule(&w[1], blocs, puissance + 1, amplitude + 1, phase + 1);
  for (int32_t i = blocs + 1; i <= n; ++i) {
    fini &= Noeud(w[i], puissance + i, amplitude + i, phase + i);
  }
  return fini;
}

bool VariablesNoeuds(std::span<const Complexe> w, int32_t n, float* puissance, float* amplitude,
                     float* phase) {
  static const NoyauNoeuds& noyau = NoyauxNoeuds().back();
  return VariablesNoeuds(noyau, w, n, puissance, amplitude, phase);
}
