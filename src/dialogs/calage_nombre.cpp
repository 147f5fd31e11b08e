#include "dialogs/calage_nombre.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/number_text.h"

std::string TexteDecimal(float value) {
  std::array<char, 64> tampon{};
  const auto r =
      std::to_chars(tampon.data(), tampon.data() + tampon.size(), value, std::chars_format::fixed);
  return std::string(tampon.data(), r.ptr);
}

NombreLu RelitNombre(std::string_view texte) {
  // Beyond the Single range the value becomes an infinity of its sign, as
  // a Single store would make it.
  const double lu = LireNombre(texte);
  const float v = std::fabs(lu) > std::numeric_limits<float>::max()
                      ? (lu > 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::infinity()
                      : static_cast<float>(lu);
  return {v, TexteDecimal(v)};
}
