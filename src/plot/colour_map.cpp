#include "plot/colour_map.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

#include "engine/number_text.h"
#include "plot/declarations.h"
#include "plot/documentation.h"

float MoyenneCellule(const Grille& g, int v, int i, int j) {
  return (g(v, i, j) + g(v, i, j + 1) + g(v, i + 1, j) + g(v, i + 1, j + 1)) / 4;
}

int NiveauCellule(float mean, float vmin, float vmax, int nbCouleurs) {
  if (vmax == vmin) return 1;
  const int top = std::clamp(nbCouleurs, 1, kNiveauxMax);
  double v =
      (static_cast<double>(mean) - vmin) * (nbCouleurs - 1) / (static_cast<double>(vmax) - vmin) +
      1;
  if (!(v >= 1.0)) v = 1.0;
  if (v > top) v = top;
  return VersInteger(v);
}

namespace {

// What one call paints: the variables, the part of the grid that exists and
// the visible window in data units.
struct Carte {
  const Grille* g = nullptr;
  int v = 0, vx = 0, vy = 0;
  int ni = 0, nj = 0;
  float xlo = 0, xhi = 0, ylo = 0, yhi = 0;
  float xbase = 1, ybase = 1;
  float vmin = 0, vmax = 0;
  int nb = 0;

