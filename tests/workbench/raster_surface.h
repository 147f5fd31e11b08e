#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/surface.h"

// A test raster: one colour per pixel, white when cleared. A world point
// lands in the pixel at the floor of its pixel coordinate; a line joins its
// two end pixels with Bresenham's algorithm, both included; pixels outside
// the raster are dropped. It counts the lines drawn. Text is not drawn.
class RasterSurface : public Surface {
 public:
  RasterSurface(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, kBlanc) {
    scale_.pixelWidth = width;
    scale_.pixelHeight = height;
  }

  static constexpr Couleur kBlanc = RGB(255, 255, 255);

  void SetScale(double left, double top, double width, double height) override {
    scale_.left = left;
    scale_.top = top;
    scale_.width = width;
    scale_.height = height;
  }
  WorldScale Scale() const override { return scale_; }
  void Clear() override {
    std::fill(pixels_.begin(), pixels_.end(), kBlanc);
    x_ = scale_.left;
    y_ = scale_.top;
  }
  void SetForeColor(Couleur c) override { colour_ = c; }
  Couleur ForeColor() const override { return colour_; }
  void SetDrawWidth(int) override {}
  void SetDrawStyle(LineStyle) override {}
  void SetDrawMode(DrawMode) override {}

  void Line(double x1, double y1, double x2, double y2) override {
    ++lines_;
    x_ = x2;
    y_ = y2;
    const double px1 = scale_.PixelX(x1), py1 = scale_.PixelY(y1);
    const double px2 = scale_.PixelX(x2), py2 = scale_.PixelY(y2);
    if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2)) {
      return;
    }
    PixelLine(static_cast<int>(std::floor(px1)), static_cast<int>(std::floor(py1)),
              static_cast<int>(std::floor(px2)), static_cast<int>(std::floor(py2)));
  }
  void LineTo(double x, double y) override { Line(x_, y_, x, y); }
  void PSet(double x, double y) override {
    x_ = x;
    y_ = y;
    Put(static_cast<int>(std::floor(scale_.PixelX(x))),
        static_cast<int>(std::floor(scale_.PixelY(y))));
  }
  void Box(double, double, double, double) override {}
  void FilledBox(double, double, double, double, Couleur) override {}
  void SetFont(double, bool) override {}
  void SetTextPosition(double, double) override {}
  void Print(std::string_view) override {}
  double TextWidth(std::string_view) const override { return 0.0; }
  double TextHeight(std::string_view) const override { return 0.0; }

  Couleur At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const std::vector<Couleur>& pixels() const { return pixels_; }
  int lines() const { return lines_; }
  double currentX() const { return x_; }
  double currentY() const { return y_; }

 private:
  void Put(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      pixels_[static_cast<size_t>(y) * width_ + x] = colour_;
    }
  }
  void PixelLine(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      Put(x1, y1);
      if (x1 == x2 && y1 == y2) return;
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x1 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y1 += sy;
      }
    }
  }

  int width_;
  int height_;
  std::vector<Couleur> pixels_;
  WorldScale scale_;
  Couleur colour_ = RGB(0, 0, 0);
  double x_ = 0.0;
  double y_ = 0.0;
  int lines_ = 0;
};
