#pragma once

#include <span>
#include <vector>

// The levels of one iso-level network in the order they are traced.
//
// Progression 1 (arithmetic): min, min + pas, ... accumulated by repeated
// addition in Singles while the level has not passed max (L <= max for a
// step that is not negative, L >= max for a negative one), so rounding can
// lose the last level: 0 to 1 by 0.1 gives ten levels, not eleven.
// Progression 2 (geometric): min, min * pas, ... (Singles) while L <= max.
// Progression 3 (table): the table's values in entry order.
// Any other progression: no level.
//
// Every sequence is bounded, whatever the dialogs let through: it stops at
// kNiveauxMax levels, and as soon as the next level equals the current one
// (a zero step, a factor of 1, a start of 0, a step too small to move the
// level), since the sequence would then repeat that level for ever. Bounds
// that are NaN or infinite, or a NaN step, give no level for the
// progressions 1 and 2; NaN levels, which cross no edge, are never listed.
inline constexpr int kNiveauxMax = 10000;

std::vector<float> Niveaux(int progression, float min, float max, float pas,
                           std::span<const float> table);
