#include "workbench/spectre_dessin.h"

#include <span>

#include "engine/complexes_et_divers.h"
#include "engine/run_error.h"
#include "plot/declarations.h"

float AbscisseSpectre(int32_t j, float dt, int32_t nfft) {
  return LogBase(2.0, j / (static_cast<double>(dt) * nfft));
}

ResultatSpectre DessineFFT(Surface& surface, WorkbenchState& etat, float dt) {
  ResultatSpectre r;
  if (!DtValide(dt)) {
    r.issue = IssueSpectre::Refuse;
    r.message = MessageDtIncorrect();
    return r;
  }
  const int32_t nfft = etat.NFFT;
  const int32_t h = nfft / 2;
  if (nfft < 1 || etat.Spectre.size() < static_cast<size_t>(nfft) + 1) {
    throw RunError(RunErrorKind::BadIndex, "DessineFFT: Spectre does not hold NFFT elements");
  }
  const std::span<const Complexe> spectre(etat.Spectre);

  float mini = CModule(spectre[1]);
  float maxi = mini;
  for (int32_t j = 2; j <= h; ++j) {
    const float m = CModule(spectre[j]);
    mini = Min(mini, m);
    maxi = Max(maxi, m);
  }
  etat.SpectreMin = mini;
  etat.SpectreMax = maxi;
  etat.Dt = dt;
  r.axes.YMin = mini;
  r.axes.YMax = maxi;
  if (maxi == mini) {
    r.issue = IssueSpectre::Plat;
    return r;
  }
  r.axes.DY = maxi - mini;
  r.axes.XMin = static_cast<float>(ExposantBorne(0, 2.0, 1.0 / (static_cast<double>(dt) * nfft)));
  r.axes.XMax = static_cast<float>(ExposantBorne(-1, 2.0, 1.0 / static_cast<double>(dt)));

  surface.Clear();
  surface.SetScale(r.axes.XMin, r.axes.YMax, r.axes.XMax - r.axes.XMin, r.axes.YMin - r.axes.YMax);
  surface.SetDrawMode(DrawMode::Copy);
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(LineStyle::Solid);
  surface.SetForeColor(RGB(0, 0, 255));
  // The y of a point is its amplitude itself: the picture's scale already
  // maps SpectreMin..SpectreMax onto its height.
  for (int32_t j = 1; j <= h; ++j) {
    const double x = AbscisseSpectre(j, dt, nfft);
    const double y = CModule(spectre[j]);
    if (j == 1) {
      surface.PSet(x, y);
    } else {
      surface.LineTo(x, y);
    }
  }
  return r;
}
