#pragma once

#include <array>
#include <string>
#include <string_view>

#include "plot/plot_model.h"

// The calibration dialog's operations on the axis fields of the plot model.
// Numbers are stored as typed, without any range or ordering check: the plot
// copes with inconsistent ranges.

inline constexpr std::string_view kTitreCalage = "Calage";
inline constexpr std::string_view kEnteteCalage = "Fenetre de tracé  (attention validité)";
inline constexpr std::string_view kCalageLineaire = "Linéaire";
inline constexpr std::string_view kCalageLogarithme = "Logarithme";

// The bases of the drop-down list, in order; entry k is base k + 2.
inline constexpr std::array<std::string_view, 11> kBasesCalage = {"2", "3", "4",  "5",  "6", "7",
                                                                  "8", "9", "10", "11", "12"};

enum class Axe { X, Y };

// What one frame of the dialog shows (X: Label2, Text1..Text6, Label8,
// Label9, Command3, Label24, Combo1; Y: Label23, Text12..Text7, Label17,
// Label16, Command5, Label25, Combo2).
struct CadreAxe {
  std::string nomVar;
  std::string titre;
  std::string minimum;
  std::string maximum;
  std::string espacement;   // "Tic : ", the tick spacing XMajor / YMajor
  std::string graduations;  // "Major : ", ticks per labelled tick XTic / YTic
  std::string format;
  std::string varMin;  // beside "pour"
  std::string varMax;
  std::string bascule;  // the caption of the linear / logarithmic toggle
  bool baseVisible = false;
  std::string base;  // "Base 2"; empty on a linear axis
  int baseIndex = 0;

  bool operator==(const CadreAxe&) const = default;
};

CadreAxe Rafraichit(const PlotModel& m, Axe a);

enum class ChampAxe { Minimum, Maximum, Espacement, Graduations };

// The field loses the focus: the number read from the text is stored; the
// text the field is rewritten with is returned.
std::string StockeNombre(PlotModel& m, Axe a, ChampAxe champ, std::string_view texte);
void StockeTitre(PlotModel& m, Axe a, std::string texte);
void StockeFormat(PlotModel& m, Axe a, std::string texte);

// Linear to logarithmic in base 2 (only when the axis variable is strictly
// positive; otherwise nothing happens), or back to linear with the
// variable's full range. True when the axis changed.
bool BasculeAxe(PlotModel& m, Axe a);

// Entry k of kBasesCalage for a logarithmic axis; nothing on a linear axis
// or for a position outside the list.
void ChoisitBase(PlotModel& m, Axe a, int k);

// The axis takes variable v (1..NVar) with its full range, default ticks and
// format, and becomes linear; the zoom corners stay. Nothing happens when it
// already shows v or v does not exist. True when the axis changed.
bool ChoisitVariableAxe(PlotModel& m, Axe a, int v);
