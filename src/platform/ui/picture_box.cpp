#include "platform/ui/picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), surface_(std::max(1, width()), std::max(1, height())) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SyncSize() const {
  surface_.Resize(width(), height());
}

ImageSurface& PictureBox::surface() {
  SyncSize();
  return surface_;
}

const ImageSurface& PictureBox::surface() const {
  SyncSize();
  return surface_;
}

void PictureBox::Refresh() {
  update();
}

double PictureBox::WorldX(double px) const {
  return surface().Scale().WorldX(px);
}

double PictureBox::WorldY(double py) const {
  return surface().Scale().WorldY(py);
}

PictureBox::Overlay* PictureBox::Find(int index) {
  if (index < 1 || index > static_cast<int>(overlays_.size())) return nullptr;
  return &overlays_[index - 1];
}

const PictureBox::Overlay* PictureBox::Find(int index) const {
  if (index < 1 || index > static_cast<int>(overlays_.size())) return nullptr;
  return &overlays_[index - 1];
}

QPoint PictureBox::PixelOf(double x, double y) const {
  return QPoint(surface_.PixelIndexX(x), surface_.PixelIndexY(y));
}

QRect PictureBox::PixelBounds(const Overlay& o) const {
  SyncSize();
  const QPoint a = PixelOf(o.x1, o.y1), b = PixelOf(o.x2, o.y2);
  return QRect(QPoint(std::min(a.x(), b.x()) - 1, std::min(a.y(), b.y()) - 1),
               QPoint(std::max(a.x(), b.x()) + 1, std::max(a.y(), b.y()) + 1)) &
         rect();
}

void PictureBox::SetOverlayLine(int index, double x1, double y1, double x2, double y2, bool visible,
                                OverlayMode mode, Couleur colour) {
  if (index < 1) return;
  if (index > static_cast<int>(overlays_.size())) overlays_.resize(index);
  Overlay& o = overlays_[index - 1];
  Erase(o);
  o = Overlay{x1, y1, x2, y2, visible, mode, colour, QRect()};
  if (o.visible) update(PixelBounds(o));
}

void PictureBox::SetOverlayVisible(int index, bool visible) {
  Overlay* o = Find(index);
  if (o == nullptr || o->visible == visible) return;
  o->visible = visible;
  if (visible) {
    update(PixelBounds(*o));
  } else {
    Erase(*o);
  }
}

void PictureBox::Erase(Overlay& o) {
  if (!o.painted.isEmpty()) update(o.painted);
  o.painted = QRect();
}

bool PictureBox::OverlayVisible(int index) const {
  const Overlay* o = Find(index);
  return o != nullptr && o->visible;
}

void PictureBox::HideOverlays() {
  for (int i = 1; i <= static_cast<int>(overlays_.size()); ++i) SetOverlayVisible(i, false);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRegion(event->region());
  p.drawImage(0, 0, surface().image());
  const bool whole = event->region().contains(rect());
  for (Overlay& o : overlays_) {
    if (!o.visible) continue;
    const QPoint a = PixelOf(o.x1, o.y1), b = PixelOf(o.x2, o.y2);
    o.painted = whole ? PixelBounds(o) : o.painted | PixelBounds(o);
    if (o.mode == OverlayMode::Invert) {
      p.setCompositionMode(QPainter::RasterOp_NotDestination);
      p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
    } else {
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.setPen(QPen(QColor(RougeDe(o.colour), VertDe(o.colour), BleuDe(o.colour)), 1, Qt::SolidLine,
                    Qt::SquareCap));
    }
    if (a == b) {
      p.drawPoint(a);
    } else {
      p.drawLine(a, b);
    }
  }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  SyncSize();
  emit resized();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  emit mouseDown(WorldX(pos.x()), WorldY(pos.y()), event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  emit mouseMove(WorldX(pos.x()), WorldY(pos.y()), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  emit mouseUp(WorldX(pos.x()), WorldY(pos.y()), event->button());
}
