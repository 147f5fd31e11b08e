#include "plot/traceiso.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <span>

#include "engine/number_format.h"
#include "plot/declarations.h"
#include "plot/niveaux.h"

namespace {

// Min and Max of the plot model: a when a < b, else b; the larger, a when
// equal. Their order of comparison decides what a NaN corner does.
float Min(float a, float b) {
  return a < b ? a : b;
}
float Max(float a, float b) {
  return b > a ? b : a;
}

// Strictly between the two end values of an edge; never for a NaN end.
bool Traverse(float a, float b, float l) {
  return (a < l && l < b) || (b < l && l < a);
}

bool Entre(float v, float a, float b) {
  return (a <= v && v <= b) || (b <= v && v <= a);
}

struct Noeud {
  float z, x, y;
};

struct Point {
  float x, y;
};

Point Croisement(const Noeud& p, const Noeud& q, float l) {
  const double t = (static_cast<double>(l) - p.z) / (static_cast<double>(q.z) - p.z);
  return {static_cast<float>(p.x + t * (static_cast<double>(q.x) - p.x)),
          static_cast<float>(p.y + t * (static_cast<double>(q.y) - p.y))};
}

// Everything about the network that does not change from cell to cell.
class Reseau {
 public:
  Reseau(const PlotModel& m, int n) {
    const int nb = std::clamp(m.NbValeursTable[n], 0, 25);
    niveaux_ = Niveaux(m.ReseauProgression[n], m.IsoMin, m.IsoMax, m.IsoPas,
                       std::span<const float>(m.TableNiveaux[n].data() + 1, nb));
    // Levels sorted by value (ties in loop order), so that a cell finds the
    // few levels within its range by bisection.
    ordre_.resize(niveaux_.size());
    std::iota(ordre_.begin(), ordre_.end(), 0);
    std::stable_sort(ordre_.begin(), ordre_.end(),
                     [this](int a, int b) { return niveaux_[a] < niveaux_[b]; });
    tri_.resize(niveaux_.size());
    dansLOrdre_ = true;
    for (size_t k = 0; k < ordre_.size(); ++k) {
      tri_[k] = niveaux_[ordre_[k]];
      dansLOrdre_ = dansLOrdre_ && ordre_[k] == static_cast<int>(k);
    }

    xMin_ = PuisBase(m.XBase, m.XMin);
    xMax_ = PuisBase(m.XBase, m.XMax);
    yMin_ = PuisBase(m.YBase, m.YMin);
    yMax_ = PuisBase(m.YBase, m.YMax);

    const float largeur = m.InjX2[n] - m.InjX1[n];
    injecteur_ = m.InjPlace[n] == 1 && largeur != 0.0f;
    injX1_ = m.InjX1[n];
    injY1_ = m.InjY1[n];
    injX2_ = m.InjX2[n];
    injY2_ = m.InjY2[n];
    if (injecteur_) {
      pente_ = (m.InjY2[n] - m.InjY1[n]) / largeur;
      origine_ = m.InjY1[n] - pente_ * m.InjX1[n];
    }
  }

  bool Vide() const { return tri_.empty(); }

  // The levels of a cell's range, in loop order, into `choisis`; false when
  // there is none. A NaN extreme rejects no level on its side.
  bool NiveauxDe(float cmin, float cmax, std::vector<float>& choisis,
                 std::vector<int>& indices) const {
    const float bas = std::isnan(cmin) ? -std::numeric_limits<float>::infinity() : cmin;
    const float haut = std::isnan(cmax) ? std::numeric_limits<float>::infinity() : cmax;
    const auto debut = std::lower_bound(tri_.begin(), tri_.end(), bas);
    if (debut == tri_.end() || *debut > haut) return false;
    const auto fin = std::upper_bound(debut, tri_.end(), haut);
    choisis.clear();
    if (dansLOrdre_) {
      choisis.assign(debut, fin);
      return true;
    }
    indices.assign(ordre_.begin() + (debut - tri_.begin()), ordre_.begin() + (fin - tri_.begin()));
    std::sort(indices.begin(), indices.end());
    for (int k : indices) choisis.push_back(niveaux_[k]);
    return true;
  }

  bool Visible(Point p) const {
    return xMin_ <= p.x && p.x <= xMax_ && yMin_ <= p.y && p.y <= yMax_;
  }

  // Where the segment meets the injector, in Singles as the injector is
  // stored; false when it does not.
  bool Etiquette(Point a, Point b, Point& e) const {
    if (!injecteur_) return false;
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float k = dx * a.y - a.x * dy;
    const float det = pente_ * dx - dy;
    if (det == 0.0f) return false;
    e.x = (k - dx * origine_) / det;
    e.y = (pente_ * k - dy * origine_) / det;
    return Entre(e.x, a.x, b.x) && Entre(e.y, a.y, b.y) && Entre(e.x, injX1_, injX2_) &&
           Entre(e.y, injY1_, injY2_);
  }

