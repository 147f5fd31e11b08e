#include "dialogs/calage.h"

#include <utility>

#include "dialogs/calage_nombre.h"
#include "plot/declarations.h"

namespace {

struct Champs {
  int& var;
  std::string& titre;
  float& min;
  float& max;
  float& major;
  float& tic;
  std::string& format;
  bool& log;
  float& base;
  int& baseIndex;
};

Champs De(PlotModel& m, Axe a) {
  if (a == Axe::X) {
    return {m.VarX, m.XTitre,  m.XMin, m.XMax,  m.XMajor,
            m.XTic, m.XFormat, m.XLog, m.XBase, m.XBaseIndex};
  }
  return {m.VarY, m.YTitre,  m.YMin, m.YMax,  m.YMajor,
          m.YTic, m.YFormat, m.YLog, m.YBase, m.YBaseIndex};
}

// The same fields, read only.
struct Valeurs {
  int var;
  const std::string& titre;
  float min, max, major, tic;
  const std::string& format;
  bool log;
  float base;
  int baseIndex;
};

Valeurs Lit(const PlotModel& m, Axe a) {
  if (a == Axe::X) {
    return {m.VarX, m.XTitre,  m.XMin, m.XMax,  m.XMajor,
            m.XTic, m.XFormat, m.XLog, m.XBase, m.XBaseIndex};
  }
  return {m.VarY, m.YTitre,  m.YMin, m.YMax,  m.YMajor,
          m.YTic, m.YFormat, m.YLog, m.YBase, m.YBaseIndex};
}

void CalageLog(PlotModel& m, Axe a) {
  a == Axe::X ? CalageLogX(m) : CalageLogY(m);
}

void CalageLin(PlotModel& m, Axe a) {
  a == Axe::X ? CalageLinX(m) : CalageLinY(m);
}

// The base label's text: "Base" and the base as the list shows it.
std::string TexteBase(float base) {
  return "Base " + TexteDecimal(base);
}

}  // namespace

CadreAxe Rafraichit(const PlotModel& m, Axe a) {
  const Valeurs c = Lit(m, a);
  CadreAxe f;
  f.nomVar = m.VarValide(c.var) && c.var < static_cast<int>(m.NomVar.size()) ? m.NomVar[c.var] : "";
  f.titre = c.titre;
  f.minimum = TexteDecimal(c.min);
  f.maximum = TexteDecimal(c.max);
  f.espacement = TexteDecimal(c.major);
  f.graduations = TexteDecimal(c.tic);
  f.format = c.format;
  f.varMin = TexteDecimal(m.MinDe(c.var));
  f.varMax = TexteDecimal(m.MaxDe(c.var));
  f.bascule = std::string(c.log ? kCalageLogarithme : kCalageLineaire);
  f.baseVisible = c.log;
  f.base = c.log ? TexteBase(c.base) : std::string();
  f.baseIndex = c.baseIndex;
  return f;
}

std::string StockeNombre(PlotModel& m, Axe a, ChampAxe champ, std::string_view texte) {
  Champs c = De(m, a);
  const NombreLu lu = RelitNombre(texte);
  switch (champ) {
    case ChampAxe::Minimum:
      c.min = lu.valeur;
      break;
    case ChampAxe::Maximum:
      c.max = lu.valeur;
      break;
    case ChampAxe::Espacement:
      c.major = lu.valeur;
      break;
    case ChampAxe::Graduations:
      c.tic = lu.valeur;
      break;
  }
  return lu.texte;
}

void StockeTitre(PlotModel& m, Axe a, std::string texte) {
  De(m, a).titre = std::move(texte);
}

void StockeFormat(PlotModel& m, Axe a, std::string texte) {
  De(m, a).format = std::move(texte);
}

bool BasculeAxe(PlotModel& m, Axe a) {
  Champs c = De(m, a);
  if (c.log) {
    c.log = false;
    c.base = 1.0f;
    CalageLin(m, a);
    return true;
  }
  if (!(m.MinDe(c.var) > 0.0f)) return false;
  c.log = true;
  c.base = 2.0f;
  c.baseIndex = 0;
  CalageLog(m, a);
  return true;
}

void ChoisitBase(PlotModel& m, Axe a, int k) {
  Champs c = De(m, a);
  if (!c.log || k < 0 || k >= static_cast<int>(kBasesCalage.size())) return;
  c.baseIndex = k;
  c.base = static_cast<float>(k + 2);
  CalageLog(m, a);
}

bool ChoisitVariableAxe(PlotModel& m, Axe a, int v) {
  Champs c = De(m, a);
  if (v == c.var || !m.VarValide(v) || v >= static_cast<int>(m.NomVar.size())) return false;
  c.var = v;
  c.titre = m.NomVar[v];
  c.min = m.VarMin[v];
  c.max = m.VarMax[v];
  c.tic = 5.0f;
  c.major = static_cast<float>(0.02 * (c.max - c.min));
  c.format = "#.##E+##";
  c.log = false;
  c.base = 1.0f;
  return true;
}
