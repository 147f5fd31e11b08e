#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "workbench/spectre_message.h"
#include "workbench/workbench_state.h"

// The spectrum picture: x is the base-2 logarithm of the frequency in Hz,
// y the amplitude |Spectre(j)|. Element j is drawn at the frequency
// j / (Dt NFFT), one step above the frequency (j - 1) / (Dt NFFT) that the
// transform gives it, so Spectre(1), the mean term, is the first point. The
// band cuts and the filter files use this same mapping, and filter files
// already written rely on it.
float AbscisseSpectre(int32_t j, float dt, int32_t nfft);

// The plot-model axis values of the picture: XMin and XMax are the powers of
// two just below the frequency step 1 / (Dt NFFT) and just above the
// sampling frequency 1 / Dt; YMin, YMax and DY the amplitude range.
struct AxesSpectre {
  float XMin = 0.0f;
  float XMax = 0.0f;
  float YMin = 0.0f;
  float YMax = 0.0f;
  float DY = 0.0f;
  bool operator==(const AxesSpectre&) const = default;
};

// Trace: the spectrum is drawn. Plat: every plotted amplitude is the same
// (a constant selection, or every band cut), which the picture's scale
// cannot show: nothing is drawn, and the window draws it with
// DessineFFTPlat. Refuse: Dt is not a positive finite number; nothing
// changes and the window shows the message.
enum class IssueSpectre { Trace, Plat, Refuse };

struct ResultatSpectre {
  IssueSpectre issue = IssueSpectre::Trace;
  AxesSpectre axes;  // YMin and YMax already for Plat, all of it for Trace
  MessageSpectre message;
};

// DessineFFT: SpectreMin and SpectreMax become the extent of |Spectre(j)|
// over the plotted half j = 1..NFFT / 2 (and Spectre(1)), Dt becomes dt;
// then, unless the spectrum is flat, the surface is cleared, scaled to
// XMin..XMax by SpectreMax..SpectreMin, and the points (AbscisseSpectre(j),
// |Spectre(j)|) are drawn in blue, plain copy: the first as a single pixel,
// every further one joined to the one before by a segment. Throws
// RunError(BadIndex) when Spectre does not hold NFFT elements.
ResultatSpectre DessineFFT(Surface& surface, WorkbenchState& etat, float dt);

// A flat spectrum (DessineFFT gave Plat) drawn all the same, so that the
// window keeps the spectrum, its cuts and "Ok" instead of losing the
// selection: the points of DessineFFT on the amplitude range made non-empty
// (PlageNonVide), which puts them along the middle of the picture. Returns
// the axes drawn; needs a valid dt and SpectreMin, SpectreMax as DessineFFT
// left them.
AxesSpectre DessineFFTPlat(Surface& surface, const WorkbenchState& etat, float dt);
