#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "dialogs/choix_variable.h"

class Choixniveau;
class FGereiso;
class Fisov;
class MessageService;
class Newtrace;
class Tableau;

// The network dialogs of one plot window: the list FGereiso, the network
// dialog Fisov, its table Tableau and the chooser Choixniveau, each created
// the first time it is shown and owned by the plot window. The network
// dialog and the table always stay on network ReseauCourant: when another
// network becomes current they reload, and when theirs is deleted they
// close.
class DialoguesReseaux : public QObject {
  Q_OBJECT

 public:
  // `choixVariable` shows the variable chooser for a purpose ("Nouveau
  // Réseau", "Modification Réseau"); the chooser then reports to ApresChoix.
  DialoguesReseaux(Newtrace& trace, MessageService& messages,
                   std::function<void(const std::string& choixPour)> choixVariable);

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

  Newtrace& trace_;
  MessageService& messages_;
  std::function<void(const std::string&)> choixVariable_;
  // Children of the plot window, gone with it as this object is.
  FGereiso* gereiso_ = nullptr;
  Fisov* fisov_ = nullptr;
  Tableau* tableau_ = nullptr;
  Choixniveau* choixniveau_ = nullptr;
};
