#include "platform/ui/picture_box.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

class PictureBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    box_.resize(200, 100);
    box_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box_));
    // x from 1 to 101, y from 10 at the top down to -10 (upward y).
    box_.surface().SetScale(1, 10, 100, -20);
  }

  // What the widget shows, overlays included.
  QImage Shown() { return box_.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  PictureBox box_;
};

struct ClickCase {
  QPoint pixel;  // not (0, 0): QTest takes a null point for the widget's centre
  Qt::MouseButton button;
  double x, y;
};

const ClickCase kClicks[] = {
    {{1, 0}, Qt::LeftButton, 1.5, 10.0},      {{0, 1}, Qt::RightButton, 1.0, 9.8},
    {{50, 40}, Qt::LeftButton, 26.0, 2.0},    {{199, 99}, Qt::MiddleButton, 100.5, -9.8},
    {{120, 75}, Qt::RightButton, 61.0, -5.0},
};

TEST_F(PictureBoxTest, MouseEventsArriveInWorldCoordinates) {
  QSignalSpy down(&box_, &PictureBox::mouseDown);
  QSignalSpy up(&box_, &PictureBox::mouseUp);
  for (const ClickCase& c : kClicks) {
    SCOPED_TRACE(testing::Message() << c.pixel.x() << ", " << c.pixel.y());
    down.clear();
    up.clear();
    QTest::mousePress(&box_, c.button, Qt::NoModifier, c.pixel);
    QTest::mouseRelease(&box_, c.button, Qt::NoModifier, c.pixel);
    ASSERT_EQ(down.size(), 1);
    EXPECT_NEAR(down[0][0].toDouble(), c.x, 1e-9);
    EXPECT_NEAR(down[0][1].toDouble(), c.y, 1e-9);
    EXPECT_EQ(down[0][2].value<Qt::MouseButtons>(), Qt::MouseButtons(c.button));
    ASSERT_EQ(up.size(), 1);
    EXPECT_NEAR(up[0][0].toDouble(), c.x, 1e-9);
    EXPECT_NEAR(up[0][1].toDouble(), c.y, 1e-9);
    EXPECT_EQ(up[0][2].value<Qt::MouseButtons>(), Qt::MouseButtons(c.button));
  }
}

