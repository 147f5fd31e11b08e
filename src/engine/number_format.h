#pragma once

#include <string>
#include <string_view>

// A value shown with a number-format pattern such as "#.##E+##", "0.00E+00",
// "###.####" or "#######": "0" a digit always shown, "#" a digit shown only
// when significant, "." the decimal point, "E+"/"E-" followed by digit places
// for scientific notation; any other character is copied as it stands. A
// pattern that cannot be applied gives the Str form of the value.
std::string FormatNombre(double value, std::string_view pattern);
