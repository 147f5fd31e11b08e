#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <cmath>
#include <string>
#include <vector>

#include "platform/ui/picture_box.h"
#include "plot/ui/newtrace.h"
#include "support/platform_doubles.h"

// An analysis-shaped grid: time i * 0.5, frequencies 2^-7 .. 2^-5, a smooth
// positive power.
inline Grille Grid(int ni, int nj) {
  Grille g(6, ni, nj);
  for (int j = 1; j <= nj; ++j) {
    const float f = static_cast<float>(std::pow(2.0, -7 + 2.0 * (j - 1) / (nj - 1)));
    for (int i = 1; i <= ni; ++i) {
      const float p = static_cast<float>(1.5 + std::sin(0.1 * i) * std::cos(0.4 * j));
      g(1, i, j) = 0.5f * i;
      g(2, i, j) = f;
      g(3, i, j) = 1 / f;
      g(4, i, j) = p;
      g(5, i, j) = std::sqrt(p);
      g(6, i, j) = 0;
    }
  }
  return g;
}

inline std::vector<std::string> Names() {
  return {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};
}

class NewtraceTest : public testing::Test {
 protected:
  void SetUp() override {
    w = new Newtrace(tp);
    signal.assign(81, 0.0f);
    for (int n = 1; n <= 80; ++n) signal[n] = static_cast<float>(std::sin(0.3 * n));
    CurveInputs c;
    c.Signal = signal;
    c.Nmax = 80;
    c.Dt = 0.5f;
    c.SignalMin = -1;
    c.SignalMax = 1;
    w->Charge(Grid(80, 12), Names(), c, "/data/chirp.txt");
    w->show();
  }
  void TearDown() override { delete w.data(); }

  // The plot pixel under world point (x, y).
  QPoint PixelDe(double x, double y) const {
    const WorldScale ws = w->Picture->surface().Scale();
    return QPoint(static_cast<int>(ws.PixelX(x)), static_cast<int>(ws.PixelY(y)));
  }
  QRgb PixelMonde(double x, double y) const {
    const QPoint p = PixelDe(x, y);
    return w->Picture->surface().PixelAt(p.x(), p.y());
  }
  static QRgb Rgb(Couleur c) { return qRgb(RougeDe(c), VertDe(c), BleuDe(c)); }

  TestPlatform tp;
  QPointer<Newtrace> w;
  std::vector<float> signal;
};