TEST_F(PictureBoxTest, MovesArriveWithTheButtonsHeld) {
  QSignalSpy move(&box_, &PictureBox::mouseMove);
  QTest::mouseMove(&box_, QPoint(50, 40));
  ASSERT_GE(move.size(), 1);
  EXPECT_NEAR(move.back()[0].toDouble(), 26.0, 1e-9);
  EXPECT_NEAR(move.back()[1].toDouble(), 2.0, 1e-9);
  EXPECT_EQ(move.back()[2].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::NoButton));

  // With a button held, the move says so.
  move.clear();
  QTest::mousePress(&box_, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseMove(&box_, QPoint(120, 75));
  ASSERT_GE(move.size(), 1);
  EXPECT_NEAR(move.back()[0].toDouble(), 61.0, 1e-9);
  EXPECT_NEAR(move.back()[1].toDouble(), -5.0, 1e-9);
  EXPECT_EQ(move.back()[2].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
  QTest::mouseRelease(&box_, Qt::LeftButton, Qt::NoModifier, QPoint(120, 75));
}

TEST_F(PictureBoxTest, ShowsTheSurface) {
  ImageSurface& s = box_.surface();
  EXPECT_EQ(s.width(), 200);
  EXPECT_EQ(s.height(), 100);
  s.FilledBox(1, 10, 51, 0, RGB(0, 0, 255));  // left quarter, top half
  box_.Refresh();
  const QImage shown = Shown();
  EXPECT_EQ(shown.pixel(10, 10), qRgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(150, 80), qRgb(255, 255, 255));
  EXPECT_EQ(shown, s.image());
}

TEST_F(PictureBoxTest, OverlayLinesLeaveTheDrawingAlone) {
  ImageSurface& s = box_.surface();
  s.FilledBox(1, 10, 101, 0, RGB(200, 100, 50));  // top half coloured
  const QImage drawing = s.image().copy();

  // A vertical inverting line at x = 26 (column 50) over the whole height and
  // a red horizontal one at y = -5 (row 75).
  box_.SetOverlayLine(1, 26, 10, 26, -9.9);
  box_.SetOverlayLine(2, 1, -5, 101, -5, true, PictureBox::OverlayMode::Colour, RGB(255, 0, 0));
  EXPECT_TRUE(box_.OverlayVisible(1));
  EXPECT_TRUE(box_.OverlayVisible(2));
  const QImage shown = Shown();
  EXPECT_EQ(s.image(), drawing);
  for (int y = 0; y < 100; ++y) {
    const QRgb expected = y == 75 ? qRgb(255, 0, 0) : drawing.pixel(50, y) ^ 0x00FFFFFFu;
    ASSERT_EQ(shown.pixel(50, y), expected) << y;
  }
  for (int x = 0; x < 200; ++x) {
    if (x == 50) continue;
    ASSERT_EQ(shown.pixel(x, 75), qRgb(255, 0, 0)) << x;
  }
  EXPECT_EQ(shown.pixel(49, 10), drawing.pixel(49, 10));
  EXPECT_EQ(shown.pixel(51, 74), drawing.pixel(51, 74));

  box_.SetOverlayVisible(2, false);
  EXPECT_FALSE(box_.OverlayVisible(2));
  EXPECT_EQ(Shown().pixel(10, 75), drawing.pixel(10, 75));
  box_.HideOverlays();
  EXPECT_FALSE(box_.OverlayVisible(1));
  EXPECT_FALSE(box_.OverlayVisible(7));  // never set
  EXPECT_EQ(Shown(), drawing);
  EXPECT_EQ(s.image(), drawing);
}

// Records the regions it repaints.
class RecordingBox : public PictureBox {
 public:
  QRegion repainted;

 protected:
  void paintEvent(QPaintEvent* event) override {
    repainted += event->region();
    PictureBox::paintEvent(event);
  }
};

TEST(PictureBox, HidingAMarkerRepaintsWhereItWasShownEvenAfterTheScaleMoved) {
  RecordingBox box;
  box.resize(200, 100);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  box.surface().SetScale(0, 0, 200, 100);
  box.SetOverlayLine(1, 50, 0, 50, 99);
  QCoreApplication::processEvents();
  box.repainted = QRegion();

  box.surface().SetScale(-100, 0, 200, 100);  // the marker's place is now column 150
  box.SetOverlayVisible(1, false);
  QCoreApplication::processEvents();
  EXPECT_TRUE(box.repainted.contains(QRect(50, 0, 1, 100)));
}

TEST(PictureBox, SurfaceHasTheWidgetSizeBeforeItIsShown) {
  PictureBox box;
  box.resize(123, 45);
  EXPECT_EQ(box.surface().width(), 123);
  EXPECT_EQ(box.surface().height(), 45);
  box.surface().SetScale(0, 0, 1, 1);
  EXPECT_DOUBLE_EQ(box.WorldX(123), 1.0);
  EXPECT_DOUBLE_EQ(box.WorldY(45), 1.0);
}

TEST_F(PictureBoxTest, ResizingResizesTheSurfaceAndTellsTheOwner) {
  QSignalSpy resized(&box_, &PictureBox::resized);
  box_.resize(300, 150);
  QTest::qWait(0);
  EXPECT_GE(resized.size(), 1);
  EXPECT_EQ(box_.surface().width(), 300);
  EXPECT_EQ(box_.surface().height(), 150);
  EXPECT_DOUBLE_EQ(box_.surface().Scale().left, 1.0);  // the world scale stays
}

}  // namespace
