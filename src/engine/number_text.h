#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the windows read and show them, independent of the user's locale.

// The leading number of a text: blanks skipped, optional sign, digits with a
// full stop as decimal separator, optional exponent ("5.E-6" is 0.000005).
// Reading stops at the first character that cannot continue the number; a
// text without a leading number reads as 0.
double LireNombre(std::string_view text);

// Conversion to Integer (16-bit) and Long (32-bit): nearest integer, halves
// to even (2.5 -> 2, 3.5 -> 4). Out of range (or not finite) throws
// RunError(Overflow).
int16_t VersInteger(double value);
int32_t VersLong(double value);

// The Str form: a leading blank for a value that is not negative, a minus sign
// otherwise, no zero before the point below 1 (" .5"), at most 7 significant
// digits for a Single and 15 for a Double, exponent form for very small or
// large magnitudes (" 1E+20", " 1.5E-07").
std::string StrSingle(float value);
std::string StrDouble(double value);
