#include "engine/wavelet.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "engine/complexes_et_divers.h"
#include "engine/ondelettes.h"
#include "engine/run_error.h"
#include "fft/fft.h"

namespace {

[[noreturn]] void HorsLimites() {
  throw RunError(RunErrorKind::BadIndex, "Subscript out of range");
}

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

void Transforme(const EntreeWavelet& in, int32_t& mother, float& param,
                const RecepteurColonne& recepteur, std::span<float> scale, std::span<float> period,
                std::span<float> coi, SpectreWavelet& spectre) {
  const int32_t n = in.n;
  const int32_t npad = in.npad;
  const size_t capacite = static_cast<size_t>(kCapaciteWavelet) + 1;
  std::vector<float> work(4 * static_cast<size_t>(kCapaciteWavelet) + 16);
  std::vector<float> kw(capacite);
  std::vector<Complexe> daughter(capacite);
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
  FftInit(npad, work);
  FftForward(npad, S, work);

  for (int32_t k = 1; k <= npad; ++k) {
    S[k] = CDivReel(S[k], npad);
    float m = CModule(S[k]);
    if (k == 1) {
      spectre.SpectreMin = m;
      spectre.SpectreMax = m;
    } else {
      spectre.SpectreMin = Min(spectre.SpectreMin, m);
      spectre.SpectreMax = Max(spectre.SpectreMax, m);
    }
  }

  // Angular wavenumbers of the FFT bins.
  if (in.dt == 0.0f) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
  const float f1 = VersSingle(2 * kPi / (static_cast<double>(npad) * in.dt));
  kw[1] = 0.0f;
  for (int32_t i = 2; i <= npad / 2 + 1; ++i) kw[i] = VersSingle((i - 1) * static_cast<double>(f1));
  for (int32_t i = npad / 2 + 2; i <= npad; ++i) kw[i] = -kw[npad - i + 2];

  float cf = 0.0f;
  for (int32_t j = 1; j <= in.jtot; ++j) {
    VerifiePosition(static_cast<size_t>(j), scale.size());
    scale[j] = VersSingle(in.s0 * std::pow(2.0, (j - 1) * static_cast<double>(in.dj)));
    VerifiePosition(static_cast<size_t>(j), period.size());
    int32_t last =
        DaughterWaveletEtendue(npad, in.dt, mother, param, scale[j], kw, period[j], cf, daughter);
    Produit(daughter, S, last);
    FftBackward(npad, daughter, work);
    recepteur(j, std::span<const Complexe>(daughter.data(), static_cast<size_t>(n) + 1));
  }

  // Cone of influence: cf dt times the distance to the nearer end.
  VerifiePosition(static_cast<size_t>(n), coi.size());
  const float cfdt = VersSingle(static_cast<double>(cf) * in.dt);
  for (int32_t i = 1; i <= (n + 1) / 2; ++i) {
    coi[i] = VersSingle(static_cast<double>(cfdt) * (i - 1));
    coi[n - i + 1] = coi[i];
  }
}

}  // namespace

void WaveletParColonnes(const EntreeWavelet& in, int32_t& mother, float& param,
                        const RecepteurColonne& recepteur, std::span<float> scale,
                        std::span<float> period, std::span<float> coi, SpectreWavelet& spectre,
                        std::vector<MessageMoteur>& messages) {
  try {
    spectre.Spectre.assign(static_cast<size_t>(kCapaciteWavelet) + 1, Complexe{});
    if (in.npad < in.n) {
      messages.push_back({kMessageNpad, kTitreParDefaut, Icone::Aucune});
      return;
    }
    Transforme(in, mother, param, recepteur, scale, period, coi, spectre);
  } catch (const RunError&) {
    messages.push_back({kMessageCapacite, kTitreArret, Icone::Critique});
  } catch (const std::bad_alloc&) {
    messages.push_back({kMessageCapacite, kTitreArret, Icone::Critique});
  }
}

void WAVELET(const EntreeWavelet& in, int32_t& mother, float& param, TableauOndelette& wave,
             std::span<float> scale, std::span<float> period, std::span<float> coi,
             SpectreWavelet& spectre, std::vector<MessageMoteur>& messages) {
  auto copie = [&wave](int32_t j, std::span<const Complexe> column) {
    if (j > wave.NJ()) HorsLimites();
    const int32_t n = static_cast<int32_t>(column.size()) - 1;
    const int32_t lignes = std::min(n, wave.NI());
    std::copy(column.begin() + 1, column.begin() + 1 + lignes, wave.Colonne(j).begin() + 1);
    if (lignes < n) HorsLimites();
  };
  WaveletParColonnes(in, mother, param, copie, scale, period, coi, spectre, messages);
}
