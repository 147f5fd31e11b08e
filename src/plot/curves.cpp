#include "plot/curves.h"

#include <algorithm>
#include <cmath>

#include "engine/complexes_et_divers.h"
#include "plot/declarations.h"

namespace {

// Position of a value in a strip of the given width starting at `from`;
// the middle of the strip when the range is empty.
double DansBande(double value, double lo, double hi, double from, double width) {
  if (hi == lo) return from + width / 2;
  return (value - lo) / (hi - lo) * width + from;
}

// A polyline whose first point is a single pixel.
class Trace {
 public:
  explicit Trace(Surface& s) : s_(s) {}
  void Point(double x, double y) {
    if (premier_) {
      s_.PSet(x, y);
      premier_ = false;
    } else {
      s_.LineTo(x, y);
    }
  }

 private:
  Surface& s_;
  bool premier_ = true;
};

}  // namespace

void TraceSignal(const PlotModel& m, const CurveInputs& in, Surface& s) {
  const double dy = m.DY;
  s.SetTextPosition(m.XMin - m.DX / 10.0, m.YMin - 0.15 * dy);
  s.Print("Signal");
  const float xlo = PuisBase(m.XBase, m.XMin), xhi = PuisBase(m.XBase, m.XMax);
  const int n = std::min<long>(in.Nmax, static_cast<long>(in.Signal.size()) - 1);
  Trace trace(s);
  for (int k = 1; k <= n; ++k) {
    const float t = static_cast<float>(static_cast<double>(in.Dt) * k);
    if (!(xlo <= t && t <= xhi)) continue;
    const double y =
        DansBande(in.Signal[k], in.SignalMin, in.SignalMax, m.YMin - 0.2 * dy, dy / 10);
    trace.Point(LogBase(m.XBase, t), y);
  }
}

void TraceFFT(const PlotModel& m, const CurveInputs& in, Surface& s) {
  const double dx = m.DX;
  s.SetForeColor(RGB(0, 0, 255));
  s.SetTextPosition(m.XMin - 0.22 * dx, m.YMax - 0.05 * m.DY);
  s.Print("Fft");
  const float ylo = PuisBase(m.YBase, m.YMin), yhi = PuisBase(m.YBase, m.YMax);
  const long bins = std::min<long>(in.NFFT, static_cast<long>(in.Spectre.size()) - 1);
  const double half = in.NFFT / 2.0;
  const double duree = static_cast<double>(in.Dt) * in.NFFT;
  if (duree == 0) return;
  Trace trace(s);
  for (long k = 1; k <= half && k <= bins; ++k) {
    const double f = k / duree;
    if (!(ylo <= f && f <= yhi)) continue;
    const double x = DansBande(CModule(in.Spectre[k]), in.SpectreMin, in.SpectreMax,
                               m.XMin - 0.22 * dx, dx / 10);
    trace.Point(x, LogBase(m.YBase, f));
  }
}
