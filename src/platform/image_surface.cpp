#include "platform/image_surface.h"

#include "engine/vector_state.h"

#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kInvertMask = 0x00FFFFFFu;
// 96 dots per inch, the logical resolution in which font points are sized.
constexpr int kDotsPerMeter = 3780;
// Pixel coordinates are clamped this far out so that casts stay defined.
constexpr double kFarPixel = 1.0e7;

QRgb ToRgb(Couleur c) {
  return qRgb(RougeDe(c), VertDe(c), BleuDe(c));
}

QImage WhiteImage(int width, int height) {
  QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  image.fill(kWhite);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  EffaceEtatVectoriel();
  return image;
}

QFont BaseFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The lines of a text ("\n" or "\r\n" separated); at least one.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  size_t start = 0;
  while (true) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    f(line);
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

// Liang-Barsky clipping of the segment (x1, y1)-(x2, y2) to the rectangle
// [lo, hiX] x [lo, hiY]; false when nothing of it is inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double lo, double hiX,
                 double hiY) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  const double ox = x1, oy = y1;
  if (t1 < 1.0) {
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
  }
  if (t0 > 0.0) {
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
  }
  return true;
}

int FloorPixel(double p) {
  if (!(p > -kFarPixel)) return static_cast<int>(-kFarPixel);
  if (p > kFarPixel) return static_cast<int>(kFarPixel);
  return static_cast<int>(std::floor(p));
}

}  // namespace

// The pixels of every line from pixel (0, 0) to a pixel within kReach on
// each axis, for one pen width, drawn on demand by the very routine Line
// uses, on a scratch picture wide enough that nothing is clipped; and the
// lines already stamped in the current batch, by start pixel and offset.
struct ImageSurface::LineStamps {
  static constexpr int kReach = 24;
  static constexpr int kSide = 2 * kReach + 1;
  static constexpr int kSeenBits = 13;

  struct Stamp {
    bool ready = false;
    int begin = 0;
    int count = 0;
    int left = 0, top = 0, right = -1, bottom = -1;
  };
  struct Seen {
    uint64_t key = 0;
    uint32_t batch = 0;
  };

  explicit LineStamps(int penWidth)
      : width(penWidth),
        centre(kReach + penWidth + 2),
        stamps(kSide * kSide),
        scratch(2 * centre + 1, 2 * centre + 1),
        seen(size_t{1} << kSeenBits) {
    scratch.SetDrawWidth(penWidth);
  }

  // nullptr when the offset is beyond kReach.
  const Stamp* For(int dx, int dy) {
    if (std::abs(dx) > kReach || std::abs(dy) > kReach) return nullptr;
    Stamp& s = stamps[static_cast<size_t>(dx + kReach) * kSide + (dy + kReach)];
    if (!s.ready) Draw(dx, dy, s);
    return &s;
  }

  void NewBatch() {
    if (++batch == 0) {
      std::fill(seen.begin(), seen.end(), Seen{});
      batch = 1;
    }
  }

  // True when the same line was stamped earlier in this batch; otherwise
  // remembers it (a slot taken by another line only costs a second stamp).
  bool AlreadyStamped(int x, int y, int dx, int dy) {
    const uint64_t key = (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) |
                         (static_cast<uint64_t>(static_cast<uint32_t>(y)) << 12) |
                         (static_cast<uint64_t>(dx + kReach) << 6) |
                         static_cast<uint64_t>(dy + kReach);
    Seen& slot = seen[(key * 0x9E3779B97F4A7C15ull) >> (64 - kSeenBits)];
    if (slot.batch == batch && slot.key == key) return true;
    slot = {key, batch};
    return false;
  }

  void Draw(int dx, int dy, Stamp& s) {
    scratch.Clear();
    scratch.DrawPixelLine(centre, centre, centre + dx, centre + dy);
    s.begin = static_cast<int>(offsets.size());
    const int side = scratch.width();
    s.left = s.top = side;
    s.right = s.bottom = -side;
    for (int y = 0; y < side; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(scratch.image_.constScanLine(y));
      for (int x = 0; x < side; ++x) {
        if (row[x] == kWhite) continue;
        offsets.push_back(QPoint(x - centre, y - centre));
        s.left = std::min(s.left, x - centre);
        s.right = std::max(s.right, x - centre);
        s.top = std::min(s.top, y - centre);
        s.bottom = std::max(s.bottom, y - centre);
      }
    }
    s.count = static_cast<int>(offsets.size()) - s.begin;
    s.ready = true;
  }

