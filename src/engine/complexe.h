#pragma once

// The program's complex value: two Singles, real part first. Arrays of it are
// the spectrum, the daughter wavelets and the wavelet coefficients.
struct Complexe {
  float Re = 0.0f;
  float Im = 0.0f;
};
