#pragma once

#include <QWidget>
#include <vector>

#include "platform/image_surface.h"

// A picture area: shows the persistent drawing of its ImageSurface (one pixel
// of the surface per pixel of the widget, resized with the widget), reports
// the mouse in world coordinates of the surface's scale, and draws marker
// lines (Line1, Line2, ...) over the drawing without touching it, so that
// cross-hairs and rubber bands cost nothing to move.
//
// Drawing on surface() does not repaint by itself: call Refresh() when a
// drawing is complete. Mouse move events arrive with or without a button held.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  enum class OverlayMode { Invert, Colour };

  explicit PictureBox(QWidget* parent = nullptr);

  // The surface always has the widget's current size (also before the widget
  // is first shown).
  ImageSurface& surface();
  const ImageSurface& surface() const;

  // Repaints the widget from the surface.
  void Refresh();

  // Marker line `index` (1-based, any number) from world (x1, y1) to
  // (x2, y2) in the surface's scale. Invert: every pixel under it shows the
  // inverse of the drawing; Colour: drawn in `colour`.
  void SetOverlayLine(int index, double x1, double y1, double x2, double y2, bool visible = true,
                      OverlayMode mode = OverlayMode::Invert, Couleur colour = RGB(0, 0, 0));
  void SetOverlayVisible(int index, bool visible);
  bool OverlayVisible(int index) const;
  void HideOverlays();

  // World coordinates of a widget pixel position.
  double WorldX(double px) const;
  double WorldY(double py) const;

 signals:
  // `buttons`: the button pressed or released for down and up, the buttons
  // held for move.
  void mouseDown(double x, double y, Qt::MouseButtons buttons);
  void mouseMove(double x, double y, Qt::MouseButtons buttons);
  void mouseUp(double x, double y, Qt::MouseButtons buttons);
  // The widget (and so the surface) changed size: the owner redraws.
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Overlay {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = false;
    OverlayMode mode = OverlayMode::Invert;
    Couleur colour = RGB(0, 0, 0);
    // Where the line may still show on screen, whatever the scale did since
    // it was painted.
    QRect painted;
  };
  void SyncSize() const;
  QPoint PixelOf(double x, double y) const;
  QRect PixelBounds(const Overlay& o) const;
  // Schedules the repaint of what an overlay left on screen.
  void Erase(Overlay& o);
  Overlay* Find(int index);
  const Overlay* Find(int index) const;

  mutable ImageSurface surface_;
  std::vector<Overlay> overlays_;  // element i is Line(i + 1)
};
