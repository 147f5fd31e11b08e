#include "workbench/selection.h"

#include <utility>

#include "engine/number_text.h"

int32_t IndiceClic(double x, int32_t nreel) {
  if (nreel < 1 || !(x >= 1.0)) return 1;
  if (x >= nreel) return nreel;
  return VersLong(x);
}

EtapeSelection ClicSelection(WorkbenchState& etat, double x) {
  const int32_t indice = IndiceClic(x, etat.Nreel);
  if (etat.PremierPoint) {
    etat.I1 = indice;
    etat.PremierPoint = false;
    return EtapeSelection::PremierPointPris;
  }
  etat.I2 = indice;
  if (etat.I2 < etat.I1) std::swap(etat.I1, etat.I2);
  if (etat.I2 - etat.I1 < 2) return EtapeSelection::ClicIgnore;
  etat.SelectionActive = false;
  return EtapeSelection::SelectionFaite;
}

void SelectionTotale(WorkbenchState& etat) {
  etat.I1 = 1;
  etat.I2 = etat.Nreel;
  etat.SelectionActive = false;
}
