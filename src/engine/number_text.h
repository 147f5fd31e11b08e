#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the windows read and show them, independent of the user's locale.

// The leading number of a text: blanks (spaces, tabs) skipped, optional sign,
// digits with a full stop as decimal separator, optional exponent "E", "e",
// "D" or "d" with an optional sign and at least one digit ("5.E-6" is
// 0.000005). Reading stops at the first character that cannot continue the
// number; a text without a leading number reads as 0. A magnitude too large
// for a Double reads as an infinity of its sign (so converting it reports
// Overflow), one too small as 0.
double LireNombre(std::string_view text);

// A text that is exactly one such number, with no blank around it, read
// directly as a Single (correctly rounded), as a file of numbers holds them.
// Empty when the text is anything else or the magnitude is beyond the Single
// range; a magnitude too small for a Single reads as 0.
std::optional<float> LireSingle(std::string_view text);

// Conversion to Integer (16-bit) and Long (32-bit): nearest integer, halves
// to even (2.5 -> 2, 3.5 -> 4). Out of range (or not finite) throws
// RunError(Overflow).
int16_t VersInteger(double value);
int32_t VersLong(double value);

// The Str form: a leading blank for a value that is not negative, a minus sign
// otherwise, no zero before the point below 1 (" .5", "-.25"), at most 7
// significant digits for a Single and 15 for a Double, rounded, trailing
// zeros removed. The exponent form ("E", the exponent's sign, at least two
// digits: " 1E+20", " 1.5E-07", " 1.234568E+07") is used when the decimal
// exponent of the rounded value is below -4 or at least the number of
// digits: for a Single 1234567 shows " 1234567" and 12345678
// " 1.234568E+07"; 0.0001 shows " .0001" and 0.00001 " 1E-05". Zero (of
// either sign) shows " 0"; infinities " Inf" and "-Inf", NaN " NaN".
std::string StrSingle(float value);
std::string StrDouble(double value);
