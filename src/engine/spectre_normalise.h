#pragma once

#include <cstdint>
#include <span>

#include "engine/complexe.h"

// S[k] = CDivReel(S[k], npad) for k = 1..npad, min and max the range of
// CModule(S[k]) (both set from k = 1), with the values of that
// element-by-element loop but blocks of values at a time. A value beyond the
// Single range throws RunError(Overflow) after the same elements as that
// loop: the blocks before it are written, and so are the elements of its
// block before it.
void NormaliseSpectre(std::span<Complexe> S, int32_t npad, float& min, float& max);
