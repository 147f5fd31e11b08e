// Batches of lines written straight into the raster against the same lines
// drawn one Line at a time: the pictures must be identical, pixel for pixel,
// but for the pixels whose centre lies exactly half the pen width from the
// centre of an end pixel of a line, where the painter's round cap passes
// through the pixel centre and its rounding decides.
#include "platform/image_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <utility>
#include <vector>

namespace {

// Stripes of colour under the lines, so that every pixel a line writes shows.
void Stripes(ImageSurface& s) {
  const WorldScale scale = s.Scale();
  s.SetScale(0, 0, s.width(), s.height());
  for (int i = 0; i < 9; ++i) {
    s.FilledBox(i * s.width() / 9.0, 0, (i + 1) * s.width() / 9.0, s.height(),
                RGB(25 * i, 250 - 20 * i, (60 * i) % 256));
  }
  s.SetScale(scale.left, scale.top, scale.width, scale.height);
}

struct Pen {
  const char* name;
  int width;
  LineStyle style;
  DrawMode mode;
};

void PrintTo(const Pen& pen, std::ostream* os) {
  *os << pen.name;
}

void Apply(const Pen& pen, ImageSurface& s) {
  s.SetDrawWidth(pen.width);
  s.SetDrawStyle(pen.style);
  s.SetDrawMode(pen.mode);
  s.SetForeColor(RGB(200, 30, 90));
}

// Lines of every length up to beyond the stamps' reach, anywhere in and
// around the picture, some repeated at once and some later, a few with an
// end that is not a number.
std::vector<WorldLine> RandomLines(const WorldScale& scale, int count, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> px(-12.0, scale.pixelWidth + 12.0);
  std::uniform_real_distribution<double> py(-12.0, scale.pixelHeight + 12.0);
  std::uniform_int_distribution<int> reach(0, 5);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  const double lengths[] = {0.5, 2.0, 6.0, 20.0, 30.0, 80.0};
  std::vector<WorldLine> lines;
  for (int k = 0; k < count; ++k) {
    const double x = px(gen), y = py(gen);
    const double len = lengths[reach(gen)];
    const double x2 = x + len * unit(gen), y2 = y + len * unit(gen);
    lines.push_back({scale.WorldX(x), scale.WorldY(y), scale.WorldX(x2), scale.WorldY(y2)});
    if (k % 7 == 0) lines.push_back(lines.back());
    if (k % 11 == 0 && k >= 40) lines.push_back(lines[k - 40]);
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  lines.insert(lines.begin() + count / 2,
               {{nan, scale.WorldY(3), scale.WorldX(5), scale.WorldY(5)},
                {scale.WorldX(4), scale.WorldY(4), scale.WorldX(6), nan}});
  return lines;
}

// The pixels at exactly half the pen width from an end pixel of a line.
QImage Ties(const ImageSurface& s, const std::vector<WorldLine>& lines, int width) {
  QImage ties(s.width(), s.height(), QImage::Format_Mono);
  ties.fill(0);
  for (const WorldLine& l : lines) {
    for (const auto& [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}}) {
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      const int px = s.PixelIndexX(x), py = s.PixelIndexY(y);
      for (int dy = -width; dy <= width; ++dy)
        for (int dx = -width; dx <= width; ++dx)
          if (4 * (dx * dx + dy * dy) == width * width && ties.valid(px + dx, py + dy))
            ties.setPixel(px + dx, py + dy, 1);
    }
  }
  return ties;
}

struct Picture {
  int width, height;
  double left, top, worldWidth, worldHeight;
};

class BatchedLines : public testing::TestWithParam<Pen> {};

TEST_P(BatchedLines, GiveThePictureOfLineByLine) {
  const Pen& pen = GetParam();
  // A small picture in a world with upward y, and the plot's picture size.
  const Picture pictures[] = {{61, 47, -3.5, 20.25, 48.0, -30.5}, {1200, 800, 0, 1, 1, -1}};
  for (const Picture& p : pictures) {
    SCOPED_TRACE(testing::Message() << p.width << " x " << p.height);
    ImageSurface batched(p.width, p.height), single(p.width, p.height);
    for (ImageSurface* s : {&batched, &single}) {
      s->SetScale(p.left, p.top, p.worldWidth, p.worldHeight);
      Stripes(*s);
      Apply(pen, *s);
    }
    const std::vector<WorldLine> lines =
        RandomLines(batched.Scale(), p.width * p.height / 40, static_cast<unsigned>(p.width));
    batched.Lines(lines);
    for (const WorldLine& l : lines) single.Line(l.x1, l.y1, l.x2, l.y2);
    const QImage a = batched.image(), b = single.image();
    const QImage ties = Ties(batched, lines, pen.width);
    int differ = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        differ += a.pixel(x, y) != b.pixel(x, y) && ties.pixelIndex(x, y) == 0;
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(batched.CurrentX(), single.CurrentX());
    EXPECT_EQ(batched.CurrentY(), single.CurrentY());
  }
}

INSTANTIATE_TEST_SUITE_P(Pens, BatchedLines,
                         testing::Values(Pen{"Width1", 1, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Width2", 2, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Width3", 3, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Width4", 4, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Width8", 8, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Width9", 9, LineStyle::Solid, DrawMode::Copy},
                                         Pen{"Dashed", 1, LineStyle::Dash, DrawMode::Copy},
                                         Pen{"Inverted", 1, LineStyle::Solid, DrawMode::Invert},
                                         Pen{"WideInverted", 2, LineStyle::Solid,
                                             DrawMode::Invert}),
                         [](const testing::TestParamInfo<Pen>& info) { return info.param.name; });

// Slanted lines below: no pixel centre lies where a round cap meets the
// line's sides, so the pictures are identical.
TEST(BatchedLines, ALineRepeatedAfterTextCoversItAgain) {
  ImageSurface batched(60, 30), single(60, 30);
  const WorldLine line{2, 14, 57, 15};
  for (ImageSurface* s : {&batched, &single}) {
    s->SetDrawWidth(2);
    s->SetFont(14, true);
  }
  batched.Lines({&line, 1});
  single.Line(line.x1, line.y1, line.x2, line.y2);
  for (ImageSurface* s : {&batched, &single}) {
    s->SetForeColor(RGB(0, 120, 255));
    s->SetTextPosition(1, 4);
    s->Print("WWWW");
    s->SetForeColor(RGB(0, 0, 0));
  }
  batched.Lines({&line, 1});
  single.Line(line.x1, line.y1, line.x2, line.y2);
  EXPECT_EQ(batched.image(), single.image());
  EXPECT_EQ(batched.PixelAt(30, 14), qRgb(0, 0, 0));
}

TEST(BatchedLines, FollowPenChangesBetweenBatches) {
  ImageSurface batched(40, 40), single(40, 40);
  for (int width : {1, 4, 2, 4}) {
    const WorldLine lines[] = {{3.0 + width, 3, 30, 12.0 + width}, {5, 30, 9.0 + width, 20}};
    for (ImageSurface* s : {&batched, &single}) {
      s->SetDrawWidth(width);
      s->SetForeColor(RGB(50 * width, 0, 0));
    }
    batched.Lines(lines);
    for (const WorldLine& l : lines) single.Line(l.x1, l.y1, l.x2, l.y2);
  }
  EXPECT_EQ(batched.image(), single.image());
}

}  // namespace
