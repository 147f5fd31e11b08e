#include "platform/image_surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// Bounding box of the pixels that are not white; empty when all are.
QRect InkBounds(const ImageSurface& s) {
  QRect r;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.PixelAt(x, y) != kWhite) r |= QRect(x, y, 1, 1);
  return r;
}

int InkCount(const ImageSurface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.PixelAt(x, y) != kWhite;
  return n;
}

// A picture with some colour everywhere, for the inverting modes.
void PaintBackground(ImageSurface& s) {
  s.SetScale(0, 0, s.width(), s.height());
  for (int i = 0; i < 8; ++i)
    s.FilledBox(i * s.width() / 8.0, 0, (i + 1) * s.width() / 8.0, s.height(),
                RGB(30 * i, 255 - 20 * i, (70 * i) % 256));
}

TEST(ImageSurface, StartsWhiteInPixelScale) {
  ImageSurface s(40, 30);
  EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
  EXPECT_EQ(InkCount(s), 0);
  const WorldScale w = s.Scale();
  EXPECT_EQ(w.pixelWidth, 40);
  EXPECT_EQ(w.pixelHeight, 30);
  EXPECT_DOUBLE_EQ(w.PixelX(12.0), 12.0);
  EXPECT_DOUBLE_EQ(w.PixelY(7.0), 7.0);
}

struct PointCase {
  double x, y;
  int px, py;  // expected pixel
};

