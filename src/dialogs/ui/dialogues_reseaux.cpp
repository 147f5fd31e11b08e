#include "dialogs/ui/dialogues_reseaux.h"

#include <utility>

#include "plot/ui/newtrace.h"

namespace {

// Shown and not closed: a closed dialog lingers until its deletion runs.
template <class Fenetre>
bool Ouvert(const QPointer<Fenetre>& w) {
  return w && w->isVisible();
}

void Montre(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

}  // namespace

DialoguesReseaux::DialoguesReseaux(Newtrace& trace, MessageService& messages)
    : QObject(&trace), trace_(trace), messages_(messages) {}

void DialoguesReseaux::BrancheChoixVariable(
    std::function<void(const std::string& choixPour)> montre) {
  montreChoixVariable_ = std::move(montre);
}

void DialoguesReseaux::ChoixVariable(const std::string& choixPour) {
  if (montreChoixVariable_) montreChoixVariable_(choixPour);
}

void DialoguesReseaux::ApresChoix(EffetChoix effet) {
  if (effet != EffetChoix::ReseauCree && effet != EffetChoix::ReseauModifie) return;
  RafraichitListe();
  if (effet == EffetChoix::ReseauCree) {
    MontreFisov();
  } else if (Ouvert(fisov_)) {
    // The network took its new variable's name and limits: the fields
    // typed before the choice would undo them.
    fisov_->Form_Load();
  }
}

void DialoguesReseaux::MontreGereiso() {
  if (!Ouvert(gereiso_)) {
    gereiso_ = new FGereiso(trace_.Modele(), messages_, &trace_);
    gereiso_->Form_Load();
    connect(gereiso_, &FGereiso::choixVariable, this, &DialoguesReseaux::ChoixVariable);
    connect(gereiso_, &FGereiso::modifie, this, &DialoguesReseaux::MontreFisov);
    connect(gereiso_, &FGereiso::supprime, this, &DialoguesReseaux::Supprime);
  }
  Montre(gereiso_);
}

void DialoguesReseaux::MontreFisov() {
  if (Ouvert(fisov_)) {
    fisov_->Recharge();
  } else {
    fisov_ = new Fisov(trace_.Modele(), messages_, &trace_);
    fisov_->Form_Load();
    connect(fisov_, &Fisov::montreTableau, this, &DialoguesReseaux::MontreTableau);
    connect(fisov_, &Fisov::choixVariable, this, &DialoguesReseaux::ChoixVariable);
    connect(fisov_, &Fisov::ecrit, this, &DialoguesReseaux::RafraichitListe);
  }
  // The table follows the network being edited.
  if (Ouvert(tableau_)) tableau_->Form_Load();
  Montre(fisov_);
}

void DialoguesReseaux::MontreTableau() {
  if (!Ouvert(tableau_)) tableau_ = new Tableau(trace_.Modele(), messages_, &trace_);
  tableau_->Form_Load();
  Montre(tableau_);
}

void DialoguesReseaux::Supprime(int reseau) {
  const bool fisov = Ouvert(fisov_);
  const bool tableau = Ouvert(tableau_);
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
  if (gereiso_) gereiso_->Form_Load();
}

void DialoguesReseaux::MontreChoixniveau() {
  // Filled anew at each opening.
  delete choixniveau_.data();
  choixniveau_ = new Choixniveau(trace_.Modele(), &trace_);
  choixniveau_->Form_Load();
  connect(choixniveau_, &Choixniveau::documente, &trace_, &Newtrace::DocumentationChoisie);
  Montre(choixniveau_);
}
