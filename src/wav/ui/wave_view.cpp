#include "wav/ui/wave_view.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "engine/number_format.h"
#include "engine/number_text.h"
#include "platform/ui/picture_box.h"
#include "wav/dessin_wave.h"

WaveView::WaveView(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle("Wave View");
  Label1 = new QLabel("Label1", this);
  Picture = new PictureBox(this);
  Picture->setMinimumSize(400, 200);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Picture, 1);
  resize(640, 360);
  connect(Picture, &PictureBox::mouseMove, this,
          [this](double x, double y, Qt::MouseButtons) { Form_MouseMove(x, y); });
  connect(Picture, &PictureBox::mouseDown, this,
          [this](double, double, Qt::MouseButtons) { close(); });
}

void WaveView::Dessine(const SignalWave& signal, int16_t bitsPerSample) {
  DessineWave(Picture->surface(), signal, bitsPerSample);
  Picture->Refresh();
}

void WaveView::Form_MouseMove(double x, double y) {
  Label1->setText(QString::fromStdString("N=" + FormatNombre(x, "#######") +
                                         " Y=" + StrSingle(static_cast<float>(y))));
}

bool WaveView::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate) close();
  return QWidget::event(e);
}

void WaveView::mousePressEvent(QMouseEvent* e) {
  close();
  QWidget::mousePressEvent(e);
}
