#pragma once

#include <string>
#include <string_view>

// Numbers in the fields of the settings dialogs: plain decimal form with a
// full stop whatever the locale, the fewest digits that read back as the
// same Single ("0.5", "-2.25", "1000", "0.0001"), so that showing a value and
// reading it back never changes it. Infinities and NaN, which no field can
// read back, show as "inf", "-inf" and "nan".
std::string TexteDecimal(float value);

// A numeric field as it loses the focus: the leading number of its text as
// a Single (0 when there is none), and the text it is rewritten with.
struct NombreLu {
  float valeur;
  std::string texte;
};
NombreLu RelitNombre(std::string_view texte);
