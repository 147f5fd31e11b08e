#include "workbench/courbes_analyse.h"

CurveInputs CourbesAnalyse(const WorkbenchState& etat, const EtatAnalyse& run) {
  CurveInputs c;
  c.Signal = etat.Signal;
  c.Nmax = etat.Nmax;
  c.Dt = run.Dt;
  c.SignalMin = etat.SignalMin;
  c.SignalMax = etat.SignalMax;
  c.Spectre = run.spectre.Spectre;
  c.NFFT = run.NFFT;
  c.SpectreMin = run.spectre.SpectreMin;
  c.SpectreMax = run.spectre.SpectreMax;
  return c;
}
