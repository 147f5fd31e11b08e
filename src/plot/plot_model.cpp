#include "plot/plot_model.h"

#include <algorithm>
#include <utility>

#include "plot/declarations.h"

namespace {

// a when a < b, else b; and its twin. The order of the comparisons matters
// for NaN and signed zeros, so the scan below keeps it.
float PlusPetit(float a, float b) {
  return a < b ? a : b;
}
float PlusGrand(float a, float b) {
  return a > b ? a : b;
}

template <typename T>
void Renouvelle(std::vector<T>& v, size_t n) {
  v.assign(n, T{});
}

}  // namespace

void Initialise(PlotModel& m) {
  m.NVar = std::max(m.Grille.NVar(), 0);
  m.NI = std::max(m.Grille.NI(), 0);
  m.NJ = std::max(m.Grille.NJ(), 0);
  const size_t n = static_cast<size_t>(m.NVar) + 1;
  Renouvelle(m.VarMin, n);
  Renouvelle(m.VarMax, n);
  Renouvelle(m.NomReseau, n);
  Renouvelle(m.ReseauVar, n);
  Renouvelle(m.ReseauMax, n);
  Renouvelle(m.ReseauMin, n);
  Renouvelle(m.ReseauPas, n);
  Renouvelle(m.ReseauProgression, n);
  Renouvelle(m.ReseauFormat, n);
  Renouvelle(m.InjPlace, n);
  Renouvelle(m.InjX1, n);
  Renouvelle(m.InjY1, n);
  Renouvelle(m.InjX2, n);
  Renouvelle(m.InjY2, n);
  Renouvelle(m.NbValeursTable, n);
  Renouvelle(m.TableNiveaux, n);
  m.NomVar.resize(n);

  m.VarX = 1;
  m.VarY = 2;
  m.NbReseaux = 0;

  // Each variable on its own, nodes i outer and j inner.
  for (int k = 1; k <= m.NVar; ++k) {
    float& lo = m.VarMin[k];
    float& hi = m.VarMax[k];
    for (int i = 1; i <= m.NI; ++i) {
      for (int j = 1; j <= m.NJ; ++j) {
        const float v = m.Grille(k, i, j);
        if (i == 1 && j == 1) {
          lo = v;
          hi = v;
        } else {
          lo = PlusPetit(v, lo);
          hi = PlusGrand(v, hi);
        }
      }
    }
  }

  m.XMin = m.MinDe(m.VarX);
  m.XMax = m.MaxDe(m.VarX);
  m.YMin = m.MinDe(m.VarY);
  m.YMax = m.MaxDe(m.VarY);
  m.ZoomX1 = m.XMin;
  m.ZoomX2 = m.XMax;
  m.ZoomY1 = m.YMin;
  m.ZoomY2 = m.YMax;
  m.XMajor = static_cast<float>(0.02 * (m.XMax - m.XMin));
  m.XTic = 5.0f;
  m.YMajor = static_cast<float>(0.02 * (m.YMax - m.YMin));
  m.YTic = 5.0f;
  m.XFormat = "#.##E+##";
  m.YFormat = "#.##E+##";
  for (int k = 1; k <= m.NVar; ++k) {
    m.NomReseau[k] = m.NomVar[k];
    m.InjPlace[k] = 0;
  }
  m.XTitre = m.VarValide(m.VarX) ? m.NomVar[m.VarX] : std::string();
  m.YTitre = m.VarValide(m.VarY) ? m.NomVar[m.VarY] : std::string();
  m.TitreLabo = "L U V R A";
  m.TitreReseau = "Donnez un titre au réseau ...";
}

void ChargeGrille(PlotModel& m, ::Grille grille, std::vector<std::string> nomVar) {
  m.Grille = std::move(grille);
  m.NomVar = std::move(nomVar);
  m.VarCouleur = 0;
  m.ModeZoom = 0;
  m.ModeDoc = 0;
  m.XLog = false;
  m.YLog = false;
  m.XBase = 1.0f;
  m.YBase = 1.0f;
  m.LegendeVisible = false;
  Initialise(m);
  if (m.MinDe(m.VarY) > 0.0f) {
    m.YLog = true;
    m.YBase = 2.0f;
    m.YBaseIndex = 0;
    CalageLogY(m);
  }
  m.VarCouleur = 4;
}

void Normal(PlotModel& m) {
  if (m.XLog) {
    CalageLogX(m);
  } else {
    m.XMin = m.MinDe(m.VarX);
    m.XMax = m.MaxDe(m.VarX);
    m.XTic = 5.0f;
    m.XMajor = static_cast<float>(0.02 * (m.XMax - m.XMin));
  }
  if (m.YLog) {
    CalageLogY(m);
  } else {
    m.YMin = m.MinDe(m.VarY);
    m.YMax = m.MaxDe(m.VarY);
    m.YTic = 5.0f;
    m.YMajor = static_cast<float>(0.02 * (m.YMax - m.YMin));
  }
}

bool Isometrique(PlotModel& m) {
  if (m.XLog || m.YLog) return false;
  if (m.DX > m.DY) {
    const float d = m.DX - m.DY;
    m.YMin = m.YMin - d / 2;
    m.YMax = m.YMax + d / 2;
    m.YTic = 5.0f;
    m.DY = m.YMax - m.YMin;
    m.YMajor = 2 * m.DY / 100;
  } else {
    const float d = m.DY - m.DX;
    m.XMin = m.XMin - d / 2;
    m.XMax = m.XMax + d / 2;
    m.XTic = 5.0f;
    m.DX = m.XMax - m.XMin;
    m.XMajor = 2 * m.DX / 100;
  }
  return true;
}

std::optional<Couleur> CouleurReseau(int n) {
  switch (n) {
    case 1:
      return RGB(255, 0, 0);
    case 2:
      return RGB(0, 255, 0);
    case 3:
      return RGB(0, 0, 255);
    case 4:
      return RGB(0, 0, 0);
    case 5:
      return RGB(255, 255, 0);
    case 6:
      return RGB(255, 0, 255);
    case 7:
      return RGB(0, 255, 255);
    default:
      return std::nullopt;
  }
}

void couleur(int n, Surface& s) {
  if (auto c = CouleurReseau(n)) s.SetForeColor(*c);
}
