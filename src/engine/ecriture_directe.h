#pragma once

#include <cstddef>

// Rows written around the caches, for blocks far larger than the caches that
// are not read back soon (the run's grid): the stores do not read the lines
// they fill first. Each call orders its stores before what follows it.

// destination[0..count) = source[0..count).
void CopieDirecte(const float* source, size_t count, float* destination);
// destination[0..count) = valeur.
void RemplitDirect(float* destination, size_t count, float valeur);
