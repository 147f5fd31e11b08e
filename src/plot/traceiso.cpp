#include "plot/traceiso.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <span>
#include <tuple>
#include <utility>

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

// Up to this many levels, a node's class is counted level by level over a
// whole row at once; beyond, it is found by bisection node by node.
constexpr int kCompteMax = 64;

// Everything about the network that does not change from cell to cell.
class Reseau {
 public:
  Reseau(const PlotModel& m, int n) {
    const int nb = std::clamp(m.NbValeursTable[n], 0, 25);
    niveaux_ = Niveaux(m.ReseauProgression[n], m.IsoMin, m.IsoMax, m.IsoPas,
                       std::span<const float>(m.TableNiveaux[n].data() + 1, nb));
    // Levels sorted by value (ties in loop order), so that a cell finds the
    // few levels within its range without looking at the others.
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

  int Nombre() const { return static_cast<int>(tri_.size()); }

  // The class of each of `nombre` node values: how many levels lie below
  // it, Nombre() + 1 for NaN. The levels a cell can cross are then those
  // from the smallest class of its corners up to, not including, the
  // largest: a level equal to the cell minimum crosses no edge either.
  void Classes(const float* z, int nombre, int16_t* classes, std::vector<int32_t>& compte) const {
    const int n = Nombre();
    if (n <= kCompteMax) {
      compte.assign(static_cast<size_t>(nombre), 0);
      int32_t* c = compte.data();
      for (const float l : tri_) {
        for (int t = 0; t < nombre; ++t) c[t] += l < z[t] ? 1 : 0;
      }
      for (int t = 0; t < nombre; ++t) {
        classes[t] = static_cast<int16_t>(std::isnan(z[t]) ? n + 1 : c[t]);
      }
      return;
    }
    for (int t = 0; t < nombre; ++t) {
      classes[t] = static_cast<int16_t>(
          std::isnan(z[t]) ? n + 1 : Compte(z[t], [](float l, float v) { return l < v; }));
    }
  }

  // The sorted levels [debut, fin) that a cell with a NaN corner tests: those
  // within its Min/Max range, a NaN extreme rejecting no level on its side.
  std::pair<int, int> PlageNaN(float cmin, float cmax) const {
    const float bas = std::isnan(cmin) ? -std::numeric_limits<float>::infinity() : cmin;
    const float haut = std::isnan(cmax) ? std::numeric_limits<float>::infinity() : cmax;
    return {Compte(bas, [](float l, float v) { return l < v; }),
            Compte(haut, [](float l, float v) { return l <= v; })};
  }

  // f(level) for the sorted levels [debut, fin), in loop order.
  template <typename F>
  void PourChaque(int debut, int fin, std::vector<int>& indices, F&& f) const {
    if (dansLOrdre_) {
      for (int k = debut; k < fin; ++k) f(tri_[k]);
      return;
    }
    indices.assign(ordre_.begin() + debut, ordre_.begin() + fin);
    std::sort(indices.begin(), indices.end());
    for (int k : indices) f(niveaux_[k]);
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
  // How many sorted levels l satisfy avant(l, v): a bisection without
  // branches, since the outcome of each comparison cannot be predicted.
  template <typename Avant>
  int Compte(float v, Avant avant) const {
    if (tri_.empty()) return 0;
    const float* base = tri_.data();
    size_t n = tri_.size();
    while (n > 1) {
      const size_t moitie = n / 2;
      base = avant(base[moitie - 1], v) ? base + moitie : base;
      n -= moitie;
    }
    return static_cast<int>(base - tri_.data()) + (avant(*base, v) ? 1 : 0);
  }

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

// The rows j of the three variables, nodes i contiguous, and the cell
// columns 1..ni-1 to walk.
struct Lignes {
  std::vector<const float*> z, x, y;
  int ni = 0;
  int nj = 0;
};

bool Prepare(const PlotModel& m, Lignes& g) {
  const Grille& grille = m.Grille;
  auto variable = [&grille](int k) { return k >= 1 && k <= grille.NVar(); };
  if (!Existe(m, m.IsoReseau) || !variable(m.IsoVar) || !variable(m.VarX) || !variable(m.VarY)) {
    return false;
  }
  g.ni = std::min(m.NI, grille.NI());
  g.nj = std::min(m.NJ, grille.NJ());
  if (g.ni < 2 || g.nj < 2) return false;
  g.z.resize(g.nj + 1);
  g.x.resize(g.nj + 1);
  g.y.resize(g.nj + 1);
  for (int j = 1; j <= g.nj; ++j) {
    g.z[j] = grille.Row(m.IsoVar, j);
    g.x[j] = grille.Row(m.VarX, j);
    g.y[j] = grille.Row(m.VarY, j);
  }
  return true;
}

// Cell columns per block whose node classes are worked out together.
constexpr int kBloc = 256;

// The cells of columns iDebut..iFin-1, i outer and j inner.
template <typename Sortie>
void Parcourt(const Reseau& r, const Lignes& g, int iDebut, int iFin, Sortie& sortie) {
  const int n = r.Nombre();
  const int nj = g.nj;
  std::vector<int16_t> classes;
  std::vector<int32_t> compte;
  std::vector<int> indices;
  for (int i0 = iDebut; i0 < iFin; i0 += kBloc) {
    const int cellules = std::min(kBloc, iFin - i0);
    const int largeur = cellules + 1;
    classes.resize(static_cast<size_t>(largeur) * nj);
    for (int j = 1; j <= nj; ++j) {
      r.Classes(g.z[j] + i0, largeur, classes.data() + static_cast<size_t>(j - 1) * largeur,
                compte);
    }
    for (int t = 0; t < cellules; ++t) {
      const int i = i0 + t;
      const int16_t* c = classes.data() + t;
      for (int j = 1; j < nj; ++j, c += largeur) {
        const int lo = std::min(std::min(c[0], c[1]), std::min(c[largeur], c[largeur + 1]));
        const int hi = std::max(std::max(c[0], c[1]), std::max(c[largeur], c[largeur + 1]));
        if (lo == hi) continue;
        const Noeud p{g.z[j][i], g.x[j][i], g.y[j][i]};
        const Noeud q{g.z[j + 1][i], g.x[j + 1][i], g.y[j + 1][i]};
        const Noeud s{g.z[j][i + 1], g.x[j][i + 1], g.y[j][i + 1]};
        const Noeud u{g.z[j + 1][i + 1], g.x[j + 1][i + 1], g.y[j + 1][i + 1]};
        int debut = lo, fin = hi;
        if (hi > n) {
          std::tie(debut, fin) =
              r.PlageNaN(Min(Min(Min(p.z, q.z), s.z), u.z), Max(Max(Max(p.z, q.z), s.z), u.z));
        }
        r.PourChaque(debut, fin, indices, [&](float l) { EtapeNiveau(r, p, q, s, u, l, sortie); });
      }
    }
  }
}

// LogBase of one axis with the logarithm of its base taken once: the same
// Single, since LogBase divides by that same Double.
class Monde {
 public:
  explicit Monde(double base) : lineaire_(base == 1.0), lnBase_(std::log(base)) {}
  double operator()(float v) const {
    return lineaire_ ? v : static_cast<float>(std::log(static_cast<double>(v)) / lnBase_);
  }

 private:
  bool lineaire_;
  double lnBase_;
};

// Lines handed to the surface at once, between labels.
constexpr size_t kLot = 16384;

}  // namespace

std::vector<TraitIso> TraitsIso(const PlotModel& m) {
  std::vector<TraitIso> traits;
  Lignes g;
  if (!Prepare(m, g)) return traits;
  const Reseau r(m, m.IsoReseau);
  if (r.Nombre() == 0) return traits;
  auto garde = [&traits](const TraitIso& t) { traits.push_back(t); };
  Parcourt(r, g, 1, g.ni, garde);
  return traits;
}

void Traceiso(const PlotModel& m, Surface& s) {
  Lignes g;
  if (!Prepare(m, g)) return;
  const Reseau r(m, m.IsoReseau);
  if (r.Nombre() == 0) return;
  const Monde x(m.XBase), y(m.YBase);
  const std::string& format = m.ReseauFormat[m.IsoReseau];
  std::vector<WorldLine> lot;
  lot.reserve(kLot);
  auto dessine = [&](const TraitIso& t) {
    lot.push_back({x(t.x1), y(t.y1), x(t.x2), y(t.y2)});
    if (t.etiquette) {
      s.Lines(lot);
      lot.clear();
      s.SetTextPosition(x(t.xe), y(t.ye));
      s.Print(FormatNombre(t.niveau, format));
    } else if (lot.size() == kLot) {
      s.Lines(lot);
      lot.clear();
    }
  };
  Parcourt(r, g, 1, g.ni, dessine);
  s.Lines(lot);
}
