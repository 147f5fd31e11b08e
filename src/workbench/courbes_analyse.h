#pragma once

#include "engine/analyse.h"
#include "plot/curves.h"
#include "workbench/workbench_state.h"

// The curves the plot window draws beside the map of a run: the working
// signal of the workbench and the run's spectrum of the padded signal, with
// the run's sampling interval. The spans refer to etat and run, which must
// outlive them.
CurveInputs CourbesAnalyse(const WorkbenchState& etat, const EtatAnalyse& run);
