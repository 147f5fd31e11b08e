#pragma once

#include <string_view>

#include "platform/surface.h"

// Passes every call to another surface but hides its raster, so that drawing
// code takes its FilledBox path; FilledBox itself may be overridden.
class RelaisSurface : public Surface {
 public:
  explicit RelaisSurface(Surface& s) : s_(s) {}
  void SetScale(double l, double t, double w, double h) override { s_.SetScale(l, t, w, h); }
  WorldScale Scale() const override { return s_.Scale(); }
  void Clear() override { s_.Clear(); }
  void SetForeColor(Couleur c) override { s_.SetForeColor(c); }
  Couleur ForeColor() const override { return s_.ForeColor(); }
  void SetDrawWidth(int p) override { s_.SetDrawWidth(p); }
  void SetDrawStyle(LineStyle st) override { s_.SetDrawStyle(st); }
  void SetDrawMode(DrawMode m) override { s_.SetDrawMode(m); }
  void Line(double a, double b, double c, double d) override { s_.Line(a, b, c, d); }
  void LineTo(double x, double y) override { s_.LineTo(x, y); }
  void PSet(double x, double y) override { s_.PSet(x, y); }
  void Box(double a, double b, double c, double d) override { s_.Box(a, b, c, d); }
  void FilledBox(double a, double b, double c, double d, Couleur k) override {
    s_.FilledBox(a, b, c, d, k);
  }
  void SetFont(double p, bool b) override { s_.SetFont(p, b); }
  void SetTextPosition(double x, double y) override { s_.SetTextPosition(x, y); }
  void Print(std::string_view t) override { s_.Print(t); }
  double TextWidth(std::string_view t) const override { return s_.TextWidth(t); }
  double TextHeight(std::string_view t) const override { return s_.TextHeight(t); }

 private:
  Surface& s_;
};
