#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "engine/run_error.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Nearest integer, halves to even, whatever the floating-point rounding mode.
// std::round is exact (halves away from zero); r - v is exact too.
double RoundHalfEven(double v) {
  double r = std::round(v);
  if (std::fabs(r - v) == 0.5) r = 2.0 * std::round(v / 2.0);
  return r;
}

template <typename Int>
Int ToInteger(double value, const char* type_name) {
  if (!std::isfinite(value)) {
    throw RunError(RunErrorKind::Overflow, std::string("overflow converting to ") + type_name);
  }
  double r = RoundHalfEven(value);
  if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
      r > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw RunError(RunErrorKind::Overflow, std::string("overflow converting to ") + type_name);
  }
  return static_cast<Int>(r);
}

// The %G conversion with `digits` significant digits (exponent form when the
// decimal exponent is below -4 or at least `digits`, trailing zeros removed),
// then the zero before the point dropped and the sign position filled.
std::string StrForm(double value, int digits) {
  if (std::isnan(value)) return " NaN";
  if (std::isinf(value)) return value > 0 ? " Inf" : "-Inf";
  if (value == 0.0) return " 0";
  char buf[64];
  auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::general, digits);
  std::string text(buf, res.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  text.insert(text.begin(), value < 0 ? '-' : ' ');
  return text;
}

}  // namespace

double LireNombre(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Mantissa: digits, point, digits. Keep the decimal exponent of its first
  // non-zero digit, which tells overflow from underflow below.
  const size_t start = i;
  size_t digits = 0;
  long int_significant = 0;  // integer digits from the first non-zero one
  long frac_zeros = 0;       // zeros after the point before any non-zero digit
  bool seen_nonzero = false;
  bool after_point = false;
  for (; i < n; ++i) {
    char c = text[i];
    if (c == '.' && !after_point) {
      after_point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    ++digits;
    if (c != '0') seen_nonzero = true;
    if (!after_point && seen_nonzero) ++int_significant;
    if (after_point && !seen_nonzero) ++frac_zeros;
  }
  if (digits == 0) return 0.0;
  if (!seen_nonzero) return negative ? -0.0 : 0.0;
  const long lead = int_significant > 0 ? int_significant - 1 : -(frac_zeros + 1);
  const size_t mantissa_end = i;
  // Exponent: a letter, an optional sign and at least one digit, or nothing.
  size_t end = mantissa_end;
  long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    bool exp_negative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) exp_negative = text[j++] == '-';
    if (j < n && IsDigit(text[j])) {
      for (; j < n && IsDigit(text[j]); ++j) {
        if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exp_negative) exponent = -exponent;
      end = j;
    }
  }

  std::string copy;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  if (end > mantissa_end && (text[mantissa_end] == 'D' || text[mantissa_end] == 'd')) {
    copy.assign(first, last);
    copy[mantissa_end - start] = 'e';
    first = copy.data();
    last = copy.data() + copy.size();
  }
  double value = 0.0;
  auto res = std::from_chars(first, last, value, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large reads as infinity (a conversion then reports Overflow), too
    // small as zero.
    value = lead + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

int16_t VersInteger(double value) {
  return ToInteger<int16_t>(value, "Integer");
}

int32_t VersLong(double value) {
  return ToInteger<int32_t>(value, "Long");
}

std::string StrSingle(float value) {
  return StrForm(value, 7);
}

std::string StrDouble(double value) {
  return StrForm(value, 15);
}