  const int width;
  const int centre;
  std::vector<Stamp> stamps;
  std::vector<QPoint> offsets;
  ImageSurface scratch;
  std::vector<Seen> seen;
  uint32_t batch = 0;
};

ImageSurface::ImageSurface(int width, int height)
    : image_(WhiteImage(width, height)), font_(BaseFont()), metrics_(font_, &image_) {
  scale_.width = image_.width();
  scale_.height = image_.height();
  scale_.pixelWidth = image_.width();
  scale_.pixelHeight = image_.height();
  SetFont(fontPoints_, false);
}

ImageSurface::~ImageSurface() {
  ClosePainter();
}

void ImageSurface::Resize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == image_.width() && height == image_.height()) return;
  ClosePainter();
  QImage resized = WhiteImage(width, height);
  const int rows = std::min(height, image_.height());
  const size_t bytes = static_cast<size_t>(std::min(width, image_.width())) * sizeof(QRgb);
  for (int y = 0; y < rows; ++y) std::memcpy(resized.scanLine(y), image_.constScanLine(y), bytes);
  image_ = std::move(resized);
  scale_.pixelWidth = width;
  scale_.pixelHeight = height;
}

void ImageSurface::SetScale(double left, double top, double width, double height) {
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
      !std::isfinite(height) || width == 0.0 || height == 0.0)
    return;
  scale_.left = left;
  scale_.top = top;
  scale_.width = width;
  scale_.height = height;
}

void ImageSurface::Clear() {
  FillPixels(PixelRect{0, 0, image_.width() - 1, image_.height() - 1}, kWhite, false);
  currentX_ = textX_ = scale_.left;
  currentY_ = textY_ = scale_.top;
}

void ImageSurface::SetForeColor(Couleur c) {
  foreColor_ = c & 0xFFFFFFu;
  penDirty_ = true;
}

void ImageSurface::SetDrawWidth(int pixels) {
  drawWidth_ = std::max(1, pixels);
  penDirty_ = true;
}

void ImageSurface::SetDrawStyle(LineStyle style) {
  drawStyle_ = style;
  penDirty_ = true;
}

void ImageSurface::SetDrawMode(DrawMode mode) {
  drawMode_ = mode;
  penDirty_ = true;
}

QPainter& ImageSurface::Painter() {
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setFont(font_);
    penDirty_ = true;
  }
  if (penDirty_) ApplyPen();
  return painter_;
}

void ImageSurface::ClosePainter() const {
  if (painter_.isActive()) painter_.end();
  EffaceEtatVectoriel();
}

void ImageSurface::ApplyPen() {
  QPen pen(QColor::fromRgb(ToRgb(foreColor_)));
  pen.setWidth(drawWidth_);
  if (drawWidth_ == 1) {
    // A square cap on a one-pixel line covers the end pixel too.
    pen.setCapStyle(Qt::SquareCap);
    if (drawStyle_ == LineStyle::Dash) pen.setStyle(Qt::DashLine);
    if (drawStyle_ == LineStyle::Dot) pen.setStyle(Qt::DotLine);
  } else {
    // Styles apply to one-pixel lines only; wider ones are solid with round ends.
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  painter_.setPen(pen);
  painter_.setCompositionMode(drawMode_ == DrawMode::Invert ? QPainter::RasterOp_NotDestination
                                                            : QPainter::CompositionMode_SourceOver);
  penDirty_ = false;
}

int ImageSurface::PixelIndexX(double x) const {
  return FloorPixel(scale_.PixelX(x));
}

int ImageSurface::PixelIndexY(double y) const {
  return FloorPixel(scale_.PixelY(y));
}

void ImageSurface::Line(double x1, double y1, double x2, double y2) {
  currentX_ = x2;
  currentY_ = y2;
  double px1 = scale_.PixelX(x1), py1 = scale_.PixelY(y1);
  double px2 = scale_.PixelX(x2), py2 = scale_.PixelY(y2);
  if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2))
    return;
  // Clip to the picture with a margin wider than the pen, so that the
  // visible part of the line keeps its slope and its end pixels.
  const double margin = drawWidth_ + 2.0;
  if (!ClipSegment(px1, py1, px2, py2, -margin, image_.width() + margin, image_.height() + margin))
    return;
  DrawPixelLine(FloorPixel(px1), FloorPixel(py1), FloorPixel(px2), FloorPixel(py2));
}

ImageSurface::LineStamps& ImageSurface::Stamps() {
  if (!stamps_ || stamps_->width != drawWidth_) stamps_ = std::make_unique<LineStamps>(drawWidth_);
  return *stamps_;
}