// Scale x 1..101 over 100 pixels, y from 10 at the top down to -10 at the
// bottom over 40 pixels (negative height, y upwards).
TEST(ImageSurface, PSetFollowsTheWorldScaleWithUpwardY) {
  const PointCase cases[] = {
      {1.0, 10.0, 0, 0},        // top-left corner
      {50.5, 0.0, 49, 20},      // middle
      {100.99, -9.99, 99, 39},  // just inside the bottom-right corner
      {2.0, 9.5, 1, 1},         // half a pixel down is still row 1 exactly
      {1.999, 9.501, 0, 0},     // just before the next pixel
  };
  for (const PointCase& c : cases) {
    ImageSurface s(100, 40);
    s.SetScale(1, 10, 100, -20);
    s.SetForeColor(RGB(255, 0, 0));
    s.PSet(c.x, c.y);
    SCOPED_TRACE(testing::Message() << "PSet(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(InkCount(s), 1);
    EXPECT_EQ(s.PixelAt(c.px, c.py), qRgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(s.CurrentX(), c.x);
    EXPECT_DOUBLE_EQ(s.CurrentY(), c.y);
  }
}

TEST(ImageSurface, PointsOutsideThePictureDrawNothing) {
  ImageSurface s(20, 20);
  s.SetScale(0, 0, 20, 20);
  const double far = 1e300, nan = std::numeric_limits<double>::quiet_NaN();
  for (double x : {-0.01, 20.0, far, -far, nan}) s.PSet(x, 5);
  for (double y : {-0.01, 20.0, far, -far, nan}) s.PSet(5, y);
  EXPECT_EQ(InkCount(s), 0);
}

struct LineCase {
  double x1, y1, x2, y2;
};

// One pixel per step along the major axis, both end pixels included.
TEST(ImageSurface, LinesCoverBothEndPixels) {
  const LineCase cases[] = {
      {2.3, 5.7, 10.9, 5.1},   // horizontal
      {10.9, 5.1, 2.3, 5.7},   // the same, reversed
      {4.0, 3.0, 4.5, 17.2},   // vertical
      {1.0, 1.0, 18.0, 18.0},  // diagonal
      {3.0, 2.0, 7.0, 19.0},   // steep
      {17.0, 2.0, 1.0, 9.0},   // shallow, leftwards
      {6.5, 6.5, 6.9, 6.1},    // one pixel
  };
  for (const LineCase& c : cases) {
    ImageSurface s(24, 24);
    s.SetScale(0, 0, 24, 24);
    s.Line(c.x1, c.y1, c.x2, c.y2);
    const int ax = static_cast<int>(c.x1), ay = static_cast<int>(c.y1);
    const int bx = static_cast<int>(c.x2), by = static_cast<int>(c.y2);
    SCOPED_TRACE(testing::Message()
                 << "Line (" << ax << ", " << ay << ")-(" << bx << ", " << by << ")");
    EXPECT_EQ(s.PixelAt(ax, ay), qRgb(0, 0, 0));
    EXPECT_EQ(s.PixelAt(bx, by), qRgb(0, 0, 0));
    EXPECT_EQ(InkCount(s), std::max(std::abs(bx - ax), std::abs(by - ay)) + 1);
    EXPECT_EQ(InkBounds(s), QRect(QPoint(std::min(ax, bx), std::min(ay, by)),
                                  QPoint(std::max(ax, bx), std::max(ay, by))));
    EXPECT_DOUBLE_EQ(s.CurrentX(), c.x2);
    EXPECT_DOUBLE_EQ(s.CurrentY(), c.y2);
  }
}

TEST(ImageSurface, LineToStartsAtTheCurrentPoint) {
  ImageSurface s(20, 20);
  s.SetScale(0, 0, 20, 20);
  s.Clear();
  s.LineTo(5, 0);  // from the top-left corner, where Clear puts the point
  s.LineTo(5, 5);
  EXPECT_EQ(InkCount(s), 6 + 5);
  EXPECT_EQ(InkBounds(s), QRect(QPoint(0, 0), QPoint(5, 5)));
  EXPECT_EQ(s.PixelAt(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(s.PixelAt(5, 5), qRgb(0, 0, 0));
}

TEST(ImageSurface, FarLinesKeepTheirVisiblePart) {
  ImageSurface s(30, 30);
  s.SetScale(0, 0, 30, 30);
  s.Line(-1e12, 10, 1e12, 10);   // row 10, edge to edge
  s.Line(-1e9, -1e9, 1e9, 1e9);  // the main diagonal
  s.Line(std::numeric_limits<double>::quiet_NaN(), 0, 5, 5);
  s.Line(-50, -50, -10, -5);  // wholly outside
  for (int x = 0; x < 30; ++x) EXPECT_EQ(s.PixelAt(x, 10), qRgb(0, 0, 0)) << x;
  for (int i = 0; i < 30; ++i) EXPECT_EQ(s.PixelAt(i, i), qRgb(0, 0, 0)) << i;
  EXPECT_EQ(InkCount(s), 30 + 29);
}

TEST(ImageSurface, DashedAndDottedLinesLeaveGaps) {
  int solid = 0, dash = 0, dot = 0;
  for (LineStyle style : {LineStyle::Solid, LineStyle::Dash, LineStyle::Dot}) {
    ImageSurface s(120, 5);
    s.SetScale(0, 0, 120, 5);
    s.SetDrawStyle(style);
    s.Line(0, 2, 119, 2);
    const int n = InkCount(s);
    EXPECT_EQ(InkBounds(s).top(), 2);
    EXPECT_EQ(InkBounds(s).bottom(), 2);
    (style == LineStyle::Solid ? solid : style == LineStyle::Dash ? dash : dot) = n;
  }
  EXPECT_EQ(solid, 120);
  EXPECT_LT(dash, solid);
  EXPECT_GT(dash, solid / 2);
  EXPECT_LT(dot, dash);
  EXPECT_GT(dot, solid / 5);
}

TEST(ImageSurface, WideLinesAreWider) {
  ImageSurface s(40, 40);
  s.SetScale(0, 0, 40, 40);
  s.SetDrawWidth(3);
  s.Line(5, 20, 35, 20);
  const QRect ink = InkBounds(s);
  EXPECT_EQ(ink.height(), 3);
  EXPECT_EQ(ink.center().y(), 20);
  EXPECT_LE(ink.left(), 5);
  EXPECT_GE(ink.right(), 35);
}

struct BoxCase {
  double left, top, width, height;  // scale
  double x1, y1, x2, y2;
};

TEST(ImageSurface, FilledBoxCoversExactlyTheBoxPixels) {
  const BoxCase cases[] = {
      {0, 0, 50, 30, 3.2, 4.8, 20.1, 12.9},        // pixel scale
      {0, 0, 50, 30, 20.1, 12.9, 3.2, 4.8},        // corners swapped
      {0, 0, 50, 30, -10, -10, 7, 5},              // clipped at the top-left
      {0, 0, 50, 30, 45, 25, 80, 90},              // clipped at the bottom-right
      {0, 0, 50, 30, 10, 10, 10, 10},              // one pixel
      {1, 10, 100, -20, 20, 5, 60.3, -7.7},        // upward y
      {-3, 2, 0.5, -0.25, -2.9, 1.99, -2.6, 1.8},  // small world units
  };
  for (const BoxCase& c : cases) {
    ImageSurface s(50, 30);
    s.SetScale(c.left, c.top, c.width, c.height);
    s.FilledBox(c.x1, c.y1, c.x2, c.y2, RGB(0, 128, 255));
    const PixelRect r = BoxPixels(s.Scale(), c.x1, c.y1, c.x2, c.y2);
    ASSERT_FALSE(r.empty());
    SCOPED_TRACE(testing::Message() << "box (" << r.left << ", " << r.top << ")-(" << r.right
                                    << ", " << r.bottom << ")");
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 50; ++x) {
        const bool inside = x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
        ASSERT_EQ(s.PixelAt(x, y), inside ? qRgb(0, 128, 255) : kWhite) << x << ", " << y;
      }
  }
}

TEST(ImageSurface, FilledBoxOutsideDrawsNothing) {
  ImageSurface s(20, 20);
  s.SetScale(0, 0, 20, 20);
  s.FilledBox(-5, -5, -1, 30, RGB(1, 2, 3));
  s.FilledBox(20, 0, 25, 5, RGB(1, 2, 3));
  s.FilledBox(std::numeric_limits<double>::quiet_NaN(), 0, 5, 5, RGB(1, 2, 3));
  EXPECT_EQ(InkCount(s), 0);
}

TEST(ImageSurface, BoxDrawsTheBorderOfTheBoxPixels) {
  ImageSurface s(30, 30);
  s.SetScale(0, 0, 30, 30);
  s.SetForeColor(RGB(0, 0, 255));
  s.Box(3.5, 20.2, 12.9, 4.1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool inBox = x >= 3 && x <= 12 && y >= 4 && y <= 20;
      const bool border = inBox && (x == 3 || x == 12 || y == 4 || y == 20);
      ASSERT_EQ(s.PixelAt(x, y), border ? qRgb(0, 0, 255) : kWhite) << x << ", " << y;
    }
}

// Every inverting primitive drawn twice leaves the picture as it was; drawn
// once, it shows the inverse of each pixel it covers.
TEST(ImageSurface, InvertingTwiceRestoresThePicture) {
  struct Primitive {
    const char* name;
    void (*draw)(ImageSurface&);
  };
  const Primitive primitives[] = {
      {"line", [](ImageSurface& s) { s.Line(2, 3, 70, 41); }},
      {"steep line", [](ImageSurface& s) { s.Line(60, 1, 55, 47); }},
      {"dashed line",
       [](ImageSurface& s) {
         s.SetDrawStyle(LineStyle::Dash);
         s.Line(0, 20, 79, 22);
       }},
      {"dotted line",
       [](ImageSurface& s) {
         s.SetDrawStyle(LineStyle::Dot);
         s.Line(5, 45, 75, 5);
       }},
      {"point", [](ImageSurface& s) { s.PSet(33, 12); }},
      {"box", [](ImageSurface& s) { s.Box(10, 10, 50, 30); }},
      {"thin box", [](ImageSurface& s) { s.Box(10, 10, 10, 30); }},
      {"filled box", [](ImageSurface& s) { s.FilledBox(20, 5, 45, 40, RGB(9, 9, 9)); }},
  };
  for (const Primitive& p : primitives) {
    SCOPED_TRACE(p.name);
    ImageSurface s(80, 48);
    PaintBackground(s);
    const QImage before = s.image().copy();
    s.SetDrawMode(DrawMode::Invert);
    p.draw(s);
    const QImage once = s.image().copy();
    int changed = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 80; ++x) {
        const QRgb b = before.pixel(x, y), o = once.pixel(x, y);
        if (b != o) {
          ++changed;
          ASSERT_EQ(o, b ^ 0x00FFFFFFu) << x << ", " << y;
        }
      }
    EXPECT_GT(changed, 0);
    p.draw(s);
    EXPECT_EQ(s.image(), before);
  }
}

TEST(ImageSurface, InvertedLineCoversTheSamePixelsAsACopiedOne) {
  ImageSurface copied(40, 40), inverted(40, 40);
  copied.Line(3, 5, 37, 29);
  inverted.SetDrawMode(DrawMode::Invert);
  inverted.Line(3, 5, 37, 29);
  EXPECT_EQ(copied.image(), inverted.image());  // white inverted is black
}

TEST(ImageSurface, ClearWhitensAndResetsThePositions) {
  ImageSurface s(30, 30);
  s.SetScale(-1, 1, 2, -2);
  s.SetForeColor(RGB(200, 0, 0));
  s.Line(-1, 1, 1, -1);
  s.SetTextPosition(0.5, 0.5);
  s.Clear();
  EXPECT_EQ(InkCount(s), 0);
  EXPECT_DOUBLE_EQ(s.CurrentX(), -1.0);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 1.0);
  EXPECT_DOUBLE_EQ(s.TextX(), -1.0);
  EXPECT_DOUBLE_EQ(s.TextY(), 1.0);
  EXPECT_EQ(s.ForeColor(), RGB(200, 0, 0));
}

TEST(ImageSurface, RefusesAnEmptyScale) {
  ImageSurface s(10, 10);
  s.SetScale(1, 2, 3, -4);
  s.SetScale(0, 0, 0, 5);
  s.SetScale(0, 0, 5, 0);
  s.SetScale(0, 0, std::numeric_limits<double>::infinity(), 5);
  const WorldScale w = s.Scale();
  EXPECT_EQ(w.left, 1);
  EXPECT_EQ(w.top, 2);
  EXPECT_EQ(w.width, 3);
  EXPECT_EQ(w.height, -4);
}

TEST(ImageSurface, TextLandsWithItsTopLeftCornerAtThePosition) {
  ImageSurface s(300, 120);
  s.SetScale(0, 100, 300, -100);  // 1 unit per pixel across, 1.2 pixels per unit down
  s.SetFont(12, false);
  s.SetTextPosition(50, 80);  // pixel (50, 24)
  s.Print("Hello");
  const QRect ink = InkBounds(s);
  ASSERT_FALSE(ink.isEmpty());
  const double w = s.TextWidth("Hello"), h = s.TextHeight("Hello");
  EXPECT_LT(h, 0.0);  // y grows upwards
  const int hp = static_cast<int>(std::lround(-h * 1.2));
  // The glyphs start within the side bearing and below the top of the line
  // (internal leading, capital height), and stay inside the text's extent.
  EXPECT_GE(ink.left(), 50);
  EXPECT_LE(ink.left(), 53);
  EXPECT_GE(ink.top(), 24);
  EXPECT_LE(ink.top(), 24 + hp / 3);
  EXPECT_NEAR(ink.right() + 1 - 50, w, 3.0);
  EXPECT_LE(ink.bottom(), 24 + hp);
  // Print moves to the left edge of the next line.
  EXPECT_DOUBLE_EQ(s.TextX(), 0.0);
  EXPECT_DOUBLE_EQ(s.TextY(), 80 + h);
}

TEST(ImageSurface, PrintedLinesFollowOneAnother) {
  ImageSurface s(200, 100);
  s.SetFont(10, false);
  s.SetTextPosition(10, 5);
  s.Print("Ab");
  const QRect first = InkBounds(s);
  const double h = s.TextHeight("Ab");
  EXPECT_GT(h, 0.0);  // y downwards in the default scale
  s.SetTextPosition(10, s.TextY());
  s.Print("Ab");
  const QRect both = InkBounds(s);
  EXPECT_EQ(both.left(), first.left());
  EXPECT_EQ(both.top(), first.top());
  EXPECT_NEAR(both.bottom() - first.bottom(), h, 1.0);
}

TEST(ImageSurface, TextIsInTheForeColourWhateverTheMode) {
  ImageSurface s(100, 40);
  s.SetForeColor(RGB(255, 0, 0));
  s.SetDrawMode(DrawMode::Invert);
  s.SetFont(14, true);
  s.SetTextPosition(2, 2);
  s.Print("III");
  int red = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) red += s.PixelAt(x, y) == qRgb(255, 0, 0);
  EXPECT_GT(red, 10);
}

