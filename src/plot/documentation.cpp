#include "plot/documentation.h"

#include <string>
#include <string_view>
#include <vector>

#include "engine/number_format.h"
#include "engine/number_text.h"
#include "plot/axis_ticks.h"

namespace {

void PrintAt(Surface& s, double x, double y, std::string_view text) {
  s.SetTextPosition(x, y);
  s.Print(text);
}

// The characters of a UTF-8 text, one string each (a title such as
// "Fréquencies" is printed one character per line).
std::vector<std::string_view> Caracteres(std::string_view text) {
  std::vector<std::string_view> chars;
  size_t i = 0;
  while (i < text.size()) {
    size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    chars.push_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

// A title standing vertically at x, one character per line from the top,
// centred on the middle of the Y range.
void PrintVertical(Surface& s, const PlotModel& m, double x, std::string_view text) {
  const double h = s.TextHeight(text);
  const std::vector<std::string_view> chars = Caracteres(text);
  const double n = static_cast<double>(chars.size());
  const double middle = static_cast<double>(m.YMin) + static_cast<double>(m.DY) / 2;
  for (size_t q = 1; q <= chars.size(); ++q) {
    PrintAt(s, x, middle - n * h / 2 + static_cast<double>(q) * h, chars[q - 1]);
  }
}

}  // namespace

void TraceDocMollier(PlotModel& m, Surface& s) {
  const double xmin = m.XMin, xmax = m.XMax, ymin = m.YMin, ymax = m.YMax;
  const double dx = m.DX, dy = m.DY;
  s.SetForeColor(RGB(0, 0, 0));
  s.SetDrawWidth(1);
  s.SetDrawStyle(LineStyle::Solid);
  s.Box(xmin, ymin, xmax, ymax);

  const AxisTicks tx = TicksX(m);
  for (double k : tx.steps) s.Line(k, ymin, k, ymin + dy / 150);
  for (double p : tx.minor) s.Line(p, ymin, p, ymin + dy / 150);
  if (!tx.labelled.empty()) s.SetFont(5, false);
  for (const LabelledTick& t : tx.labelled) {
    s.Line(t.position, ymin, t.position, ymin + dy / 50);
    const double w = s.TextWidth(t.label);
    PrintAt(s, t.position - w / 2, ymin - dy / 40, t.label);
  }
  s.SetFont(10, true);
  PrintAt(s, xmin + dx / 2 - s.TextWidth(m.XTitre) / 2, ymin - dy / 15, m.XTitre);

  const AxisTicks ty = TicksY(m);
  for (double p : ty.minor) s.Line(xmin, p, xmin + dx / 150, p);
  if (!ty.labelled.empty()) s.SetFont(5, false);
  for (const LabelledTick& t : ty.labelled) {
    s.Line(xmin, t.position, xmin + dx / 50, t.position);
    const double w = s.TextWidth(t.label);
    const double h = s.TextHeight(t.label);
    PrintAt(s, xmin - 1.1 * w, t.position - h / 2, t.label);
  }
  s.SetFont(10, true);
  PrintVertical(s, m, xmin - dx / 9, m.YTitre);

  if (m.VarCouleur != 0) {
    const bool connu = m.VarCouleur >= 1 && m.VarCouleur < static_cast<int>(m.NomReseau.size());
    m.TitreReseau = "Color Map of " + (connu ? m.NomReseau[m.VarCouleur] : std::string());
  } else {
    m.TitreReseau = "Réseau(x) d'iso-niveaux";
  }
  s.SetFont(15, true);
  PrintAt(s, xmin + dx / 2 - s.TextWidth(m.TitreReseau) / 2, ymax + 7 * dy / 85, m.TitreReseau);

  s.SetFont(8, true);
  PrintVertical(s, m, xmax + dx / 20, m.TitreLabo);
}

int NiveauLegende(int k, int nbCouleurs) {
  double v = (k - 1) * (nbCouleurs - 1) / 19.0 + 1;
  if (!(v >= 1.0)) v = 1.0;
  if (v > kNiveauxMax) v = kNiveauxMax;
  return VersInteger(v);
}

void Slegende(const PlotModel& m, const ColourScale& scale, Surface& legend) {
  legend.Clear();
  legend.SetScale(0, 100, 20, -100);
  const double lo = m.MinDe(m.VarCouleur);
  const double hi = m.MaxDe(m.VarCouleur);
  legend.SetFont(4, false);
  for (int k = 1; k <= 20; ++k) {
    const double y1 = 5.0 * (k - 1), y2 = 5.0 * k;
    legend.FilledBox(0.5, y1, 4, y2, scale.Niveau(NiveauLegende(k, scale.NbCouleurs)));
    const double value = lo + (k - 1) * (hi - lo) / 19;
    PrintAt(legend, 4.3, y2, FormatNombre(value, "0.00E+00"));
  }
}

PositionLegende DeplacementLegende(double x, double y, double legSourisX, double legSourisY,
                                   double legLeft, double legTop, double dx, double dy) {
  const double sw = 20, sh = -100;
  const double fw = 1.35 * dx, fh = -1.35 * dy;
  const double ddx = (x - legSourisX) / sw * fw / sw;
  const double ddy = (y - legSourisY) / sh * fh / sh;
  return {legLeft + ddx, legTop - ddy};
}

void SaisitLegende(PlotModel& m, double x, double y) {
  m.LegSourisX = static_cast<float>(x);
  m.LegSourisY = static_cast<float>(y);
  m.LegLeft = m.LegendeLeft;
  m.LegTop = m.LegendeTop;
}

void DeplaceLegende(PlotModel& m, double x, double y) {
  const PositionLegende p =
      DeplacementLegende(x, y, m.LegSourisX, m.LegSourisY, m.LegLeft, m.LegTop, m.DX, m.DY);
  m.LegendeLeft = static_cast<float>(p.left);
  m.LegendeTop = static_cast<float>(p.top);
  m.LegLeft = m.LegendeLeft;
  m.LegTop = m.LegendeTop;
}
