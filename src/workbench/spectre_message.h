#pragma once

#include <cmath>
#include <string>

// A message box for the main window to show: its French text and title.
// The spectrum and filter functions return one instead of showing it.
struct MessageSpectre {
  std::string message;
  std::string titre;
  bool operator==(const MessageSpectre&) const = default;
};

// The frequency axis is 1 / Dt: a sampling interval that is not a positive
// finite number gives no axis, so nothing is computed, cut or drawn with it.
inline constexpr const char* kMessageDtIncorrect =
    " Intervalle d'échantillonnage nul ou négatif : spectre impossible ";
inline constexpr const char* kTitreFourier = "Fourier";

inline bool DtValide(float dt) {
  return dt > 0.0f && std::isfinite(dt);
}

inline MessageSpectre MessageDtIncorrect() {
  return {kMessageDtIncorrect, kTitreFourier};
}
