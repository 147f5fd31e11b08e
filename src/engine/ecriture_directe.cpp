#include "engine/ecriture_directe.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Elements before the first 16-byte boundary at or after p, at most count.
size_t Tete(const float* p, size_t count) {
  const size_t octets = (16 - reinterpret_cast<uintptr_t>(p) % 16) % 16;
  return std::min(count, octets / sizeof(float));
}

}  // namespace

void CopieDirecte(const float* source, size_t count, float* destination) {
  size_t i = 0;
#if defined(__SSE2__)
  i = Tete(destination, count);
  std::copy(source, source + i, destination);
  for (; i + 4 <= count; i += 4) _mm_stream_ps(destination + i, _mm_loadu_ps(source + i));
  _mm_sfence();
#endif
  std::copy(source + i, source + count, destination + i);
}

void RemplitDirect(float* destination, size_t count, float valeur) {
  size_t i = 0;
#if defined(__SSE2__)
  i = Tete(destination, count);
  std::fill(destination, destination + i, valeur);
  const __m128 v = _mm_set1_ps(valeur);
  for (; i + 4 <= count; i += 4) _mm_stream_ps(destination + i, v);
  _mm_sfence();
#endif
  std::fill(destination + i, destination + count, valeur);
}
