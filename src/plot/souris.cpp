#include "plot/souris.h"

#include <cmath>
#include <utility>

#include "engine/number_format.h"
#include "plot/colour_map.h"
#include "plot/declarations.h"

namespace {

constexpr const char* kFormatLecture = "0.00E+00";

bool Entre(float v, float a, float b) {
  return (a <= v && v <= b) || (b <= v && v <= a);
}

// The variable whose value a release reads, or 0 for none.
int VariableLue(const PlotModel& m) {
  if (m.ModeZoom != 0) return 0;
  if (m.VarCouleur != 0) return m.VarCouleur;
  if (m.NbReseaux == 1 && m.ReseauVar.size() > 1) return m.ReseauVar[1];
  return 0;
}

// The picture's edges in world units, as the redraw set them.
struct Bords {
  double gauche, droite, haut, bas;
};

Bords BordsImage(const PlotModel& m) {
  const double gauche = m.XMin - 0.25 * m.DX;
  const double haut = m.YMax + 0.1 * m.DY;
  return {gauche, gauche + 1.35 * m.DX, haut, haut - 1.35 * m.DY};
}

void Ordonne(float& a, float& b) {
  if (a > b) std::swap(a, b);
}

void Arrondit(float base, float& min, float& max) {
  min = static_cast<float>(ExposantBorne(0, base, PuisBase(base, min)));
  max = static_cast<float>(ExposantBorne(-1, base, PuisBase(base, max)));
}

}  // namespace

std::string LectureCoordonnees(const PlotModel& m, double x, double y) {
  return "X:" + FormatNombre(PuisBase(m.XBase, x), kFormatLecture) +
         "  Y:" + FormatNombre(PuisBase(m.YBase, y), kFormatLecture);
}

std::string LectureValeur(const PlotModel& m, double x, double y) {
  const int v = VariableLue(m);
  if (!m.VarValide(v) || !m.VarValide(m.VarX) || !m.VarValide(m.VarY)) return kZInconnu;
  const Grille& g = m.Grille;
  if (v > g.NVar() || m.VarX > g.NVar() || m.VarY > g.NVar() || m.NI > g.NI() || m.NJ > g.NJ()) {
    return kZInconnu;
  }
  const float px = PuisBase(m.XBase, x), py = PuisBase(m.YBase, y);
  for (int j = 1; j <= m.NJ - 1; ++j) {
    const float* x1 = g.Row(m.VarX, j);
    const float* x2 = g.Row(m.VarX, j + 1);
    const float* y1 = g.Row(m.VarY, j);
    const float* y2 = g.Row(m.VarY, j + 1);
    for (int i = 1; i <= m.NI - 1; ++i) {
      if (Entre(px, x1[i], x2[i + 1]) && Entre(py, y1[i], y2[i + 1])) {
        return "   Z:" + FormatNombre(MoyenneCellule(g, v, i, j), kFormatLecture);
      }
    }
  }
  return kZInconnu;
}

Traits Reticule(const PlotModel& m, double x, double y) {
  const Bords b = BordsImage(m);
  Traits t;
  t.lignes[0] = {x, m.YMax, x, b.bas};
  t.lignes[1] = {b.gauche, y, m.XMax, y};
  t.lignes[2] = {b.gauche, b.haut, b.gauche, b.bas};
  t.lignes[3] = {b.gauche, b.haut, b.droite, b.haut};
  t.visibles = !(PuisBase(m.XBase, x) > PuisBase(m.XBase, m.XMax)) &&
               !(PuisBase(m.YBase, y) > PuisBase(m.YBase, m.YMax));
  return t;
}

Traits Rectangle(double x1, double y1, double x2, double y2) {
  Traits t;
  t.lignes[0] = {x1, y1, x2, y1};
  t.lignes[1] = {x2, y1, x2, y2};
  t.lignes[2] = {x2, y2, x1, y2};
  t.lignes[3] = {x1, y2, x1, y1};
  return t;
}

void EntreZoom(PlotModel& m) {
  m.ModeZoom = 1;
  m.ModeDoc = 0;
}

void EntreDocumentation(PlotModel& m, int reseau) {
  m.ReseauDoc = reseau;
  m.ModeZoom = 0;
  m.ModeDoc = 1;
}

void AnnuleMode(PlotModel& m) {
  m.ModeZoom = 0;
  m.ModeDoc = 0;
}

bool ReseauExiste(const PlotModel& m, int reseau) {
  return reseau >= 1 && reseau <= m.NbReseaux && reseau < static_cast<int>(m.InjX1.size()) &&
         reseau < static_cast<int>(m.InjY1.size()) && reseau < static_cast<int>(m.InjX2.size()) &&
         reseau < static_cast<int>(m.InjY2.size()) && reseau < static_cast<int>(m.InjPlace.size());
}

void DebutZoom(PlotModel& m, double x, double y) {
  m.ZoomX1 = static_cast<float>(x);
  m.ZoomY1 = static_cast<float>(y);
}

void TireZoom(PlotModel& m, double x, double y) {
  m.ZoomX2 = static_cast<float>(x);
  m.ZoomY2 = static_cast<float>(y);
}

void AppliqueZoom(PlotModel& m) {
  m.ModeZoom = 0;
  m.XMin = m.ZoomX1;
  m.XMax = m.ZoomX2;
  m.YMin = m.ZoomY1;
  m.YMax = m.ZoomY2;
  Ordonne(m.XMin, m.XMax);
  Ordonne(m.YMin, m.YMax);
  if (m.XLog) Arrondit(m.XBase, m.XMin, m.XMax);
  if (m.YLog) Arrondit(m.YBase, m.YMin, m.YMax);
}

void DebutInjecteur(PlotModel& m, double x, double y) {
  const int r = m.ReseauDoc;
  if (!ReseauExiste(m, r)) return;
  m.InjX1[r] = PuisBase(m.XBase, x);
  m.InjY1[r] = PuisBase(m.YBase, y);
}

void TireInjecteur(PlotModel& m, double x, double y) {
  const int r = m.ReseauDoc;
  if (!ReseauExiste(m, r)) return;
  m.InjX2[r] = PuisBase(m.XBase, x);
  m.InjY2[r] = PuisBase(m.YBase, y);
}

void FinInjecteur(PlotModel& m, double x, double y) {
  const int r = m.ReseauDoc;
  if (!ReseauExiste(m, r)) return;
  TireInjecteur(m, x, y);
  if (m.InjX1[r] == m.InjX2[r] && m.InjY1[r] == m.InjY2[r]) {
    m.InjX2[r] = PuisBase(m.XBase, m.XMax);
    m.InjY2[r] = PuisBase(m.YBase, m.YMax);
  }
  m.InjPlace[r] = 1;
}

bool InjecteurMonde(const PlotModel& m, Trait& out) {
  const int r = m.ReseauDoc;
  if (!ReseauExiste(m, r)) return false;
  out = {LogBase(m.XBase, m.InjX1[r]), LogBase(m.YBase, m.InjY1[r]), LogBase(m.XBase, m.InjX2[r]),
         LogBase(m.YBase, m.InjY2[r])};
  return std::isfinite(out.x1) && std::isfinite(out.y1) && std::isfinite(out.x2) &&
         std::isfinite(out.y2);
}
