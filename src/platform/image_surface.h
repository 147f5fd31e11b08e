#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

// A Surface painting into a persistent QImage (Format_RGB32, white
// background): the drawing stays until it is cleared, and the same image is
// shown on screen, saved as a bitmap and printed.
//
// Drawing goes through one QPainter that stays open between calls, so that a
// primitive costs little more than its pixels; it is closed whenever the image
// is read (image(), SaveBmp) so that copies of the image never change behind
// their owner's back.
//
// Pixel rule: a world point lands in the pixel whose index is the floor of its
// pixel coordinate (the BoxPixels rule); lines include both end pixels. A
// scale whose width or height is zero or not finite is refused and the
// previous scale stays. Text is drawn in DejaVu Sans (or the default font),
// sized in points at 96 dots per inch, always in copy mode.
//
// Lines in copy mode with a solid pen up to kStampWidthMax pixels wide are
// written straight into the raster: a raster line depends only on where its
// end pixels lie relative to each other, so the pixels the painter covers
// for each offset between the ends are drawn once, kept, and stamped at
// every line with that offset, and a line whose stamp is already in place in
// the same batch is skipped. The picture is the one Line gives, pixel for
// pixel, but for the pixels whose centre lies exactly half the pen width
// from the centre of an end pixel: there the painter's round cap passes
// through the pixel centre and its rounding decides, differently from one
// place to another (for a 2-pixel pen, the four neighbours of an end pixel
// along the line's axes). Lines longer than the stamps' reach, with an end
// outside the picture or drawn in another mode go through Line itself.
class ImageSurface : public Surface {
 public:
  ImageSurface(int width, int height);
  ~ImageSurface() override;
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;

  // New pixel size (at least 1 x 1); the world scale stays, so the mapping
  // follows the new size. The old drawing is kept at the top-left corner and
  // any new area is white.
  void Resize(int width, int height);
  int width() const { return image_.width(); }
  int height() const { return image_.height(); }

  void SetScale(double left, double top, double width, double height) override;
  WorldScale Scale() const override { return scale_; }
  void Clear() override;

  void SetForeColor(Couleur c) override;
  Couleur ForeColor() const override { return foreColor_; }
  void SetDrawWidth(int pixels) override;
  int DrawWidth() const { return drawWidth_; }
  void SetDrawStyle(LineStyle style) override;
  LineStyle DrawStyle() const { return drawStyle_; }
  void SetDrawMode(DrawMode mode) override;
  DrawMode Mode() const { return drawMode_; }

  void Line(double x1, double y1, double x2, double y2) override;
  void Lines(std::span<const WorldLine> lines) override;
  void LineTo(double x, double y) override;
  void PSet(double x, double y) override;
  void Box(double x1, double y1, double x2, double y2) override;
  void FilledBox(double x1, double y1, double x2, double y2, Couleur c) override;

  void SetFont(double points, bool bold) override;
  double FontSize() const { return fontPoints_; }
  bool FontBold() const { return font_.bold(); }
  void SetTextPosition(double x, double y) override;
  void Print(std::string_view text) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;

  // The current point (end of the last line or point) and text position.
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  double TextX() const { return textX_; }
  double TextY() const { return textY_; }

  // The pixel a world coordinate lands in (floor of its pixel coordinate,
  // saturated far outside the picture, NaN far to the left or top).
  int PixelIndexX(double x) const;
  int PixelIndexY(double y) const;

  bool Pixels(PixelBuffer& out) override;

  const QImage& image() const;
  // 0xFFRRGGBB; 0 outside the image.
  QRgb PixelAt(int x, int y) const;
  // Writes a Windows bitmap; false when the file cannot be written.
  bool SaveBmp(const std::string& path) const;
  // Clears the picture to white and draws the bitmap at the top-left corner,
  // unscaled; false (picture unchanged) when the file is missing or is not a
  // readable bitmap.
  bool LoadBmp(const std::string& path);

 private:
  struct LineStamps;
  static constexpr int kStampWidthMax = 8;

  QPainter& Painter();
  void ClosePainter() const;
  void ApplyPen();
  void DrawPixelLine(int x1, int y1, int x2, int y2);
  void WritePixel(int x, int y, QRgb rgb);
  void FillPixels(const PixelRect& r, QRgb rgb, bool invert);
  LineStamps& Stamps();

  QImage image_;
  mutable QPainter painter_;
  bool penDirty_ = true;

  WorldScale scale_;
  Couleur foreColor_ = RGB(0, 0, 0);
  int drawWidth_ = 1;
  LineStyle drawStyle_ = LineStyle::Solid;
  DrawMode drawMode_ = DrawMode::Copy;

  double fontPoints_ = 8.0;
  QFont font_;
  QFontMetricsF metrics_;

  double currentX_ = 0.0;
  double currentY_ = 0.0;
  double textX_ = 0.0;
  double textY_ = 0.0;

  std::unique_ptr<LineStamps> stamps_;
};