TEST(ImageSurface, TextExtentsAreInWorldUnits) {
  ImageSurface s(400, 200);
  s.SetFont(10, false);
  const double w = s.TextWidth("Fréquence"), h = s.TextHeight("Fréquence");
  // 10 points at 96 dpi are 13.3 pixels.
  EXPECT_GT(h, 13.0);
  EXPECT_LT(h, 20.0);
  EXPECT_GT(w, 40.0);
  s.SetScale(0, 0, 800, -50);  // 2 units a pixel across, 1/4 unit a pixel down
  EXPECT_DOUBLE_EQ(s.TextWidth("Fréquence"), 2 * w);
  EXPECT_DOUBLE_EQ(s.TextHeight("Fréquence"), -h / 4);
  EXPECT_DOUBLE_EQ(s.TextHeight(""), -h / 4);
  EXPECT_DOUBLE_EQ(s.TextHeight("a\nb"), -h / 2);
  EXPECT_EQ(s.TextWidth(""), 0.0);

  s.SetFont(20, false);
  EXPECT_NEAR(s.TextWidth("Fréquence") / (2 * w), 2.0, 0.25);
  s.SetFont(10, true);
  EXPECT_GT(s.TextWidth("Fréquence"), 2 * w);
  EXPECT_TRUE(s.FontBold());
  EXPECT_EQ(s.FontSize(), 10);
}

