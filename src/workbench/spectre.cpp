#include "workbench/spectre.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/complexes_et_divers.h"
#include "engine/run_error.h"
#include "fft/fft.h"
#include "workbench/reechantillonnage.h"

int32_t LongueurFFT(int64_t l) {
  int64_t n = 1;
  while (n <= l) n *= 2;
  if (n > INT32_MAX) throw RunError(RunErrorKind::Overflow, "LongueurFFT: NFFT beyond a Long");
  return static_cast<int32_t>(n);
}

void CalculeSpectre(WorkbenchState& etat) {
  const int32_t l = etat.NSecond;
  if (l < 0 || etat.SignalSecond.size() < static_cast<size_t>(l) + 1) {
    throw RunError(RunErrorKind::BadIndex, "CalculeSpectre: SignalSecond shorter than NSecond");
  }
  const int32_t nfft = LongueurFFT(l);
  const float* second = etat.SignalSecond.data();

  double somme = 0.0;
  for (int32_t i = 1; i <= l; ++i) somme += second[i];
  const double moyenne = l > 0 ? somme / l : 0.0;

  std::vector<Complexe> spectre(static_cast<size_t>(nfft) + 1);
  for (int32_t i = 1; i <= l; ++i) spectre[i].Re = static_cast<float>(second[i] - moyenne);

  std::vector<float> work(4 * static_cast<size_t>(nfft) + 16);
  FftInit(nfft, work);
  FftForward(nfft, spectre, work);

  float mini = 0.0f;
  float maxi = 0.0f;
  for (int32_t j = 1; j <= nfft; ++j) {
    spectre[j] = CDivReel(spectre[j], nfft);
    const float m = CModule(spectre[j]);
    mini = j == 1 ? m : Min(mini, m);
    maxi = j == 1 ? m : Max(maxi, m);
  }
  etat.Spectre = std::move(spectre);
  etat.NFFT = nfft;
  etat.SpectreMin = mini;
  etat.SpectreMax = maxi;
}

void SpectreSelection(WorkbenchState& etat) {
  SignalSecondaire second = Lire_Data_Second(etat.SignalLu, etat.I1, etat.I2, 1, etat.Moyenne);
  etat.SignalSecond = std::move(second.SignalSecond);
  etat.NSecond = second.NSecond;
  if (etat.NSecond > 0) {
    etat.SecondMin = second.SecondMin;
    etat.SecondMax = second.SecondMax;
  }
  CalculeSpectre(etat);
}

ResultatSpectre Fourrier(WorkbenchState& etat, float dt, Surface& surface) {
  if (!DtValide(dt)) {
    ResultatSpectre r;
    r.issue = IssueSpectre::Refuse;
    r.message = MessageDtIncorrect();
    return r;
  }
  SpectreSelection(etat);
  return DessineFFT(surface, etat, dt);
}
