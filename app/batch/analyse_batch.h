#pragma once

#include <string>

#include "engine/analyse.h"
#include "options.h"
#include "workbench/workbench_state.h"

// Stage 4, " Wavelet": the analysis run on the working signal, reading the
// main window's fields from the options, with text5 the sampling interval
// field. In the Fourier mode the interval is multiplied by the divisor, in
// the other by the step.
ResultatAnalyse LanceAnalyse(const OptionsBatch& o, const std::string& text5,
                             const WorkbenchState& etat);
