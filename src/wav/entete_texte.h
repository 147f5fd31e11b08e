#pragma once

#include <array>
#include <string>

#include "wav/caract_wave.h"

// The header read-out of the header dialog, one line per label (Label1 to
// Label16, element 0 is Label1): a fixed text followed directly by the
// value, numbers in the Str form, the 4-character ids byte for byte (every
// fixed text is ASCII, so a line reads as Latin-1 whatever bytes an id holds).
std::array<std::string, 16> LignesEntete(const FichierWave& fichier);