TEST(ImageSurface, TinyAndInvalidFontSizesStillMeasure) {
  ImageSurface s(100, 100);
  for (double points : {3.0, 0.5, 0.0, -4.0}) {
    s.SetFont(points, false);
    EXPECT_GT(s.TextHeight("x"), 0.0) << points;
    EXPECT_GT(s.TextWidth("x"), 0.0) << points;
  }
}

TEST(ImageSurface, ResizeKeepsTheDrawingAndTheWorldScale) {
  ImageSurface s(20, 10);
  s.SetScale(0, 0, 2, 1);
  s.FilledBox(0, 0, 0.95, 0.45, RGB(0, 255, 0));  // pixels 0..9 x 0..4
  s.Resize(40, 20);
  EXPECT_EQ(s.width(), 40);
  EXPECT_EQ(s.height(), 20);
  EXPECT_EQ(InkBounds(s), QRect(0, 0, 10, 5));
  const WorldScale w = s.Scale();
  EXPECT_EQ(w.pixelWidth, 40);
  EXPECT_DOUBLE_EQ(w.PixelX(1.0), 20.0);
  s.Resize(5, 3);
  EXPECT_EQ(InkBounds(s), QRect(0, 0, 5, 3));
  s.Resize(0, -2);
  EXPECT_EQ(s.width(), 1);
  EXPECT_EQ(s.height(), 1);
}

