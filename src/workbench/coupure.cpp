#include "workbench/coupure.h"

#include <utility>

#include "engine/run_error.h"
#include "workbench/spectre_dessin.h"

std::vector<float> AbscissesCoupure(int32_t nfft, float dt) {
  const int32_t h = nfft / 2;
  std::vector<float> x(static_cast<size_t>(h > 0 ? h : 0) + 1);
  for (int32_t j = 1; j <= h; ++j) x[j] = AbscisseSpectre(j, dt, nfft);
  return x;
}

void CoupeBande(std::vector<Complexe>& spectre, int32_t nfft, const std::vector<float>& abscisses,
                float f1, float f2) {
  const int32_t h = nfft / 2;
  if (nfft < 0 || spectre.size() < static_cast<size_t>(nfft) + 1 ||
      abscisses.size() < static_cast<size_t>(h) + 1) {
    throw RunError(RunErrorKind::BadIndex, "CoupeBande: Spectre does not hold NFFT elements");
  }
  for (int32_t j = 1; j <= h; ++j) {
    const float xj = abscisses[j];
    const float tolerance = xj / 500.0f;
    if (xj + tolerance >= f1 && xj - tolerance <= f2) {
      spectre[j] = Complexe{};
      if (j >= 2) spectre[nfft - j + 2] = Complexe{};
    }
  }
}

void CoupeBande(std::vector<Complexe>& spectre, int32_t nfft, float dt, float f1, float f2) {
  CoupeBande(spectre, nfft, AbscissesCoupure(nfft, dt), f1, f2);
}

void CommenceCoupure(WorkbenchState& etat) {
  etat.CoupureActive = true;
  etat.PremierPoint = true;
}

ResultatClicCoupure ClicCoupure(WorkbenchState& etat, EnregistreurFiltre& enregistreur, double x,
                                float dt) {
  ResultatClicCoupure r;
  if (etat.PremierPoint) {
    etat.F1 = static_cast<float>(x);
    etat.PremierPoint = false;
    return r;
  }
  etat.CoupureActive = false;
  etat.F2 = static_cast<float>(x);
  if (etat.F2 < etat.F1) std::swap(etat.F1, etat.F2);
  if (!DtValide(dt)) {
    r.etape = EtapeCoupure::Refusee;
    r.message = MessageDtIncorrect();
    return r;
  }
  etat.Dt = dt;
  CoupeBande(etat.Spectre, etat.NFFT, dt, etat.F1, etat.F2);
  r.etape = EtapeCoupure::BandeCoupee;
  if (etat.EnregFiltre) r.message = AjouteBande(etat, enregistreur);
  return r;
}
