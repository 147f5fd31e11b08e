#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
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

// Where the number that starts at position i of a text lies: optional sign,
// digits with at most one point, then an exponent (letter, optional sign, at
// least one digit) when one follows.
struct Scan {
  size_t start = 0;                        // first mantissa character, after the sign
  size_t end = 0;                          // one past the number
  size_t letter = std::string_view::npos;  // exponent letter, when there is one
  bool negative = false;
  bool found = false;  // at least one mantissa digit
  bool zero = true;    // every mantissa digit is 0
  // Decimal exponent of the leading non-zero digit plus the exponent: it
  // tells overflow (> 0) from underflow when the value is out of range.
  long magnitude = 0;
};

Scan ScanNumber(std::string_view text, size_t i) {
  Scan s;
  const size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    s.negative = text[i] == '-';
    ++i;
  }
  s.start = i;
  // Integer digits, the leading zeros first.
  while (i < n && text[i] == '0') ++i;
  const size_t first_significant = i;
  while (i < n && IsDigit(text[i])) ++i;
  const long int_significant = static_cast<long>(i - first_significant);
  s.found = i > s.start;
  s.zero = int_significant == 0;
  long frac_zeros = 0;  // zeros after the point before any non-zero digit
  if (i < n && text[i] == '.') {
    const size_t after_point = ++i;
    if (s.zero) {
      while (i < n && text[i] == '0') ++i;
      frac_zeros = static_cast<long>(i - after_point);
    }
    const size_t rest = i;
    while (i < n && IsDigit(text[i])) ++i;
    if (i > rest) s.zero = false;
    if (i > after_point) s.found = true;
  }
  s.end = i;
  if (!s.found) return s;
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
      s.letter = i;
      s.end = j;
    }
  }
  s.magnitude = (int_significant > 0 ? int_significant - 1 : -(frac_zeros + 1)) + exponent;
  return s;
}

// The scanned number without its sign, correctly rounded to T; false when it
// is out of T's range.
template <typename T>
bool Parse(std::string_view text, const Scan& s, T& value) {
  std::string copy;
  const char* first = text.data() + s.start;
  const char* last = text.data() + s.end;
  if (s.letter != std::string_view::npos && (text[s.letter] == 'D' || text[s.letter] == 'd')) {
    copy.assign(first, last);
    copy[s.letter - s.start] = 'e';
    first = copy.data();
    last = copy.data() + copy.size();
  }
  value = 0;
  return std::from_chars(first, last, value, std::chars_format::general).ec !=
         std::errc::result_out_of_range;
}

}  // namespace

double LireNombre(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const Scan s = ScanNumber(text, i);
  if (!s.found) return 0.0;
  double value = 0.0;
  if (!s.zero && !Parse(text, s, value)) {
    // Too large reads as infinity (a conversion then reports Overflow), too
    // small as zero.
    value = s.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return s.negative ? -value : value;
}

std::optional<float> LireSingle(std::string_view text) {
  const Scan s = ScanNumber(text, 0);
  if (!s.found || s.end != text.size()) return std::nullopt;
  float value = 0.0f;
  if (!s.zero && !Parse(text, s, value)) {
    if (s.magnitude > 0) return std::nullopt;
    value = 0.0f;
  }
  return s.negative ? -value : value;
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
