#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>

// A display colour: red + 256 * green + 65536 * blue.
using Couleur = uint32_t;
constexpr Couleur RGB(int r, int g, int b) {
  return static_cast<Couleur>(r) | (static_cast<Couleur>(g) << 8) | (static_cast<Couleur>(b) << 16);
}
constexpr int RougeDe(Couleur c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int VertDe(Couleur c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BleuDe(Couleur c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

enum class LineStyle { Solid, Dash, Dot };
// Invert: every pixel under the line becomes the inverse of what was there,
// so drawing the same line twice restores the picture (rubber bands).
enum class DrawMode { Copy, Invert };

// The user coordinate system of a picture: world point (left, top) is the
// top-left corner of the picture, (left + width, top + height) its
// bottom-right corner. A negative height makes y grow upwards.
struct WorldScale {
  double left = 0.0;
  double top = 0.0;
  double width = 1.0;
  double height = 1.0;
  int pixelWidth = 1;
  int pixelHeight = 1;

  double PixelX(double x) const { return (x - left) / width * pixelWidth; }
  double PixelY(double y) const { return (y - top) / height * pixelHeight; }
  double WorldX(double px) const { return left + px / pixelWidth * width; }
  double WorldY(double py) const { return top + py / pixelHeight * height; }
};

// Inclusive pixel rectangle, already clipped to the picture; empty when
// right < left or bottom < top.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
  bool empty() const { return right < left || bottom < top; }
};

// The pixels a filled box from world (x1, y1) to (x2, y2) covers: every column
// from floor of the smaller to floor of the larger pixel x, both included,
// likewise for rows. Drawing code that writes pixels directly uses this rule
// so that its result matches FilledBox exactly.
inline PixelRect BoxPixels(const WorldScale& s, double x1, double y1, double x2, double y2) {
  double px1 = s.PixelX(x1), px2 = s.PixelX(x2);
  double py1 = s.PixelY(y1), py2 = s.PixelY(y2);
  if (px1 > px2) std::swap(px1, px2);
  if (py1 > py2) std::swap(py1, py2);
  PixelRect r;
  if (!(px2 >= 0.0 && py2 >= 0.0 && px1 < s.pixelWidth && py1 < s.pixelHeight)) return r;
  r.left = px1 < 0.0 ? 0 : static_cast<int>(std::floor(px1));
  r.top = py1 < 0.0 ? 0 : static_cast<int>(std::floor(py1));
  r.right = px2 >= s.pixelWidth ? s.pixelWidth - 1 : static_cast<int>(std::floor(px2));
  r.bottom = py2 >= s.pixelHeight ? s.pixelHeight - 1 : static_cast<int>(std::floor(py2));
  return r;
}

// One straight line of a batch given to Surface::Lines, ends in world units.
struct WorldLine {
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
};

// Direct access to the pixels of a raster surface (0xFFRRGGBB words).
struct PixelBuffer {
  uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // words per row
};

// A drawing surface with a user coordinate system, a current drawing point
// and a current text position; every coordinate is in world units. Drawing
// code (workbench pictures, plot window, batch pictures) goes through it.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void SetScale(double left, double top, double width, double height) = 0;
  virtual WorldScale Scale() const = 0;
  // Fill with the background colour (white) and put the current point and
  // text position at the top-left corner.
  virtual void Clear() = 0;

  virtual void SetForeColor(Couleur c) = 0;
  virtual Couleur ForeColor() const = 0;
  virtual void SetDrawWidth(int pixels) = 0;
  virtual void SetDrawStyle(LineStyle style) = 0;
  virtual void SetDrawMode(DrawMode mode) = 0;

  // A straight line in the drawing colour, both ends included; the current
  // point becomes (x2, y2).
  virtual void Line(double x1, double y1, double x2, double y2) = 0;
  // Many lines, each as Line draws it, in order; the current point becomes
  // the end of the last one. A raster surface may write them straight into
  // its pixels, and says how closely that follows Line.
  virtual void Lines(std::span<const WorldLine> lines) {
    for (const WorldLine& l : lines) Line(l.x1, l.y1, l.x2, l.y2);
  }
  // A line from the current point.
  virtual void LineTo(double x, double y) = 0;
  // One pixel in the drawing colour; the current point becomes (x, y).
  virtual void PSet(double x, double y) = 0;
  // Outline of an axis-parallel rectangle in the drawing colour.
  virtual void Box(double x1, double y1, double x2, double y2) = 0;
  // Outline and interior of an axis-parallel rectangle (the BoxPixels rule).
  virtual void FilledBox(double x1, double y1, double x2, double y2, Couleur c) = 0;

  // Text: size in points, UTF-8 strings. Print puts the text's top-left
  // corner at the text position, then moves it to the start of the next line.
  virtual void SetFont(double points, bool bold) = 0;
  virtual void SetTextPosition(double x, double y) = 0;
  virtual void Print(std::string_view text) = 0;
  // Extent of a text in world units (the height is negative when y grows
  // upwards).
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;

  // Raw pixels, for raster surfaces only.
  virtual bool Pixels(PixelBuffer& out) {
    (void)out;
    return false;
  }
};