  bool VisibleX(float x) const { return xlo <= x && x <= xhi; }
  bool VisibleY(float y) const { return ylo <= y && y <= yhi; }
  int Niveau(int i, int j) const {
    return NiveauCellule(MoyenneCellule(*g, v, i, j), vmin, vmax, nb);
  }
};

// Cancels the mouse modes, sets the pen for solid boxes and tells whether
// there is anything to paint (variables present in the grid, at least one
// cell).
bool Prepare(PlotModel& m, const ColourScale& scale, Surface& plot, Carte& c) {
  m.ModeZoom = 0;
  m.ModeDoc = 0;
  plot.SetDrawStyle(LineStyle::Solid);
  plot.SetDrawWidth(1);
  plot.SetDrawMode(DrawMode::Copy);

  const Grille& g = m.Grille;
  auto present = [&](int k) { return m.VarValide(k) && k <= g.NVar(); };
  if (!present(m.VarCouleur) || !present(m.VarX) || !present(m.VarY)) return false;
  c.g = &g;
  c.v = m.VarCouleur;
  c.vx = m.VarX;
  c.vy = m.VarY;
  c.ni = std::min(m.NI, g.NI());
  c.nj = std::min(m.NJ, g.NJ());
  c.xbase = m.XBase;
  c.ybase = m.YBase;
  c.xlo = PuisBase(m.XBase, m.XMin);
  c.xhi = PuisBase(m.XBase, m.XMax);
  c.ylo = PuisBase(m.YBase, m.YMin);
  c.yhi = PuisBase(m.YBase, m.YMax);
  c.vmin = m.MinDe(c.v);
  c.vmax = m.MaxDe(c.v);
  c.nb = scale.NbCouleurs;
  return c.ni >= 2 && c.nj >= 2;
}

void Legende(const PlotModel& m, const ColourScale& scale, Surface* legend) {
  if (legend) Slegende(m, scale, *legend);
}

// Calls paint(i, j, x1, y1, x2, y2) in world units for every visible cell, in
// painting order.
template <typename Paint>
void PourChaqueCelluleVisible(const Carte& c, Paint&& paint) {
  const Grille& g = *c.g;
  for (int j = 1; j <= c.nj - 1; ++j) {
    for (int i = 1; i <= c.ni - 1; ++i) {
      const float x1 = g(c.vx, i, j), y1 = g(c.vy, i, j);
      const float x2 = g(c.vx, i + 1, j + 1), y2 = g(c.vy, i + 1, j + 1);
      if (c.VisibleX(x1) && c.VisibleX(x2) && c.VisibleY(y1) && c.VisibleY(y2)) {
        paint(i, j, LogBase(c.xbase, x1), LogBase(c.ybase, y1), LogBase(c.xbase, x2),
              LogBase(c.ybase, y2));
      }
    }
  }
}

uint32_t Mot(Couleur c) {
  return 0xFF000000u | (static_cast<uint32_t>(RougeDe(c)) << 16) |
         (static_cast<uint32_t>(VertDe(c)) << 8) | static_cast<uint32_t>(BleuDe(c));
}

// The raster word of every level, built once per call.
std::array<uint32_t, kNiveauxMax + 1> TableMots(const ColourScale& scale) {
  std::array<uint32_t, kNiveauxMax + 1> t{};
  for (int k = 1; k <= kNiveauxMax; ++k) t[k] = Mot(scale.Niveau(k));
  return t;
}

// X depends on i only and Y on j only (bit for bit), as in the grids of an
// analysis run: then a cell covers the columns of its i and the rows of its j.
bool Separable(const Carte& c) {
  const Grille& g = *c.g;
  const float* x1 = g.Row(c.vx, 1) + 1;
  for (int j = 2; j <= c.nj; ++j) {
    if (std::memcmp(g.Row(c.vx, j) + 1, x1, sizeof(float) * c.ni) != 0) return false;
  }
  for (int j = 1; j <= c.nj; ++j) {
    const float* row = g.Row(c.vy, j);
    uint32_t first;
    std::memcpy(&first, row + 1, sizeof first);
    for (int i = 2; i <= c.ni; ++i) {
      uint32_t w;
      std::memcpy(&w, row + i, sizeof w);
      if (w != first) return false;
    }
  }
  return true;
}

struct Intervalle {
  int lo = 0;
  int hi = -1;
};

// For every pixel index 0..n-1, the highest cell index whose interval covers
// it (the cell painted last there), 0 where no cell does. Cells are visited
// from the last, and every pixel is claimed once, skipping claimed runs.
std::vector<int> DerniereCellule(const std::vector<Intervalle>& cells, int n) {
  std::vector<int> last(n, 0);
  std::vector<int> next(n + 1);
  std::iota(next.begin(), next.end(), 0);
  auto libre = [&](int p) {
    while (next[p] != p) {
      next[p] = next[next[p]];
      p = next[p];
    }
    return p;
  };
  for (int k = static_cast<int>(cells.size()) - 1; k >= 1; --k) {
    const Intervalle r = cells[k];
    for (int p = libre(r.lo); p <= r.hi; p = libre(p + 1)) {
      last[p] = k;
      next[p] = p + 1;
    }
  }
  return last;
}

void PeintSeparable(const Carte& c, const WorldScale& s, const PixelBuffer& pb,
                    const std::array<uint32_t, kNiveauxMax + 1>& mots) {
  const Grille& g = *c.g;
  const float* xs = g.Row(c.vx, 1);
  std::vector<Intervalle> colonnes(c.ni);  // cell i = 1..ni-1
  for (int i = 1; i <= c.ni - 1; ++i) {
    if (!c.VisibleX(xs[i]) || !c.VisibleX(xs[i + 1])) continue;
    const PixelRect r =
        BoxPixels(s, LogBase(c.xbase, xs[i]), s.top, LogBase(c.xbase, xs[i + 1]), s.top);
    if (!r.empty()) colonnes[i] = {r.left, r.right};
  }
  std::vector<Intervalle> lignes(c.nj);  // cell j = 1..nj-1
  for (int j = 1; j <= c.nj - 1; ++j) {
    const float y1 = g(c.vy, 1, j), y2 = g(c.vy, 1, j + 1);
    if (!c.VisibleY(y1) || !c.VisibleY(y2)) continue;
    const PixelRect r = BoxPixels(s, s.left, LogBase(c.ybase, y1), s.left, LogBase(c.ybase, y2));
    if (!r.empty()) lignes[j] = {r.top, r.bottom};
  }
  const std::vector<int> celluleI = DerniereCellule(colonnes, pb.width);
  const std::vector<int> celluleJ = DerniereCellule(lignes, pb.height);

  // Runs of covered columns, and one row of colours per cell row j.
  std::vector<Intervalle> plages;
  for (int x = 0; x < pb.width; ++x) {
    if (celluleI[x] == 0) continue;
    if (!plages.empty() && plages.back().hi == x - 1) {
      plages.back().hi = x;
    } else {
      plages.push_back({x, x});
    }
  }
  std::vector<uint32_t> ligne(pb.width);
  int jLigne = 0;
  for (int y = 0; y < pb.height; ++y) {
    const int j = celluleJ[y];
    if (j == 0) continue;
    if (j != jLigne) {
      int iPrecedent = 0;
      uint32_t mot = 0;
      for (const Intervalle& p : plages) {
        for (int x = p.lo; x <= p.hi; ++x) {
          if (celluleI[x] != iPrecedent) {
            iPrecedent = celluleI[x];
            mot = mots[c.Niveau(iPrecedent, j)];
          }
          ligne[x] = mot;
        }
      }
      jLigne = j;
    }
    uint32_t* dest = pb.bits + static_cast<size_t>(y) * pb.stride;
    for (const Intervalle& p : plages) {
      std::memcpy(dest + p.lo, ligne.data() + p.lo, sizeof(uint32_t) * (p.hi - p.lo + 1));
    }
  }
}

void PeintCellules(const Carte& c, const WorldScale& s, const PixelBuffer& pb,
                   const std::array<uint32_t, kNiveauxMax + 1>& mots) {
  PourChaqueCelluleVisible(c, [&](int i, int j, double x1, double y1, double x2, double y2) {
    const PixelRect r = BoxPixels(s, x1, y1, x2, y2);
    if (r.empty()) return;
    const uint32_t mot = mots[c.Niveau(i, j)];
    for (int y = r.top; y <= r.bottom; ++y) {
      uint32_t* row = pb.bits + static_cast<size_t>(y) * pb.stride;
      std::fill(row + r.left, row + r.right + 1, mot);
    }
  });
}

void PeintParBoites(const Carte& c, const ColourScale& scale, Surface& plot) {
  PourChaqueCelluleVisible(c, [&](int i, int j, double x1, double y1, double x2, double y2) {
    plot.FilledBox(x1, y1, x2, y2, scale.Niveau(c.Niveau(i, j)));
  });
}

}  // namespace

void ColorierParBoites(PlotModel& m, const ColourScale& scale, Surface& plot, Surface* legend) {
  Carte c;
  if (Prepare(m, scale, plot, c)) PeintParBoites(c, scale, plot);
  Legende(m, scale, legend);
}

void Colorier(PlotModel& m, const ColourScale& scale, Surface& plot, Surface* legend) {
  Carte c;
  if (Prepare(m, scale, plot, c)) {
    const WorldScale s = plot.Scale();
    PixelBuffer pb;
    if (!plot.Pixels(pb) || pb.bits == nullptr || pb.width != s.pixelWidth ||
        pb.height != s.pixelHeight) {
      PeintParBoites(c, scale, plot);
    } else if (Separable(c)) {
      PeintSeparable(c, s, pb, TableMots(scale));
    } else {
      PeintCellules(c, s, pb, TableMots(scale));
    }
  }
  Legende(m, scale, legend);
}
