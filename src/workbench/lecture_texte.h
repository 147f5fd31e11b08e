#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "workbench/workbench_state.h"

// Reading a text or data file of numbers into SignalLu.
//
// Format: decimal numbers with a full stop as decimal separator, an optional
// sign and an optional exponent ("E", "e", "D" or "d": "5.E-6"), separated by
// commas, blanks, tabs or line breaks, any number per line. Only numbers
// count: blank lines, empty fields between two commas and a UTF-8 byte order
// mark at the start are not samples. A token that is not a number, a number
// beyond the Single range, a token longer than kLongueurMaxJeton characters
// or more numbers than a Long can count make the load fail. A number too small
// for a Single reads as 0.
//
// The file is read twice, in large blocks: a counting pass (count, smallest
// and largest value), then the storing pass into storage of that exact size.
// The storing pass checks that the file still gives the same count and
// extremes, so a file that disappears, shrinks, grows or changes between the
// passes fails the load instead of leaving a mixture of two files. A failure
// never touches the caller's signal: the result is a new value that the caller
// takes only on success.

inline constexpr const char* kErreurLecture = " Erreur de lecture ";
inline constexpr const char* kTitreLectureTableau = "Lecture Tableau";
inline constexpr size_t kLongueurMaxJeton = 4096;

// The message box of a failed load.
struct ErreurLecture {
  std::string message = kErreurLecture;
  std::string titre = kTitreLectureTableau;
  bool operator==(const ErreurLecture&) const = default;
};

// What the counting pass finds. LuMin and LuMax are the extremes of the
// values; for a constant signal they are equal (the drawing range is made
// non-empty by the caller, see plage.h).
struct CompteTexte {
  int32_t Nreel = 0;
  float LuMin = 0.0f;
  float LuMax = 0.0f;
  bool operator==(const CompteTexte&) const = default;
};

// A loaded signal: SignalLu[1..Nreel] (element 0 unused) and its drawing
// range, already non-empty.
struct SignalTexte {
  std::vector<float> SignalLu;
  int32_t Nreel = 0;
  float LuMin = 0.0f;
  float LuMax = 0.0f;
};

template <class T>
using ResultatLecture = std::variant<T, ErreurLecture>;

// Counting pass over a file or over text in memory. A file or text without
// any number counts Nreel = 0 and succeeds.
ResultatLecture<CompteTexte> CompterFichierTexte(const std::string& chemin);
ResultatLecture<CompteTexte> CompterTexte(std::string_view texte);

// Storing pass: reads exactly compte.Nreel numbers (compte.Nreel >= 1) and
// fails unless the file gives that count and those extremes.
ResultatLecture<SignalTexte> LireFichierTexte(const std::string& chemin, const CompteTexte& compte);

// Both passes. A file without any number fails too: there is nothing to draw.
ResultatLecture<SignalTexte> ChargerFichierTexte(const std::string& chemin);
ResultatLecture<SignalTexte> ChargerTexte(std::string_view texte);

// Takes a loaded signal into the state: SignalLu, Nreel, LuMin, LuMax and
// NomFichier; a text signal has ModeWave false and PasCanal 1.
void InstallerSignalTexte(WorkbenchState& etat, SignalTexte signal, std::string chemin);
