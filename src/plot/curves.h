#pragma once

#include <span>

#include "engine/complexe.h"
#include "platform/surface.h"
#include "plot/plot_model.h"

// The two one-dimensional inputs of the analysis, drawn beside the map: the
// working signal (samples at Signal[1..Nmax], element 0 unused) and its
// spectrum (bins at Spectre[1..NFFT]), with their extremes. Counts larger
// than the arrays are cut to what the arrays hold.
struct CurveInputs {
  std::span<const float> Signal;
  int Nmax = 0;
  float Dt = 0.0f;
  float SignalMin = 0.0f;
  float SignalMax = 0.0f;
  std::span<const Complexe> Spectre;
  int NFFT = 0;
  float SpectreMin = 0.0f;
  float SpectreMax = 0.0f;
};

// The signal as a strip below the frame (from YMin - 0.2 DY for its minimum
// to YMin - 0.1 DY for its maximum), the samples whose time lies in the
// visible X range joined by lines, in the current colour and font.
void TraceSignal(const PlotModel& m, const CurveInputs& in, Surface& s);

// The amplitude spectrum in blue as a strip left of the frame (from XMin -
// 0.22 DX for its minimum to XMin - 0.12 DX for its maximum), bin m at the
// frequency m / (Dt NFFT) when that lies in the visible Y range. Leaves the
// drawing colour blue.
//
// A constant signal or spectrum is drawn along the middle of its strip.
void TraceFFT(const PlotModel& m, const CurveInputs& in, Surface& s);