void ImageSurface::Lines(std::span<const WorldLine> lines) {
  if (drawMode_ != DrawMode::Copy || drawStyle_ != LineStyle::Solid ||
      drawWidth_ > kStampWidthMax) {
    Surface::Lines(lines);
    return;
  }
  if (lines.empty()) return;
  LineStamps& stamps = Stamps();
  stamps.NewBatch();
  QRgb* bits = reinterpret_cast<QRgb*>(image_.bits());
  const size_t stride = static_cast<size_t>(image_.bytesPerLine()) / sizeof(QRgb);
  const int w = image_.width(), h = image_.height();
  const QRgb rgb = ToRgb(foreColor_);
  for (const WorldLine& l : lines) {
    const double px1 = scale_.PixelX(l.x1), py1 = scale_.PixelY(l.y1);
    const double px2 = scale_.PixelX(l.x2), py2 = scale_.PixelY(l.y2);
    // Both ends inside the picture: Line would clip nothing and floor them.
    if (!(px1 >= 0.0 && px1 < w && px2 >= 0.0 && px2 < w && py1 >= 0.0 && py1 < h && py2 >= 0.0 &&
          py2 < h)) {
      Line(l.x1, l.y1, l.x2, l.y2);
      continue;
    }
    const int x1 = static_cast<int>(px1), y1 = static_cast<int>(py1);
    const int x2 = static_cast<int>(px2), y2 = static_cast<int>(py2);
    const LineStamps::Stamp* s = stamps.For(x2 - x1, y2 - y1);
    if (s == nullptr) {
      DrawPixelLine(x1, y1, x2, y2);
      continue;
    }
    if (stamps.AlreadyStamped(x1, y1, x2 - x1, y2 - y1)) continue;
    const QPoint* o = stamps.offsets.data() + s->begin;
    const QPoint* fin = o + s->count;
    if (x1 + s->left >= 0 && x1 + s->right < w && y1 + s->top >= 0 && y1 + s->bottom < h) {
      for (; o != fin; ++o) {
        bits[static_cast<size_t>(y1 + o->y()) * stride + static_cast<size_t>(x1 + o->x())] = rgb;
      }
      continue;
    }
    // Near the border the painter keeps the pixels of the line inside.
    for (; o != fin; ++o) {
      const int x = x1 + o->x(), y = y1 + o->y();
      if (x >= 0 && x < w && y >= 0 && y < h) {
        bits[static_cast<size_t>(y) * stride + static_cast<size_t>(x)] = rgb;
      }
    }
  }
  currentX_ = lines.back().x2;
  currentY_ = lines.back().y2;
}

void ImageSurface::LineTo(double x, double y) {
  Line(currentX_, currentY_, x, y);
}

void ImageSurface::DrawPixelLine(int x1, int y1, int x2, int y2) {
  if (drawWidth_ == 1) {
    if (x1 == x2 && y1 == y2) {
      WritePixel(x1, y1, ToRgb(foreColor_));
    } else {
      Painter().drawLine(QPoint(x1, y1), QPoint(x2, y2));
      EffaceEtatVectoriel();
    }
    return;
  }
  // Wide lines are centred on the pixels they join.
  const QPointF a(x1 + 0.5, y1 + 0.5), b(x2 + 0.5, y2 + 0.5);
  if (a == b) {
    Painter().drawPoint(a);
  } else {
    Painter().drawLine(a, b);
  }
  EffaceEtatVectoriel();
}

void ImageSurface::WritePixel(int x, int y, QRgb rgb) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  QRgb& p = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
  p = drawMode_ == DrawMode::Invert ? (p ^ kInvertMask) : rgb;
}

void ImageSurface::FillPixels(const PixelRect& r, QRgb rgb, bool invert) {
  const int left = std::max(0, r.left), top = std::max(0, r.top);
  const int right = std::min(image_.width() - 1, r.right);
  const int bottom = std::min(image_.height() - 1, r.bottom);
  if (right < left || bottom < top) return;
  for (int y = top; y <= bottom; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    if (invert) {
      for (int x = left; x <= right; ++x) row[x] ^= kInvertMask;
    } else {
      std::fill(row + left, row + right + 1, rgb);
    }
  }
}

void ImageSurface::PSet(double x, double y) {
  currentX_ = x;
  currentY_ = y;
  WritePixel(PixelIndexX(x), PixelIndexY(y), ToRgb(foreColor_));
}

