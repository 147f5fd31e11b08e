#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/message_moteur.h"
#include "plot/plot_model.h"

// --contours: one iso-level network drawn over the picture.
//   "v:l1,l2,..."          a table of up to 25 levels
//   "v:a:start,step,end"   arithmetic progression
//   "v:g:start,factor,end" geometric progression
// v is a variable of the grid: its number (1..6) or its name, or the start
// of its name, in any case ("power" is "Power spectrum").
struct Contour {
  std::string variable;
  int progression = 3;               // 1 arithmetic, 2 geometric, 3 table, as in the network table
  std::vector<std::string> nombres;  // the levels, or start, step and end, as typed
};

// The option's text read; the message says what is wrong, including the
// network dialog's refusal of a progression that would never end.
std::variant<Contour, std::string> LireContour(const std::string& texte);

// The variable a contour names among nomVar(1..): 0 when none does or when
// the start of a name fits several.
int VariableContour(const std::vector<std::string>& nomVar, const std::string& variable);

// Each contour becomes the next network of the model, as the network list,
// the network dialog and the table of values make one: "ISO-" and the
// variable's name, the levels typed, labels "#.#E+##", injector not placed.
// The message of the first contour that cannot be a network.
std::optional<MessageMoteur> InstalleContours(PlotModel& m, const std::vector<Contour>& contours);
