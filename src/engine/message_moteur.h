#pragma once

#include <string>

#include "platform/services.h"

// A message that an engine command asks its window to show (OK button
// only), in the order the command raised it.
struct MessageMoteur {
  std::string texte;
  std::string titre;
  Icone icone = Icone::Aucune;

  bool operator==(const MessageMoteur&) const = default;
};

inline constexpr const char* kTitreArret = "ARRET";
// The transform was called with a padded length shorter than the signal.
inline constexpr const char* kMessageNpad =
    "**WAVELET: 'npad' must be greater than or equal to 'n' ";
// A run-time error inside the transform.
inline constexpr const char* kMessageCapacite = "Erreur probable: dépassement de capacité";
// A run-time error inside the analysis run.
inline constexpr const char* kMessageErreurAnalyse = "ERREUR ! ";
