#pragma once

// The node variables of whole blocks of lanes, written once for every
// instruction set: included only by the files that build one kernel each
// (engine/noeuds*.cpp), each compiled for its own instruction set. Everything
// here has internal linkage so that no copy built for a wider set can stand
// in for another one at link time. Only IEEE operations (no fused
// multiply-add: those files are compiled without contraction), in the order
// of CModule, CPhaseFinie and ArcTanQuotient, so every lane gives their bits.
//
// An instruction set `Isa` provides, for kLargeur lanes:
//   D, F: vectors of kLargeur doubles and of kLargeur floats (GCC vectors);
//   Charge(w, re, im): the parts of the complex values w[0..kLargeur);
//   Racine(D), VersF(D), VersD(F): square root and conversions;
//   Stocke(p, F): stores the kLargeur floats at p.

#include <cfloat>
#include <cstdint>

#include "engine/complexe.h"
#include "engine/complexes_et_divers.h"
#include "engine/noeuds.h"

namespace {

template <class D>
D Diffuse(double v) {
  D r;
  for (unsigned l = 0; l < sizeof(D) / sizeof(double); ++l) r[l] = v;
  return r;
}

template <class D>
D Absolu(D v) {
  using U = decltype(v < v);
  return reinterpret_cast<D>(reinterpret_cast<U>(v) & ~reinterpret_cast<U>(Diffuse<D>(-0.0)));
}

// ArcTanQuotient, lane by lane.
template <class D>
[[gnu::always_inline]] inline D ArcTanVoies(D y, D x) {
  const D zero = Diffuse<D>(0.0);
  const D ay = Absolu(y), ax = Absolu(x);
  const auto big = ay > Diffuse<D>(2.41421356237309504880) * ax;
  const auto mid = ay > Diffuse<D>(0.66) * ax;
  const D num = big ? -ax : (mid ? ay - ax : ay);
  const D den = big ? ay : (mid ? ay + ax : ax);
  const D t = num / den;
  const D y0 =
      big ? Diffuse<D>(1.57079632679489661923) : (mid ? Diffuse<D>(0.78539816339744830962) : zero);
  const D more = big ? Diffuse<D>(6.123233995736765886130e-17)
                     : (mid ? Diffuse<D>(0.5 * 6.123233995736765886130e-17) : zero);
  const D z = t * t;
  D p = Diffuse<D>(-8.750608600031904122785e-1);
  p = p * z + -1.615753718733365076637e1;
  p = p * z + -7.500855792314704667340e1;
  p = p * z + -1.228866684490136173410e2;
  p = p * z + -6.485021904942025371773e1;
  D q = z + 2.485846490142306297962e1;
  q = q * z + 1.650270098316988542046e2;
  q = q * z + 4.328810604912902668951e2;
  q = q * z + 4.853903996359136964868e2;
  q = q * z + 1.945506571482613964425e2;
  const D r = y0 + ((t * (z * p / q) + t) + more);
  return (y < zero) != (x < zero) ? -r : r;
}

// Nodes [0, count) of w, count a multiple of kLargeur; false when a power
// does not fit a Single.
template <class Isa>
bool Noyau(const Complexe* w, int32_t count, float* puissance, float* amplitude, float* phase) {
  using D = typename Isa::D;
  using F = typename Isa::F;
  const D zero = Diffuse<D>(0.0), pi = Diffuse<D>(kPi);
  const D demiPi = Diffuse<D>(kPi / 2), degres = Diffuse<D>(kDegresParRadian);
  const F maxf = Isa::VersF(Diffuse<D>(FLT_MAX));
  decltype(maxf < maxf) infini = {};
  for (int32_t i = 0; i < count; i += Isa::kLargeur) {
    D re, im;
    Isa::Charge(w + i, re, im);

    const F m = Isa::VersF(Isa::Racine(re * re + im * im));
    const D md = Isa::VersD(m);
    const F p = Isa::VersF(md * md);
    // Also true for NaN.
    infini |= !(p <= maxf);
    Isa::Stocke(puissance + i, p);
    Isa::Stocke(amplitude + i, m);

    const D a = ArcTanVoies(im, re);
    D ph = re > zero ? a : (im > zero ? a + pi : a - pi);
    const D axe = im > zero ? demiPi : (im < zero ? -demiPi : zero);
    ph = re == zero ? axe : ph;
    Isa::Stocke(phase + i, Isa::VersF(Isa::VersD(Isa::VersF(ph)) * degres));
  }
  for (unsigned l = 0; l < sizeof(F) / sizeof(float); ++l) {
    if (infini[l]) return false;
  }
  return true;
}

}  // namespace
