#pragma once

#include <cstdint>

#include "workbench/workbench_state.h"

// The selection of the samples to analyse, in picture x units (sample i is
// drawn at x = i).

// The sample under a click at x: the nearest integer, halves to even, kept
// within 1..nreel (a click in the right-most half sample or beyond the
// picture takes the last sample; a non-finite x the first).
int32_t IndiceClic(double x, int32_t nreel);

// The two-click selection, started by Selection_Click (SelectionActive and
// PremierPoint true). The first click sets I1. The second sets I2; when it
// lies before I1 the two are exchanged. When the two ends are less than two
// samples apart the click is ignored and the next one is again taken as the
// second end (after the exchange, so an ignored click before the first end
// has already become I1). Otherwise the selection is made: SelectionActive
// becomes false.
enum class EtapeSelection { PremierPointPris, ClicIgnore, SelectionFaite };
EtapeSelection ClicSelection(WorkbenchState& etat, double x);

// Tout_Click: the whole signal.
void SelectionTotale(WorkbenchState& etat);
