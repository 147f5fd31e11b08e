#pragma once

#include <QWidget>

#include "plot/plot_model.h"

class QListWidget;
class QPushButton;

// The choice of the network whose label injector the user places next.
// Loading forgets the documented network; "Accepte" with a network selected
// sets ReseauDoc and tells the plot window, then the dialog closes either
// way. Modeless, filled anew at each opening, destroyed when closed.
class Choixniveau : public QWidget {
  Q_OBJECT

 public:
  explicit Choixniveau(PlotModel& modele, QWidget* parent = nullptr);
  ~Choixniveau() override;

  void Form_Load();

  QListWidget* Listniveau = nullptr;
  QPushButton* Accepte = nullptr;

  void Accepte_Click();

 signals:
  // Network `reseau` (1-based) was chosen: documentation mode for it.
  void documente(int reseau);

 private:
  PlotModel& modele_;
};
