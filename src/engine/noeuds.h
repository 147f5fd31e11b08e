#pragma once

#include <cstdint>
#include <span>

#include "engine/complexe.h"

// 180/pi of the program's pi, in double.
inline constexpr double kDegresParRadian = 180.0 / static_cast<double>(3.14159274f);

// The node variables of one scale column, from its coefficients w[1..n]:
// puissance[i] = CModule(w)^2 (the square in double), amplitude[i] =
// CModule(w), phase[i] = CPhase(Im, Re) kDegresParRadian, i = 1..n, the
// same values as those functions give, computed by the widest kernel this
// processor runs (engine/noeuds_noyaux.h). Returns false when a power (or
// the amplitude) does not fit a Single; the values are then written all the
// same, the caller finds the first such node.
bool VariablesNoeuds(std::span<const Complexe> w, int32_t n, float* puissance, float* amplitude,
                     float* phase);