TEST(ImageSurface, PixelsGiveTheRasterItself) {
  ImageSurface s(16, 8);
  PixelBuffer buf;
  ASSERT_TRUE(s.Pixels(buf));
  ASSERT_EQ(buf.width, 16);
  ASSERT_EQ(buf.height, 8);
  ASSERT_GE(buf.stride, 16);
  buf.bits[3 * buf.stride + 5] = 0xFF123456u;
  EXPECT_EQ(s.PixelAt(5, 3), 0xFF123456u);
  s.Line(0, 3, 15, 3);  // drawing after direct writes sees them
  EXPECT_EQ(s.PixelAt(5, 3), qRgb(0, 0, 0));
  EXPECT_EQ(s.PixelAt(-1, 0), 0u);
  EXPECT_EQ(s.PixelAt(0, 8), 0u);
}

TEST(ImageSurface, ACopyOfTheImageDoesNotChangeWithLaterDrawing) {
  ImageSurface s(10, 10);
  s.Line(0, 0, 9, 0);
  const QImage copy = s.image();
  s.Line(0, 5, 9, 5);
  s.PSet(2, 8);
  s.FilledBox(6, 6, 8, 8, RGB(1, 1, 1));
  EXPECT_EQ(copy.pixel(0, 5), kWhite);
  EXPECT_EQ(copy.pixel(2, 8), kWhite);
  EXPECT_EQ(copy.pixel(7, 7), kWhite);
  EXPECT_EQ(s.PixelAt(0, 5), qRgb(0, 0, 0));
}

