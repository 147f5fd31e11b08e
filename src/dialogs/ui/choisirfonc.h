#pragma once

#include <functional>
#include <string>

#include "dialogs/choix_variable.h"
#include "dialogs/ui/fenetre_reglage.h"
#include "plot/plot_model.h"

class QLabel;
class QListWidget;
class QPushButton;

// "Choisirfonction": one of the plot variables, chosen for the purpose the
// caller names (shown in red). "Accepte" applies the selected variable to
// the plot model for that purpose, closes the chooser in every case, and
// tells `apres` what the choice did.
class Choisirfonc : public FenetreReglage {
  Q_OBJECT

 public:
  Choisirfonc(PlotModel& modele, std::function<void(EffetChoix)> apres, QWidget* parent);

  QLabel* Label2 = nullptr;  // the purpose
  QListWidget* Variables = nullptr;
  QPushButton* Accepte = nullptr;

  // Opens the chooser for `choixPour` (ChoixPour).
  void Choisit(const std::string& choixPour);
  // The 0-based position chosen at the last "Accepte", -1 when none.
  int VarChoisie() const { return varChoisie_; }

  void Form_Load() override;
  void Accepte_Click();

 private:
  PlotModel& modele_;
  std::function<void(EffetChoix)> apres_;
  std::string choixPour_;
  int varChoisie_ = -1;
};
