#pragma once

// Some toolkit routines (image fills, line drawing, start-up) return with the
// upper halves of the wide vector registers dirty. On many x86 processors
// every later legacy-SSE instruction, which is what the maths library's
// log, exp, sin and cos run on, then pays a state-transition penalty: a log
// costs tens of times its normal price. Clearing that state is a single
// instruction, so it is done after toolkit calls and before numeric loops.
inline void EffaceEtatVectoriel() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}
