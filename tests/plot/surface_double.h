#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

// A surface that records what is drawn on it and keeps a raster of its
// filled boxes (the BoxPixels rule), so drawing code can be checked call by
// call and pixel by pixel without a window system. Text is 6 x 10 pixels per
// character.
class SurfaceDouble : public Surface {
 public:
  struct Trait {
    double x1, y1, x2, y2;
    Couleur colour;
    int width;
  };
  struct Boite {
    double x1, y1, x2, y2;
    Couleur colour;
  };
  struct Texte {
    double x, y;
    std::string text;
    double points;
    bool bold;
    Couleur colour;
  };

  SurfaceDouble(int width, int height, bool raster = true)
      : raster_(raster), bits_(static_cast<size_t>(width) * height, 0xFFFFFFFFu) {
    scale_.pixelWidth = width;
    scale_.pixelHeight = height;
    scale_.width = width;
    scale_.height = height;
  }

  void SetScale(double left, double top, double width, double height) override {
    scale_.left = left;
    scale_.top = top;
    scale_.width = width;
    scale_.height = height;
    ++scales;
  }
  WorldScale Scale() const override { return scale_; }
  void Clear() override {
    std::fill(bits_.begin(), bits_.end(), 0xFFFFFFFFu);
    lines.clear();
    boxes.clear();
    frames.clear();
    texts.clear();
    points.clear();
    journal.clear();
    ++clears;
  }
  void SetForeColor(Couleur c) override { colour_ = c; }
  Couleur ForeColor() const override { return colour_; }
  void SetDrawWidth(int pixels) override { width_ = pixels; }
  void SetDrawStyle(LineStyle) override {}
  void SetDrawMode(DrawMode mode) override { mode_ = mode; }
  void Line(double x1, double y1, double x2, double y2) override {
    lines.push_back({x1, y1, x2, y2, colour_, width_});
    journal += 'L';
    cx_ = x2;
    cy_ = y2;
  }
  void LineTo(double x, double y) override { Line(cx_, cy_, x, y); }
  void PSet(double x, double y) override {
    points.push_back({x, y, x, y, colour_, width_});
    journal += 'P';
    cx_ = x;
    cy_ = y;
  }
  void Box(double x1, double y1, double x2, double y2) override {
    frames.push_back({x1, y1, x2, y2, colour_});
    journal += 'B';
  }
  void FilledBox(double x1, double y1, double x2, double y2, Couleur c) override {
    boxes.push_back({x1, y1, x2, y2, c});
    journal += 'F';
    const PixelRect r = BoxPixels(scale_, x1, y1, x2, y2);
    const uint32_t word = 0xFF000000u | (static_cast<uint32_t>(RougeDe(c)) << 16) |
                          (static_cast<uint32_t>(VertDe(c)) << 8) |
                          static_cast<uint32_t>(BleuDe(c));
    for (int y = r.top; y <= r.bottom; ++y) {
      for (int x = r.left; x <= r.right; ++x) bits_[Index(x, y)] = word;
    }
  }
  void SetFont(double pts, bool bold) override {
    points_ = pts;
    bold_ = bold;
  }
  void SetTextPosition(double x, double y) override {
    tx_ = x;
    ty_ = y;
  }
  void Print(std::string_view text) override {
    texts.push_back({tx_, ty_, std::string(text), points_, bold_, colour_});
    journal += 'T';
    ty_ += TextHeight(text);
  }
  double TextWidth(std::string_view text) const override {
    return 6.0 * static_cast<double>(text.size()) * scale_.width / scale_.pixelWidth;
  }
  double TextHeight(std::string_view) const override {
    return 10.0 * scale_.height / scale_.pixelHeight;
  }
  bool Pixels(PixelBuffer& out) override {
    if (!raster_) return false;
    out.bits = bits_.data();
    out.width = scale_.pixelWidth;
    out.height = scale_.pixelHeight;
    out.stride = scale_.pixelWidth;
    ++pixelRequests;
    return true;
  }

  uint32_t Pixel(int x, int y) const { return bits_[Index(x, y)]; }
  const std::vector<uint32_t>& Bits() const { return bits_; }
  DrawMode Mode() const { return mode_; }

  std::vector<Trait> lines;
  std::vector<Trait> points;
  std::vector<Boite> boxes;
  std::vector<Boite> frames;
  std::vector<Texte> texts;
  // One letter per call, in order: L line, P point, B frame, F filled box,
  // T text.
  std::string journal;
  int clears = 0;
  int scales = 0;
  int pixelRequests = 0;

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * scale_.pixelWidth + x; }

  bool raster_;
  std::vector<uint32_t> bits_;
  WorldScale scale_;
  Couleur colour_ = RGB(0, 0, 0);
  int width_ = 1;
  DrawMode mode_ = DrawMode::Copy;
  double points_ = 8.0;
  bool bold_ = false;
  double tx_ = 0.0, ty_ = 0.0, cx_ = 0.0, cy_ = 0.0;
};
