#pragma once

#include "dialogs/ui/fenetre_reglage.h"
#include "plot/plot_model.h"

class QListWidget;
class QPushButton;

// The choice of the network whose label injector the user places next.
// Loading forgets the documented network; "Accepte" with a network selected
// sets ReseauDoc and tells the plot window, then the dialog closes either
// way. Filled anew at each opening.
class Choixniveau : public FenetreReglage {
  Q_OBJECT

 public:
  Choixniveau(PlotModel& modele, QWidget* parent);

  void Form_Load() override;

  QListWidget* Listniveau = nullptr;
  QPushButton* Accepte = nullptr;

  void Accepte_Click();

 signals:
  // Network `reseau` (1-based) was chosen: documentation mode for it.
  void documente(int reseau);

 private:
  PlotModel& modele_;
};
