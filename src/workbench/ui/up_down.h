#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Spin arrows beside a number field: each arrow steps the whole number shown
// in the field by one, kept inside [minimum, maximum]. The field stays the
// only holder of the value; the arrows only rewrite its text.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

  void StepBy(int steps);

 private:
  QLineEdit* buddy_;
  int minimum_;
  int maximum_;
  QToolButton* up_;
  QToolButton* down_;
};
