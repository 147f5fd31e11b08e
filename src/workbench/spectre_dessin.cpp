#include "workbench/spectre_dessin.h"

#include <span>

#include "engine/complexes_et_divers.h"
#include "engine/run_error.h"
#include "plot/declarations.h"
#include "workbench/plage.h"

float AbscisseSpectre(int32_t j, float dt, int32_t nfft) {
  return LogBase(2.0, j / (static_cast<double>(dt) * nfft));
}

namespace {

void VerifieSpectre(const WorkbenchState& etat) {
  if (etat.NFFT < 1 || etat.Spectre.size() < static_cast<size_t>(etat.NFFT) + 1) {
    throw RunError(RunErrorKind::BadIndex, "DessineFFT: Spectre does not hold NFFT elements");
  }
}

// XMin, XMax of the frequency axis and the amplitude range ymin..ymax.
AxesSpectre Axes(float dt, int32_t nfft, float ymin, float ymax) {
  AxesSpectre a;
  a.YMin = ymin;
  a.YMax = ymax;
  a.DY = ymax - ymin;
  a.XMin = static_cast<float>(ExposantBorne(0, 2.0, 1.0 / (static_cast<double>(dt) * nfft)));
  a.XMax = static_cast<float>(ExposantBorne(-1, 2.0, 1.0 / static_cast<double>(dt)));
  return a;
}

// The picture cleared and scaled to the axes, then the points of the
// plotted half.
void Trace(Surface& surface, const WorkbenchState& etat, float dt, const AxesSpectre& axes) {
  const int32_t nfft = etat.NFFT;
  const std::span<const Complexe> spectre(etat.Spectre);
  surface.Clear();
  surface.SetScale(axes.XMin, axes.YMax, axes.XMax - axes.XMin, axes.YMin - axes.YMax);
  surface.SetDrawMode(DrawMode::Copy);
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(LineStyle::Solid);
  surface.SetForeColor(RGB(0, 0, 255));
  // The y of a point is its amplitude itself: the picture's scale already
  // maps the amplitude range onto its height.
  for (int32_t j = 1; j <= nfft / 2; ++j) {
    const double x = AbscisseSpectre(j, dt, nfft);
    const double y = CModule(spectre[j]);
    if (j == 1) {
      surface.PSet(x, y);
    } else {
      surface.LineTo(x, y);
    }
  }
}

}  // namespace

ResultatSpectre DessineFFT(Surface& surface, WorkbenchState& etat, float dt) {
  ResultatSpectre r;
  if (!DtValide(dt)) {
    r.issue = IssueSpectre::Refuse;
    r.message = MessageDtIncorrect();
    return r;
  }
  VerifieSpectre(etat);
  const std::span<const Complexe> spectre(etat.Spectre);

  float mini = CModule(spectre[1]);
  float maxi = mini;
  for (int32_t j = 2; j <= etat.NFFT / 2; ++j) {
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
  r.axes = Axes(dt, etat.NFFT, mini, maxi);
  Trace(surface, etat, dt, r.axes);
  return r;
}

AxesSpectre DessineFFTPlat(Surface& surface, const WorkbenchState& etat, float dt) {
  if (!DtValide(dt)) throw RunError(RunErrorKind::InvalidArgument, "DessineFFTPlat: invalid Dt");
  VerifieSpectre(etat);
  const Plage plage = PlageNonVide({etat.SpectreMin, etat.SpectreMax});
  const AxesSpectre axes = Axes(dt, etat.NFFT, plage.min, plage.max);
  Trace(surface, etat, dt, axes);
  return axes;
}
