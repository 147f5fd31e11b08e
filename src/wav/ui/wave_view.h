#pragma once

#include <QWidget>

#include "wav/caract_wave.h"

class QLabel;
class PictureBox;

// "Wave View": the waveform of a WAV file for a channel choice, with a
// read-out of the sample under the mouse. It closes itself at the first
// click or when it loses the focus.
class WaveView : public QWidget {
  Q_OBJECT

 public:
  explicit WaveView(QWidget* parent = nullptr);

  // Draws the series (DessineWave) and refreshes the picture.
  void Dessine(const SignalWave& signal, int16_t bitsPerSample);

  QLabel* Label1 = nullptr;
  PictureBox* Picture = nullptr;

 protected:
  bool event(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void Form_MouseMove(double x, double y);
};
