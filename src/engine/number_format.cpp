#include "engine/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/number_text.h"

namespace {

enum class Kind { IntPlace, Point, FracPlace, Exponent, Literal };

struct Token {
  Kind kind;
  std::string text;  // the place character, the literal, or "E+"-like marker
};

struct Pattern {
  std::vector<Token> tokens;
  int int_places = 0;
  int frac_places = 0;
  bool has_point = false;
  bool scientific = false;
  bool exponent_sign_always = false;
  int exponent_min_digits = 0;
};

bool IsPlace(char c) {
  return c == '0' || c == '#';
}

Pattern Parse(std::string_view p) {
  Pattern out;
  auto literal = [&](std::string_view s) {
    if (!out.tokens.empty() && out.tokens.back().kind == Kind::Literal) {
      out.tokens.back().text += s;
    } else {
      out.tokens.push_back({Kind::Literal, std::string(s)});
    }
  };
  size_t i = 0;
  while (i < p.size()) {
    char c = p[i];
    if (IsPlace(c) && !out.scientific) {
      if (out.has_point) {
        out.tokens.push_back({Kind::FracPlace, std::string(1, c)});
        ++out.frac_places;
      } else {
        out.tokens.push_back({Kind::IntPlace, std::string(1, c)});
        ++out.int_places;
      }
      ++i;
    } else if (c == '.' && !out.has_point && !out.scientific) {
      out.tokens.push_back({Kind::Point, "."});
      out.has_point = true;
      ++i;
    } else if ((c == 'E' || c == 'e') && !out.scientific && i + 2 < p.size() &&
               (p[i + 1] == '+' || p[i + 1] == '-') && IsPlace(p[i + 2])) {
      out.scientific = true;
      out.exponent_sign_always = p[i + 1] == '+';
      out.tokens.push_back({Kind::Exponent, std::string(p.substr(i, 2))});
      i += 2;
      while (i < p.size() && IsPlace(p[i])) {
        if (p[i] == '0') ++out.exponent_min_digits;
        ++i;
      }
    } else if (c == '\\' && i + 1 < p.size()) {
      literal(p.substr(i + 1, 1));
      i += 2;
    } else if (c == '"') {
      size_t close = p.find('"', i + 1);
      if (close == std::string_view::npos) close = p.size();
      literal(p.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      literal(p.substr(i, 1));
      ++i;
    }
  }
  return out;
}

// |value| as decimal digits (no leading or trailing zeros) and the decimal
// exponent of the first digit: value = 0.d1d2... x 10^(exponent + 1).
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0.0) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  std::string_view s(buf, res.ptr - buf);
  size_t e = s.find('e');
  for (char c : s.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
  return d;
}

// Rounds half away from zero, keeping the digits of weight >= 10^lowest.
void RoundTo(Decimal& d, int lowest) {
  int keep = d.exponent - lowest + 1;  // digits kept
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int k = keep - 1;
    while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
    if (k >= 0) {
      ++d.digits[k];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// Digit of weight 10^power, '0' outside the digits.
char DigitAt(const Decimal& d, int power) {
  int k = d.exponent - power;
  return k >= 0 && k < static_cast<int>(d.digits.size()) ? d.digits[k] : '0';
}

}  // namespace

std::string FormatNombre(double value, std::string_view pattern) {
  Pattern p = Parse(pattern);
  if (!std::isfinite(value) || (p.int_places == 0 && !p.has_point)) return StrDouble(value);

  Decimal d = ToDecimal(std::fabs(value));
  int exponent = 0;
  if (p.scientific && !d.digits.empty()) {
    // Scale to one integer digit; rounding may carry into a new digit.
    exponent = d.exponent;
    d.exponent = 0;
    RoundTo(d, -p.frac_places);
    exponent += d.exponent;
    d.exponent = 0;
  } else {
    RoundTo(d, -p.frac_places);
  }

  std::string integer;  // integer digits, without leading zeros
  if (p.scientific) {
    integer = std::string(1, DigitAt(d, 0));
  } else {
    for (int power = d.exponent; power >= 0 && !d.digits.empty(); --power) {
      integer += DigitAt(d, power);
    }
  }
  std::string fraction;
  for (int k = 1; k <= p.frac_places; ++k) fraction += DigitAt(d, -k);

  // Fraction places shown: up to the last "0" place or non-zero digit.
  int frac_shown = 0;
  {
    int k = 0;
    for (const Token& t : p.tokens) {
      if (t.kind != Kind::FracPlace) continue;
      ++k;
      if (t.text[0] == '0' || fraction[k - 1] != '0') frac_shown = k;
    }
  }

  std::string out;
  if (value < 0 && !d.digits.empty()) out += '-';
  const int width = static_cast<int>(integer.size());
  int int_index = 0;
  int frac_index = 0;
  for (const Token& t : p.tokens) {
    switch (t.kind) {
      case Kind::IntPlace: {
        // Place int_index (0-based, from the left) shows digit
        // int_index - (int_places - width) of `integer`.
        int k = int_index - (p.int_places - width);
        if (int_index == 0 && width > p.int_places) {
          out += integer.substr(0, width - p.int_places + 1);
        } else if (k >= 0) {
          out += integer[k];
        } else if (t.text[0] == '0') {
          out += '0';
        }
        ++int_index;
        break;
      }
      case Kind::Point:
        if (p.int_places == 0) out += integer;
        out += '.';
        break;
      case Kind::FracPlace:
        if (frac_index < frac_shown) out += fraction[frac_index];
        ++frac_index;
        break;
      case Kind::Exponent: {
        out += t.text[0];
        if (exponent < 0) {
          out += '-';
        } else if (p.exponent_sign_always) {
          out += '+';
        }
        std::string e = std::to_string(std::abs(exponent));
        if (static_cast<int>(e.size()) < p.exponent_min_digits) {
          e.insert(0, p.exponent_min_digits - e.size(), '0');
        }
        out += e;
        break;
      }
      case Kind::Literal:
        out += t.text;
        break;
    }
  }
  return out;
}
