#include "plot/trace_reseau.h"

#include "plot/traceiso.h"

void TraceReseau(PlotModel& m, int n, Surface& s) {
  auto dans = [n](const auto& v) { return n >= 1 && n < static_cast<int>(v.size()); };
  if (n > m.NbReseaux || !dans(m.ReseauMin) || !dans(m.ReseauMax) || !dans(m.ReseauPas) ||
      !dans(m.ReseauVar)) {
    return;
  }
  m.IsoReseau = n;
  m.IsoVar = m.ReseauVar[n];
  m.IsoMin = m.ReseauMin[n];
  m.IsoMax = m.ReseauMax[n];
  m.IsoPas = m.ReseauPas[n];
  couleur(n, s);
  s.SetDrawWidth(2);
  s.SetFont(3, false);
  Traceiso(m, s);
}
