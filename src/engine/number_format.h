#pragma once

#include <string>
#include <string_view>

// A value shown with a number-format pattern such as "#.##E+##", "0.00E+00",
// "###.####" or "#######":
// - "0" is a digit place always shown, "#" a digit place shown only when
//   significant, "." the decimal point (shown whenever the pattern has one,
//   even with no digit after it: 2 with "#.##" is "2."). "E+", "E-", "e+" or
//   "e-" followed by digit places switches to scientific notation with one
//   integer digit in the mantissa; the exponent gets its sign always ("E+")
//   or only when negative ("E-"), is padded to its "0" places and has at
//   least one digit. A backslash makes the next character literal, text
//   between double quotes is literal; any other character is copied as it
//   stands.
// - The value is rounded half away from zero (on its shortest decimal form)
//   to the fraction places of the pattern.
// - Integer digits fill the integer places from the right; digits beyond the
//   places go in full into the first place. An empty "0" place shows "0", an
//   empty "#" place nothing: 0 with "#######" is "", 0.5 with "###.####" is
//   ".5". The scientific mantissa always shows its integer digit, so 0 with
//   "#.##E+##" is "0.E+0".
// - Fraction places are shown up to the last "0" place or the last non-zero
//   digit: 6.2 with "###.####" is "6.2", with "#.0#" also "6.2".
// - A negative value gets a leading "-", unless it rounds to zero.
// A pattern that cannot be applied (no digit place and no point before any
// exponent) and a value that is not finite give the Str form of the value.
std::string FormatNombre(double value, std::string_view pattern);
