#pragma once

#include "dialogs/reseaux.h"
#include "dialogs/ui/fenetre_reglage.h"
#include "platform/services.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// The table of levels of network ReseauCourant: Enter in the entry field
// adds the value typed, "Oter" removes the selected one; each change goes
// into the network at once.
class Tableau : public FenetreReglage {
  Q_OBJECT

 public:
  Tableau(PlotModel& modele, MessageService& messages, QWidget* parent);

  // The list from the table of network ReseauCourant.
  void Form_Load() override;
  // The network the list shows; later networks move down one place when an
  // earlier one is deleted.
  int Reseau() const { return reseau_; }
  void Renumerote(int reseau) { reseau_ = reseau; }

  QLineEdit* Entree = nullptr;  // the entry field above the list
  QListWidget* Combo1 = nullptr;
  QPushButton* Oter = nullptr;
  QPushButton* Accepte = nullptr;

  void Entree_Enter();
  void Oter_Click();
  void Accepte_Click();

 private:
  void BuildControls();
  void Affiche();

  PlotModel& modele_;
  MessageService& messages_;
  TableauValeurs table_;
  int reseau_ = 0;
};
