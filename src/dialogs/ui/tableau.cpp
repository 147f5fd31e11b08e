#include "dialogs/ui/tableau.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ui/liste_selection.h"
#include "dialogs/ui/texte_qt.h"

Tableau::Tableau(PlotModel& modele, MessageService& messages, QWidget* parent)
    : FenetreReglage(parent), modele_(modele), messages_(messages) {
  setWindowTitle(TexteQt(kTitreTableau));
  BuildControls();
}

void Tableau::BuildControls() {
  auto* colonne = new QVBoxLayout(this);
  Entree = new QLineEdit(this);
  Combo1 = new QListWidget(this);
  colonne->addWidget(Entree);
  colonne->addWidget(Combo1, 1);
  auto* boutons = new QHBoxLayout;
  Oter = new QPushButton("Oter", this);
  Accepte = new QPushButton("Accepte", this);
  boutons->addWidget(Oter);
  boutons->addWidget(Accepte);
  colonne->addLayout(boutons);

  connect(Entree, &QLineEdit::returnPressed, this, &Tableau::Entree_Enter);
  connect(Oter, &QPushButton::clicked, this, &Tableau::Oter_Click);
  connect(Accepte, &QPushButton::clicked, this, &Tableau::Accepte_Click);
}

void Tableau::Form_Load() {
  reseau_ = modele_.ReseauCourant;
  table_.Charge(modele_);
  Affiche();
}

void Tableau::Affiche() {
  Combo1->clear();
  for (const std::string& valeur : table_.Liste()) Combo1->addItem(TexteQt(valeur));
}

void Tableau::Entree_Enter() {
  table_.entree = TexteStd(Entree->text());
  if (const auto refus = table_.Ajoute(modele_)) {
    messages_.Show(refus->texte, refus->titre, refus->icone, Boutons::Ok);
  }
  Entree->setText(TexteQt(table_.entree));
  Affiche();
}

void Tableau::Oter_Click() {
  table_.Ote(modele_, LigneChoisie(*Combo1));
  Affiche();
}

void Tableau::Accepte_Click() {
  close();
}
