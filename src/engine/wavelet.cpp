#include "engine/wavelet.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <new>
#include <thread>

#include "engine/complexes_et_divers.h"
#include "engine/ondelettes.h"
#include "engine/run_error.h"
#include "engine/spectre_normalise.h"
#include "fft/fft.h"

namespace {

[[noreturn]] void HorsLimites() {
  throw RunError(RunErrorKind::BadIndex, "Subscript out of range");
}

// A scale failed; the columns before it are complete.
struct EchecEchelle {
  int32_t complets;
};

void VerifiePosition(size_t position, size_t size) {
  if (position >= size) HorsLimites();
}

// daughter(k) = CMul(daughter(k), spectre(k)) for k = 1..last. The daughter
// is real, so the product is the Single product of its real part with each
// part of the spectrum (what CMul gives, up to the sign of zeros); the
// elements after `last` are 0 and stay 0. A product beyond the Single range
// fails once the column is done, before it is used.
void Produit(std::span<Complexe> daughter, std::span<const Complexe> spectre, int32_t last) {
  float* d = &daughter[0].Re;
  const float* s = &spectre[0].Re;
  uint32_t infini = 0;
  for (int32_t k = 1; k <= last; ++k) {
    float re = d[2 * k] * s[2 * k];
    float im = d[2 * k] * s[2 * k + 1];
    d[2 * k] = re;
    d[2 * k + 1] = im;
    uint32_t bre, bim;
    std::memcpy(&bre, &re, sizeof bre);
    std::memcpy(&bim, &im, sizeof bim);
    infini |= static_cast<uint32_t>((bre & 0x7f800000u) == 0x7f800000u) |
              static_cast<uint32_t>((bim & 0x7f800000u) == 0x7f800000u);
  }
  if (infini) throw RunError(RunErrorKind::Overflow, "Overflow");
}

// Where the coefficients of scale j go (positions 1..n of a span of at
// least n + 1 elements), or an empty span for the thread's own buffer.
using DestinationColonne = std::function<std::span<Complexe>(int32_t j)>;

// One thread's share of the scales, with its own buffers.
struct Part {
  std::vector<float> work;
  std::vector<Complexe> daughter;
  float param = 0.0f;
  float cf = 0.0f;
  int32_t echec = 0;  // the scale that failed, 0 if none
};

// Scales premier, premier + pas, ... up to jtot, in order; stops at the
// first failure.
void Echelles(const EntreeWavelet& in, int32_t mother, std::span<const float> kw,
              std::span<const Complexe> S, int32_t premier, int32_t pas, Part& part,
              std::span<float> scale, std::span<float> period,
              const DestinationColonne& destination, const RecepteurColonne& recepteur) {
  for (int32_t j = premier; j <= in.jtot; j += pas) {
    try {
      VerifiePosition(static_cast<size_t>(j), scale.size());
      scale[j] = VersSingle(in.s0 * std::pow(2.0, (j - 1) * static_cast<double>(in.dj)));
      VerifiePosition(static_cast<size_t>(j), period.size());
      const int32_t last = DaughterWaveletEtendue(in.npad, in.dt, mother, part.param, scale[j], kw,
                                                  period[j], part.cf, part.daughter);
      Produit(part.daughter, S, last);
      std::span<Complexe> sortie = destination ? destination(j) : std::span<Complexe>();
      if (sortie.empty()) sortie = part.daughter;
      FftBackwardCreux(in.npad, last, part.daughter, part.work, sortie, in.n);
      recepteur(j, sortie.first(static_cast<size_t>(in.n) + 1));
    } catch (const RunError&) {
      part.echec = j;
      return;
    } catch (const std::bad_alloc&) {
      part.echec = j;
      return;
    }
  }
}

// Returns the number of complete columns, jtot unless a scale failed.
int32_t Transforme(const EntreeWavelet& in, int32_t& mother, float& param,
                   const DestinationColonne& destination, const RecepteurColonne& recepteur,
                   std::span<float> scale, std::span<float> period, std::span<float> coi,
                   SpectreWavelet& spectre, int threads) {
  const int32_t n = in.n;
  const int32_t npad = in.npad;
  const size_t capacite = static_cast<size_t>(kCapaciteWavelet) + 1;
  std::vector<Complexe>& S = spectre.Spectre;

  if (mother < 0 || mother > 2) mother = 0;

  // Mean, accumulated in Single.
  if (n < 1) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
  VerifiePosition(static_cast<size_t>(n), in.y.size());
  float somme = 0.0f;
  for (int32_t i = 1; i <= n; ++i) somme += in.y[i];
  const float ymean = VersSingle(VersSingle(somme) / static_cast<double>(n));

  for (int32_t i = 1; i <= npad; ++i) {
    VerifiePosition(static_cast<size_t>(i), capacite);
    S[i] = i <= n ? Complexe{VersSingle(in.y[i] - ymean), 0.0f} : Complexe{};
  }
  // Within the capacity from here on: the working arrays take the padded
  // length only.
  const size_t taille = static_cast<size_t>(npad) + 1;
  std::vector<Part> parts(1);
  parts[0].work.assign(4 * static_cast<size_t>(npad) + 16, 0.0f);
  std::vector<float> kw(taille);
  FftInit(npad, parts[0].work);
  FftForward(npad, S, parts[0].work);

  NormaliseSpectre(S, npad, spectre.SpectreMin, spectre.SpectreMax);

  // Angular wavenumbers of the FFT bins.
  if (in.dt == 0.0f) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
  const float f1 = VersSingle(2 * kPi / (static_cast<double>(npad) * in.dt));
  kw[1] = 0.0f;
  for (int32_t i = 2; i <= npad / 2 + 1; ++i) kw[i] = VersSingle((i - 1) * static_cast<double>(f1));
  for (int32_t i = npad / 2 + 2; i <= npad; ++i) kw[i] = -kw[npad - i + 2];

  // The scales, shared out in turn among the threads; each has its copy of
  // the FFT tables and its own buffers.
  const int32_t nparts = std::max(1, std::min<int32_t>(threads, in.jtot));
  const std::vector<float> scaleAvant(scale.begin(), scale.end());
  const std::vector<float> periodAvant(period.begin(), period.end());
  parts.resize(static_cast<size_t>(nparts));
  for (Part& part : parts) {
    if (part.work.empty()) part.work = parts[0].work;
    part.daughter.assign(taille, Complexe{});
    part.param = param;
  }
  if (nparts == 1) {
    Echelles(in, mother, kw, S, 1, 1, parts[0], scale, period, destination, recepteur);
  } else {
    std::vector<std::thread> fils;
    for (int32_t t = 0; t < nparts; ++t) {
      fils.emplace_back(Echelles, std::cref(in), mother, std::span<const float>(kw),
                        std::span<const Complexe>(S), t + 1, nparts, std::ref(parts[t]), scale,
                        period, std::cref(destination), std::cref(recepteur));
    }
    for (std::thread& f : fils) f.join();
  }
  // Scale 1 is the first one of the first part: its parameter is the one
  // the daughter wrote back.
  param = parts[0].param;
  int32_t echec = 0;
  for (const Part& part : parts) {
    if (part.echec != 0 && (echec == 0 || part.echec < echec)) echec = part.echec;
  }
  if (echec != 0) {
    // The scales after the failing one are as if never reached.
    for (size_t j = static_cast<size_t>(echec) + 1; j < scale.size(); ++j) scale[j] = scaleAvant[j];
    for (size_t j = static_cast<size_t>(echec) + 1; j < period.size(); ++j) {
      period[j] = periodAvant[j];
    }
    throw EchecEchelle{echec - 1};
  }

  // Cone of influence: cf dt times the distance to the nearer end.
  VerifiePosition(static_cast<size_t>(n), coi.size());
  const float cfdt = VersSingle(static_cast<double>(parts[0].cf) * in.dt);
  for (int32_t i = 1; i <= (n + 1) / 2; ++i) {
    coi[i] = VersSingle(static_cast<double>(cfdt) * (i - 1));
    coi[n - i + 1] = coi[i];
  }
  return in.jtot;
}

int32_t ParColonnes(const EntreeWavelet& in, int32_t& mother, float& param,
                    const DestinationColonne& destination, const RecepteurColonne& recepteur,
                    std::span<float> scale, std::span<float> period, std::span<float> coi,
                    SpectreWavelet& spectre, std::vector<MessageMoteur>& messages, int threads) {
  const MessageMoteur capacite{kMessageCapacite, kTitreArret, Icone::Critique};
  try {
    spectre.Spectre.assign(static_cast<size_t>(kCapaciteWavelet) + 1, Complexe{});
    if (in.npad < in.n) {
      messages.push_back({kMessageNpad, kTitreParDefaut, Icone::Aucune});
      return 0;
    }
    return Transforme(in, mother, param, destination, recepteur, scale, period, coi, spectre,
                      threads);
  } catch (const EchecEchelle& e) {
    messages.push_back(capacite);
    return e.complets;
  } catch (const RunError&) {
    messages.push_back(capacite);
  } catch (const std::bad_alloc&) {
    messages.push_back(capacite);
  }
  return 0;
}

}  // namespace