 private:
  std::vector<float> niveaux_;
  std::vector<int> ordre_;
  std::vector<float> tri_;
  bool dansLOrdre_ = true;
  float xMin_, xMax_, yMin_, yMax_;
  bool injecteur_;
  float injX1_, injY1_, injX2_, injY2_;
  float pente_ = 0.0f, origine_ = 0.0f;
};

template <typename Sortie>
void Segment(const Reseau& r, Point a, Point b, float l, bool etiquetable, Sortie& sortie) {
  if (!r.Visible(a) || !r.Visible(b)) return;
  TraitIso t{a.x, a.y, b.x, b.y, l};
  Point e{};
  if (etiquetable && r.Etiquette(a, b, e)) {
    t.etiquette = true;
    t.xe = e.x;
    t.ye = e.y;
  }
  sortie(t);
}

// Corners: p (i, j), q (i, j+1), s (i+1, j), u (i+1, j+1).
template <typename Sortie>
void EtapeNiveau(const Reseau& r, const Noeud& p, const Noeud& q, const Noeud& s, const Noeud& u,
                 float l, Sortie& sortie) {
  const bool e1 = Traverse(p.z, q.z, l);
  const bool e2 = Traverse(s.z, u.z, l);
  const bool e3 = Traverse(p.z, s.z, l);
  const bool e4 = Traverse(q.z, u.z, l);
  const int nombre = e1 + e2 + e3 + e4;
  if (nombre == 4) {
    Segment(r, Croisement(p, s, l), Croisement(q, u, l), l, false, sortie);
    Segment(r, Croisement(p, q, l), Croisement(s, u, l), l, false, sortie);
    return;
  }
  if (nombre != 2) return;
  Point a{}, b{};
  if (e1) {
    a = Croisement(p, q, l);
    b = e2 ? Croisement(s, u, l) : e3 ? Croisement(p, s, l) : Croisement(q, u, l);
  } else if (e3) {
    a = Croisement(p, s, l);
    b = e2 ? Croisement(s, u, l) : Croisement(q, u, l);
  } else {
    a = Croisement(s, u, l);
    b = Croisement(q, u, l);
  }
  Segment(r, a, b, l, true, sortie);
}

bool Existe(const PlotModel& m, int n) {
  auto dans = [n](const auto& v) { return n >= 1 && n < static_cast<int>(v.size()); };
  return dans(m.ReseauProgression) && dans(m.NbValeursTable) && dans(m.TableNiveaux) &&
         dans(m.ReseauFormat) && dans(m.InjPlace) && dans(m.InjX1) && dans(m.InjY1) &&
         dans(m.InjX2) && dans(m.InjY2);
}

template <typename Sortie>
void Parcourt(const PlotModel& m, Sortie& sortie) {
  const Grille& g = m.Grille;
  auto variable = [&g](int k) { return k >= 1 && k <= g.NVar(); };
  if (!Existe(m, m.IsoReseau) || !variable(m.IsoVar) || !variable(m.VarX) || !variable(m.VarY)) {
    return;
  }
  const int ni = std::min(m.NI, g.NI());
  const int nj = std::min(m.NJ, g.NJ());
  if (ni < 2 || nj < 2) return;
  const Reseau r(m, m.IsoReseau);
  if (r.Vide()) return;

  // Rows j of the three variables, nodes i contiguous.
  std::vector<const float*> z(nj + 1), x(nj + 1), y(nj + 1);
  for (int j = 1; j <= nj; ++j) {
    z[j] = g.Row(m.IsoVar, j);
    x[j] = g.Row(m.VarX, j);
    y[j] = g.Row(m.VarY, j);
  }
  std::vector<float> choisis;
  std::vector<int> indices;
  for (int i = 1; i < ni; ++i) {
    for (int j = 1; j < nj; ++j) {
      const float zp = z[j][i], zq = z[j + 1][i], zs = z[j][i + 1], zu = z[j + 1][i + 1];
      const float cmax = Max(Max(Max(zp, zq), zs), zu);
      const float cmin = Min(Min(Min(zp, zq), zs), zu);
      if (!r.NiveauxDe(cmin, cmax, choisis, indices)) continue;
      const Noeud p{zp, x[j][i], y[j][i]};
      const Noeud q{zq, x[j + 1][i], y[j + 1][i]};
      const Noeud s{zs, x[j][i + 1], y[j][i + 1]};
      const Noeud u{zu, x[j + 1][i + 1], y[j + 1][i + 1]};
      for (float l : choisis) EtapeNiveau(r, p, q, s, u, l, sortie);
    }
  }
}

}  // namespace

std::vector<TraitIso> TraitsIso(const PlotModel& m) {
  std::vector<TraitIso> traits;
  auto garde = [&traits](const TraitIso& t) { traits.push_back(t); };
  Parcourt(m, garde);
  return traits;
}

void Traceiso(const PlotModel& m, Surface& s) {
  const double xBase = m.XBase, yBase = m.YBase;
  auto dessine = [&](const TraitIso& t) {
    s.Line(LogBase(xBase, t.x1), LogBase(yBase, t.y1), LogBase(xBase, t.x2), LogBase(yBase, t.y2));
    if (t.etiquette) {
      s.SetTextPosition(LogBase(xBase, t.xe), LogBase(yBase, t.ye));
      s.Print(FormatNombre(t.niveau, m.ReseauFormat[m.IsoReseau]));
    }
  };
  Parcourt(m, dessine);
}
