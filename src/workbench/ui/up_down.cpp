#include "workbench/ui/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* arrow : {up_, down_}) {
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setFixedSize(18, 11);
    column->addWidget(arrow);
  }
  connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void UpDown::StepBy(int steps) {
  double value = std::round(LireNombre(buddy_->text().toStdString()));
  value = std::clamp(value + steps, static_cast<double>(minimum_), static_cast<double>(maximum_));
  buddy_->setText(QString::number(static_cast<int>(value)));
}
