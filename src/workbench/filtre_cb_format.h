#pragma once

#include <optional>
#include <string>
#include <string_view>

// The lines of a band-cut filter file (".fcb"): one band per line, in the
// order the bands were cut, the lower end then the upper end, both base-2
// logarithms of a frequency in Hz, so that one file applies to any signal,
// sampling interval and transform length. The band from 64 Hz to 128 Hz is
// the line " 6  7 ".

struct Bande {
  float F1 = 0.0f;
  float F2 = 0.0f;
  bool operator==(const Bande&) const = default;
};

// The line written for a band: each number in the Str form followed by one
// blank, then CR LF.
std::string LigneFiltre(float f1, float f2);

// A band end must be a finite number within +-kLog2FrequenceMax: beyond it
// lies no frequency that a spectrum of Single samples can show (from about
// 2^-158 Hz, the step of the longest transform at the largest interval, to
// about 2^148 Hz, half the rate at the smallest interval). Bands within it
// that miss the current spectrum are valid and simply cut nothing, since a
// file is meant for any signal.
inline constexpr float kLog2FrequenceMax = 160.0f;

// One line, without its line end: two numbers (optional sign, digits with a
// full stop as decimal separator, optional exponent "E", "e", "D" or "d"),
// separated by blanks (spaces, tabs, CR) or by one comma with or without
// blanks around it; blanks may lead and trail, so both the single-blank
// layout and the print-zone layout are read. Empty when the line is anything
// else, when an end is beyond the Single range or +-kLog2FrequenceMax, or
// when the upper end is below the lower one.
std::optional<Bande> LireLigneFiltre(std::string_view ligne);

// A line of blanks only, which a reader skips.
bool LigneVide(std::string_view ligne);
