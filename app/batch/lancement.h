#pragma once

#include "options.h"

// The whole road of one analysis without a window, in this order:
//   1. the input file (entree.h);
//   2. and 3. the selection and the working signal (signal_travail.h);
//   4. the wavelet analysis (analyse_batch.h);
//   5. the plot model and its networks (image.h), before anything is
//      written, so that a refused contour leaves no file behind;
//   6. the CSV files (csv.h), then the pictures (image.h).
// Every failure goes to stderr with the window's message and title. Gives
// the exit code: 0 when everything was computed and written, 1 otherwise.
int Lance(const OptionsBatch& o);
