#include "dialogs/ui/dialogues_reseaux.h"

#include <utility>

#include "dialogs/ui/choixniveau.h"
#include "dialogs/ui/fgereiso.h"
#include "dialogs/ui/fisov.h"
#include "dialogs/ui/tableau.h"
#include "plot/ui/newtrace.h"

DialoguesReseaux::DialoguesReseaux(Newtrace& trace, MessageService& messages,
                                   std::function<void(const std::string&)> choixVariable)
    : QObject(&trace),
      trace_(trace),
      messages_(messages),
      choixVariable_(std::move(choixVariable)) {}

void DialoguesReseaux::ApresChoix(EffetChoix effet) {
  if (effet != EffetChoix::ReseauCree && effet != EffetChoix::ReseauModifie) return;
  RafraichitListe();
  if (effet == EffetChoix::ReseauCree) {
    MontreFisov();
  } else if (fisov_ && fisov_->isVisible()) {
    // The network took its new variable's name and limits: the fields
    // typed before the choice would undo them.
    fisov_->Form_Load();
  }
}

void DialoguesReseaux::MontreGereiso() {
  if (!gereiso_) {
    gereiso_ = new FGereiso(trace_.Modele(), messages_, &trace_);
    connect(gereiso_, &FGereiso::choixVariable, this,
            [this](const std::string& pour) { choixVariable_(pour); });
    connect(gereiso_, &FGereiso::modifie, this, &DialoguesReseaux::MontreFisov);
    connect(gereiso_, &FGereiso::supprime, this, &DialoguesReseaux::Supprime);
  }
  gereiso_->Ouvre();
}

void DialoguesReseaux::MontreFisov() {
  if (!fisov_) {
    fisov_ = new Fisov(trace_.Modele(), messages_, &trace_);
    connect(fisov_, &Fisov::montreTableau, this, &DialoguesReseaux::MontreTableau);
    connect(fisov_, &Fisov::choixVariable, this,
            [this](const std::string& pour) { choixVariable_(pour); });
    connect(fisov_, &Fisov::ecrit, this, &DialoguesReseaux::RafraichitListe);
  }
  fisov_->OuvreCourant();
  // The table follows the network being edited.
  if (tableau_ && tableau_->isVisible()) tableau_->Form_Load();
}

void DialoguesReseaux::MontreTableau() {
  if (!tableau_) tableau_ = new Tableau(trace_.Modele(), messages_, &trace_);
  tableau_->Ouvre();
}

void DialoguesReseaux::Supprime(int reseau) {
  const bool fisov = fisov_ && fisov_->isVisible();
  const bool tableau = tableau_ && tableau_->isVisible();
  if (!fisov && !tableau) return;
  // The open dialogs edit one network; deleting another must not turn them
  // onto a different one.
  const int edite = fisov ? fisov_->Reseau() : tableau_->Reseau();
  if (edite == reseau) {
    if (fisov) fisov_->Abandonne();
    if (tableau) tableau_->close();
    return;
  }
  PlotModel& m = trace_.Modele();
  m.ReseauCourant = edite > reseau ? edite - 1 : edite;
  if (fisov) fisov_->Renumerote(m.ReseauCourant);
  if (tableau) tableau_->Renumerote(m.ReseauCourant);
}

void DialoguesReseaux::RafraichitListe() {
  if (gereiso_ && gereiso_->isVisible()) gereiso_->Form_Load();
}

void DialoguesReseaux::MontreChoixniveau() {
  if (!choixniveau_) {
    choixniveau_ = new Choixniveau(trace_.Modele(), &trace_);
    connect(choixniveau_, &Choixniveau::documente, &trace_, &Newtrace::DocumentationChoisie);
  }
  choixniveau_->Ouvre();
}
