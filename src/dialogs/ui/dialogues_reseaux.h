#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "dialogs/choix_variable.h"
#include "dialogs/ui/choixniveau.h"
#include "dialogs/ui/fgereiso.h"
#include "dialogs/ui/fisov.h"
#include "dialogs/ui/tableau.h"

class Newtrace;

// The network dialogs of one plot window: the list FGereiso, the network
// dialog Fisov, its table Tableau and the chooser Choixniveau. Each window
// is created when first shown and goes with the plot window. The network
// dialog and the table always stay on network ReseauCourant: when another
// network becomes current they reload, and when theirs is deleted they
// close.
//
// Typical use, where the plot window is built:
//   auto* r = new DialoguesReseaux(*w, platform.messages);
//   r->BrancheChoixVariable(...);  // shows Choisirfonc, which calls ApresChoix
//   w->BrancheNiveaux([r] { r->MontreGereiso(); });
//   w->BrancheChoixniveau([r] { r->MontreChoixniveau(); });
class DialoguesReseaux : public QObject {
  Q_OBJECT

 public:
  DialoguesReseaux(Newtrace& trace, MessageService& messages);

  // The variable chooser, told what the choice is for ("Nouveau Réseau",
  // "Modification Réseau"). Without it "AJOUTE" and "Choix du réseau :" do
  // nothing.
  void BrancheChoixVariable(std::function<void(const std::string& choixPour)> montre);
  // The chooser applied a choice: a new network gets its dialog, a network
  // with a new variable has its open dialog refreshed.
  void ApresChoix(EffetChoix effet);

  void MontreGereiso();
  void MontreChoixniveau();

  FGereiso* Gereiso() const { return gereiso_; }
  Fisov* Reseau() const { return fisov_; }
  Tableau* Table() const { return tableau_; }
  Choixniveau* ChoixNiveau() const { return choixniveau_; }

 private:
  void MontreFisov();
  void MontreTableau();
  void Supprime(int reseau);
  void RafraichitListe();
  void ChoixVariable(const std::string& choixPour);

  Newtrace& trace_;
  MessageService& messages_;
  std::function<void(const std::string&)> montreChoixVariable_;
  QPointer<FGereiso> gereiso_;
  QPointer<Fisov> fisov_;
  QPointer<Tableau> tableau_;
  QPointer<Choixniveau> choixniveau_;
};
