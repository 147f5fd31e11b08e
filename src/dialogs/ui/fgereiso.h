#pragma once

#include <string>

#include "dialogs/ui/fenetre_reglage.h"
#include "platform/services.h"
#include "plot/plot_model.h"

class QListWidget;
class QPushButton;

// The list of iso-level networks: "AJOUTE" asks the variable chooser for a
// new network, "MODIFIE" opens the network dialog on the selected one,
// "SUPPRIME" deletes it, "ACCEPTE" closes the list.
class FGereiso : public FenetreReglage {
  Q_OBJECT

 public:
  FGereiso(PlotModel& modele, MessageService& messages, QWidget* parent);

  // Listiso from NomReseau(1..NbReseaux); the selection stays on its row
  // where the row still exists.
  void Form_Load() override;

  QListWidget* Listiso = nullptr;
  QPushButton* Ajoute = nullptr;
  QPushButton* Modifie = nullptr;
  QPushButton* Supprime = nullptr;
  QPushButton* Accepte = nullptr;

  void Ajoute_Click();
  void Modifie_Click();
  void Supprime_Click();
  void Accepte_Click();

 signals:
  void choixVariable(const std::string& choixPour);
  // ReseauCourant is the selected network: the network dialog shows it.
  void modifie();
  // Network `reseau` (1-based) was deleted; the later ones moved down.
  void supprime(int reseau);

 private:
  PlotModel& modele_;
  MessageService& messages_;
};
