#include "engine/morlet.h"

#include <cmath>
#include <cstring>

#include "engine/complexes_et_divers.h"
#include "engine/exp_negatif.h"

namespace {

struct Valeur {
  float x, e, v;
};

// One wavenumber, exactly as the four-lane steps compute it.
Valeur Un(float norm, float k0, float scale, float k) {
  const float x = scale * k;
  const double d = static_cast<double>(x) - k0;
  const float e = static_cast<float>(-(d * d) * 0.5);
  const float v = static_cast<float>(norm * ExpNegatif(e));
  return {x, e, v};
}

bool Fini(float v) {
  return std::isfinite(v);
}

// The values end before position `coupe`, once the exponent of the largest
// x is checked.
int32_t Arret(float norm, float k0, float scale, std::span<const float> k, int32_t half,
              int32_t coupe) {
  const Valeur fin = Un(norm, k0, scale, k[half]);
  if (!Fini(fin.x) || !Fini(fin.e)) Depassement();
  return coupe - 1;
}

// The vector steps use GCC's generic vectors: the same source gives two
// 16-byte halves per operation in baseline x86-64 code and whole 32-byte
// registers in AVX2 code, with the same bits as the scalar steps above.
using Flottants4 = float __attribute__((vector_size(16)));
using Flottants8 = float __attribute__((vector_size(32)));
using Doubles4 = double __attribute__((vector_size(32)));
using Entiers4 = int64_t __attribute__((vector_size(32)));
using Naturels4 = uint64_t __attribute__((vector_size(32)));
using Masque4 = int32_t __attribute__((vector_size(16)));

// ExpNegatif on four lanes, operation for operation. The vectors go by
// reference, since a 32-byte vector has no baseline way to be passed.
[[gnu::always_inline]] inline void ExpNegatif4(const Doubles4& e, Doubles4& resultat) {
  using namespace exp_negatif;
  const Doubles4 magique = Doubles4{} + kMagique;
  const Doubles4 t = e * kLog2e + magique;
  const Doubles4 n = t - magique;
  const Doubles4 r = (e - n * kLn2Haut) - n * kLn2Bas;
  Doubles4 p = Doubles4{} + kC[13];
  for (int i = 12; i >= 0; --i) p = p * r + kC[i];
  // n in two's complement, wrapping (harmlessly) far below the limit.
  const Naturels4 bits = reinterpret_cast<Naturels4>(t) - reinterpret_cast<Naturels4>(magique);
  const Doubles4 echelle = reinterpret_cast<Doubles4>((bits + 1023) << 52);
  const Entiers4 garde = e < kLimite;
  resultat = reinterpret_cast<Doubles4>(~garde & reinterpret_cast<Entiers4>(p * echelle));
}

bool Infini(const Flottants4& v) {
  const Masque4 exposant = reinterpret_cast<Masque4>(v) & 0x7f800000;
  const Masque4 infini = exposant == 0x7f800000;
  return (infini[0] | infini[1] | infini[2] | infini[3]) != 0;
}

// Four wavenumbers at a time from position i while four remain; i is left
// at the first position not done. Returns the last position that can be
// nonzero once the values are cut, -1 while they are not.
[[gnu::always_inline]] inline int32_t ParQuatre(float norm, float k0, float scale,
                                                std::span<const float> k, int32_t half, double zero,
                                                std::span<Complexe> daughter, int32_t& i) {
  for (; i + 3 <= half; i += 4) {
    Flottants4 kx;
    std::memcpy(&kx, &k[i], sizeof kx);
    const Flottants4 x = scale * kx;
    const Doubles4 xd = __builtin_convertvector(x, Doubles4);
    const Doubles4 d = xd - static_cast<double>(k0);
    const Flottants4 e = __builtin_convertvector(-(d * d) * 0.5, Flottants4);
    const Doubles4 ed = __builtin_convertvector(e, Doubles4);
    Doubles4 exp;
    ExpNegatif4(ed, exp);
    const Flottants4 v = __builtin_convertvector(static_cast<double>(norm) * exp, Flottants4);
    if (Infini(x) || Infini(e)) Depassement();
    const Flottants8 valeurs = __builtin_shufflevector(v, Flottants4{}, 0, 4, 1, 5, 2, 6, 3, 7);
    std::memcpy(&daughter[i].Re, &valeurs, sizeof valeurs);
    const Entiers4 apres = (xd > static_cast<double>(k0)) & (ed < zero);
    for (int l = 0; l < 4; ++l) {
      if (apres[l]) return Arret(norm, k0, scale, k, half, i + l);
    }
  }
  return -1;
}

using Etapes = int32_t (*)(float, float, float, std::span<const float>, int32_t, double,
                           std::span<Complexe>, int32_t&);

int32_t ParQuatreBase(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                      double zero, std::span<Complexe> daughter, int32_t& i) {
  return ParQuatre(norm, k0, scale, k, half, zero, daughter, i);
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) int32_t ParQuatreAvx2(float norm, float k0, float scale,
                                                      std::span<const float> k, int32_t half,
                                                      double zero, std::span<Complexe> daughter,
                                                      int32_t& i) {
  return ParQuatre(norm, k0, scale, k, half, zero, daughter, i);
}
#endif

Etapes EtapesDuProcesseur() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx2")) return ParQuatreAvx2;
#endif
  return ParQuatreBase;
}

int32_t Demi(Etapes parQuatre, float norm, float k0, float scale, std::span<const float> k,
             int32_t half, double zero, std::span<Complexe> daughter) {
  int32_t i = 1;
  const int32_t last = parQuatre(norm, k0, scale, k, half, zero, daughter, i);
  if (last >= 0) return last;
  for (; i <= half; ++i) {
    const Valeur u = Un(norm, k0, scale, k[i]);
    if (!Fini(u.x) || !Fini(u.e)) Depassement();
    daughter[i] = Complexe{u.v, 0.0f};
    if (u.x > k0 && u.e < zero) return Arret(norm, k0, scale, k, half, i);
  }
  return half;
}

}  // namespace

int32_t MorletDemi(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                   double zero, std::span<Complexe> daughter) {
  static const Etapes etapes = EtapesDuProcesseur();
  return Demi(etapes, norm, k0, scale, k, half, zero, daughter);
}

int32_t MorletDemiBase(float norm, float k0, float scale, std::span<const float> k, int32_t half,
                       double zero, std::span<Complexe> daughter) {
  return Demi(ParQuatreBase, norm, k0, scale, k, half, zero, daughter);
}
