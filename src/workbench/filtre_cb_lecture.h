#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "workbench/filtre_cb_format.h"
#include "workbench/spectre_message.h"
#include "workbench/workbench_state.h"

// Reading a band-cut filter file and applying its bands to the spectrum.

inline constexpr const char* kErreurLectureFiltre = " Erreur de lecture ";
inline constexpr const char* kTitreLectureFiltre = "Lecture";

// Limits beyond which a file is not a filter file: far more bands than any
// user cuts by hand, and lines far longer than two numbers need.
inline constexpr size_t kLignesMaxFiltre = 100000;
inline constexpr size_t kLongueurMaxLigneFiltre = 1000;

// FichierExiste: true when a file (not a folder) of that name can be opened
// for reading; any failure gives false.
bool FichierExiste(const std::string& chemin);

// Every band of the file, in file order. Lines end with CR LF or LF, the
// last one may have no line end, lines of blanks are skipped and a UTF-8
// byte order mark at the start is ignored. Any other line must be a band
// (LireLigneFiltre); a bad line, a file that cannot be opened or read, or
// one beyond the limits gives the message " Erreur de lecture " / "Lecture".
// An empty file has no band.
std::variant<std::vector<Bande>, MessageSpectre> LireFichierFiltre(const std::string& chemin);

// LireFiltre_Click once the file is chosen, dt being the value of Text5:
// the whole file is read first and its bands are cut (CoupeBande) only when
// all of it is good, so a bad file changes nothing. Dt becomes dt. The
// window then hides Line1 and Line2 and runs DessineFFT; after a message it
// leaves the picture as it is.
std::optional<MessageSpectre> LireFiltre(WorkbenchState& etat, const std::string& chemin, float dt);