class ImageSurfaceFiles : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile f(dir_.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir_;
};

TEST_F(ImageSurfaceFiles, SavedBitmapLoadsBackIdentical) {
  ImageSurface s(61, 33);  // odd width: rows of a bitmap are padded
  PaintBackground(s);
  s.SetForeColor(RGB(10, 20, 30));
  s.Line(0, 0, 60, 32);
  s.SetTextPosition(3, 3);
  s.Print("Bitmap");
  ASSERT_TRUE(s.SaveBmp(Path("picture.bmp")));

  QFile f(dir_.filePath("picture.bmp"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.read(2), QByteArray("BM"));

  ImageSurface same(61, 33);
  ASSERT_TRUE(same.LoadBmp(Path("picture.bmp")));
  EXPECT_EQ(same.image(), s.image());

  ImageSurface larger(70, 40);
  larger.FilledBox(0, 0, 70, 40, RGB(0, 0, 0));
  ASSERT_TRUE(larger.LoadBmp(Path("picture.bmp")));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 70; ++x)
      ASSERT_EQ(larger.PixelAt(x, y), x < 61 && y < 33 ? s.PixelAt(x, y) : kWhite)
          << x << ", " << y;

  ImageSurface smaller(20, 10);
  ASSERT_TRUE(smaller.LoadBmp(Path("picture.bmp")));
  EXPECT_EQ(smaller.image(), s.image().copy(0, 0, 20, 10));
}

TEST_F(ImageSurfaceFiles, SaveFailsWhereNoFileCanBeWritten) {
  ImageSurface s(5, 5);
  EXPECT_FALSE(s.SaveBmp(Path("no/such/folder/picture.bmp")));
}

TEST_F(ImageSurfaceFiles, LoadFailsOnMissingAndGarbageFiles) {
  ImageSurface good(8, 8);
  ASSERT_TRUE(good.SaveBmp(Path("good.bmp")));
  QFile f(dir_.filePath("good.bmp"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bmp = f.readAll();

  QByteArray huge = bmp;  // header claiming a picture of 2^31 - 1 square pixels
  for (int i = 0; i < 4; ++i) huge[18 + i] = huge[22 + i] = i == 3 ? '\x7F' : '\xFF';

  Write("empty.bmp", QByteArray());
  Write("text.bmp", QByteArray("1.0\n2.0\n3.0\n"));
  Write("truncated.bmp", bmp.left(30));
  Write("huge.bmp", huge);
  Write("png.bmp", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, '\0'));
  for (const char* name :
       {"missing.bmp", "empty.bmp", "text.bmp", "truncated.bmp", "huge.bmp", "png.bmp"}) {
    ImageSurface s(8, 8);
    s.FilledBox(0, 0, 8, 8, RGB(5, 6, 7));
    EXPECT_FALSE(s.LoadBmp(Path(name))) << name;
    EXPECT_EQ(s.PixelAt(4, 4), qRgb(5, 6, 7)) << name;  // unchanged
  }
}

}  // namespace