int32_t WaveletParColonnes(const EntreeWavelet& in, int32_t& mother, float& param,
                           const RecepteurColonne& recepteur, std::span<float> scale,
                           std::span<float> period, std::span<float> coi, SpectreWavelet& spectre,
                           std::vector<MessageMoteur>& messages, int threads) {
  return ParColonnes(in, mother, param, nullptr, recepteur, scale, period, coi, spectre, messages,
                     threads);
}

void WAVELET(const EntreeWavelet& in, int32_t& mother, float& param, TableauOndelette& wave,
             std::span<float> scale, std::span<float> period, std::span<float> coi,
             SpectreWavelet& spectre, std::vector<MessageMoteur>& messages) {
  // A column that fits is written by the transform in place; one that does
  // not is copied as far as it fits, then fails.
  auto place = [&wave, n = in.n](int32_t j) {
    return j <= wave.NJ() && wave.NI() >= n ? wave.Colonne(j) : std::span<Complexe>();
  };
  auto copie = [&wave](int32_t j, std::span<const Complexe> column) {
    if (j > wave.NJ()) HorsLimites();
    if (column.data() == wave.Colonne(j).data()) return;
    const int32_t n = static_cast<int32_t>(column.size()) - 1;
    const int32_t lignes = std::min(n, wave.NI());
    std::copy(column.begin() + 1, column.begin() + 1 + lignes, wave.Colonne(j).begin() + 1);
    if (lignes < n) HorsLimites();
  };
  ParColonnes(in, mother, param, place, copie, scale, period, coi, spectre, messages, 1);
}
