#pragma once

#include "workbench/workbench_state.h"

// BackFft, what "Ok" does with the cut spectrum: with d the value of Text6
// (a value that is not at least 1 counts as 1, as Text6 losing the focus
// makes it), NFFT becomes NFFT / d rounded, halves to even, and keeps that
// value; the first NFFT elements of Spectre are transformed back, unscaled,
// in place; SignalSecond(1..N) = their real parts, with N = L / d rounded
// (L = I2 - I1 + 1), the count that Finish then takes for Nmax, so that
// NSecond = N and SecondMin, SecondMax are their extremes. Spectre is
// released. The window then runs Finish. Since the forward spectrum was
// divided by its length and its mean removed, the result has no mean term
// and, for d = 1, is the mean-removed selection again. A d so large that
// NFFT / d rounds to 0 leaves no sample (N = 0). Throws RunError(BadIndex)
// when Spectre does not hold NFFT elements.
void BackFft(WorkbenchState& etat, double d);