void ImageSurface::Box(double x1, double y1, double x2, double y2) {
  currentX_ = x2;
  currentY_ = y2;
  const int l = std::min(PixelIndexX(x1), PixelIndexX(x2));
  const int r = std::max(PixelIndexX(x1), PixelIndexX(x2));
  const int t = std::min(PixelIndexY(y1), PixelIndexY(y2));
  const int b = std::max(PixelIndexY(y1), PixelIndexY(y2));
  if (drawWidth_ == 1 && drawStyle_ == LineStyle::Solid) {
    // Four spans that touch no pixel twice, so an inverted box drawn twice
    // leaves no trace.
    const QRgb rgb = ToRgb(foreColor_);
    const bool invert = drawMode_ == DrawMode::Invert;
    FillPixels(PixelRect{l, t, r, t}, rgb, invert);
    if (b > t) FillPixels(PixelRect{l, b, r, b}, rgb, invert);
    if (b - t > 1) {
      FillPixels(PixelRect{l, t + 1, l, b - 1}, rgb, invert);
      if (r > l) FillPixels(PixelRect{r, t + 1, r, b - 1}, rgb, invert);
    }
    return;
  }
  DrawPixelLine(l, t, r, t);
  DrawPixelLine(r, t, r, b);
  DrawPixelLine(r, b, l, b);
  DrawPixelLine(l, b, l, t);
}

void ImageSurface::FilledBox(double x1, double y1, double x2, double y2, Couleur c) {
  currentX_ = x2;
  currentY_ = y2;
  FillPixels(BoxPixels(scale_, x1, y1, x2, y2), ToRgb(c), drawMode_ == DrawMode::Invert);
}

void ImageSurface::SetFont(double points, bool bold) {
  fontPoints_ = points;
  font_.setPointSizeF(std::isfinite(points) && points >= 1.0 ? points : 1.0);
  font_.setBold(bold);
  metrics_ = QFontMetricsF(font_, &image_);
  if (painter_.isActive()) painter_.setFont(font_);
}

void ImageSurface::SetTextPosition(double x, double y) {
  textX_ = x;
  textY_ = y;
}

void ImageSurface::Print(std::string_view text) {
  ForEachLine(text, [this](std::string_view line) {
    const double px = scale_.PixelX(textX_), py = scale_.PixelY(textY_);
    if (!line.empty() && std::isfinite(px) && std::isfinite(py) && px > -kFarPixel &&
        px < kFarPixel && py > -kFarPixel && py < kFarPixel) {
      QPainter& p = Painter();
      // Text is always drawn as it is, whatever the drawing mode.
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.setPen(QColor::fromRgb(ToRgb(foreColor_)));
      p.drawText(QPointF(std::floor(px), std::floor(py) + metrics_.ascent()), ToQString(line));
      penDirty_ = true;
      EffaceEtatVectoriel();
    }
    textX_ = scale_.left;
    textY_ += metrics_.height() * scale_.height / scale_.pixelHeight;
  });
}

double ImageSurface::TextWidth(std::string_view text) const {
  double widest = 0.0;
  ForEachLine(text, [&](std::string_view line) {
    widest = std::max(widest, metrics_.horizontalAdvance(ToQString(line)));
  });
  return widest * scale_.width / scale_.pixelWidth;
}

double ImageSurface::TextHeight(std::string_view text) const {
  int lines = 0;
  ForEachLine(text, [&](std::string_view) { ++lines; });
  return lines * metrics_.height() * scale_.height / scale_.pixelHeight;
}

bool ImageSurface::Pixels(PixelBuffer& out) {
  out.bits = reinterpret_cast<uint32_t*>(image_.bits());
  out.width = image_.width();
  out.height = image_.height();
  out.stride = static_cast<int>(image_.bytesPerLine() / sizeof(uint32_t));
  return true;
}

const QImage& ImageSurface::image() const {
  ClosePainter();
  return image_;
}

QRgb ImageSurface::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return 0;
  return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] | 0xFF000000u;
}

bool ImageSurface::SaveBmp(const std::string& path) const {
  const bool saved = image().save(QString::fromStdString(path), "BMP");
  EffaceEtatVectoriel();
  return saved;
}

bool ImageSurface::LoadBmp(const std::string& path) {
  QImage loaded;
  const bool read = loaded.load(QString::fromStdString(path), "BMP") && !loaded.isNull();
  if (read) loaded.convertTo(QImage::Format_RGB32);
  EffaceEtatVectoriel();
  if (!read) return false;
  FillPixels(PixelRect{0, 0, image_.width() - 1, image_.height() - 1}, kWhite, false);
  const int rows = std::min(image_.height(), loaded.height());
  const size_t bytes = static_cast<size_t>(std::min(image_.width(), loaded.width())) * sizeof(QRgb);
  for (int y = 0; y < rows; ++y) std::memcpy(image_.scanLine(y), loaded.constScanLine(y), bytes);
  return true;
}
