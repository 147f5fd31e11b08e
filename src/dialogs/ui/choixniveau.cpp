#include "dialogs/ui/choixniveau.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/reseaux.h"
#include "dialogs/ui/liste_selection.h"
#include "dialogs/ui/texte_qt.h"

Choixniveau::Choixniveau(PlotModel& modele, QWidget* parent)
    : FenetreReglage(parent), modele_(modele) {
  setWindowTitle(TexteQt(kTitreChoixniveau));
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(new QLabel(TexteQt(kLegendeChoixniveau), this));
  Listniveau = new QListWidget(this);
  colonne->addWidget(Listniveau, 1);
  Accepte = new QPushButton("Accepte", this);
  colonne->addWidget(Accepte);
  connect(Accepte, &QPushButton::clicked, this, &Choixniveau::Accepte_Click);
}

void Choixniveau::Form_Load() {
  ChargeChoixNiveau(modele_);
  Listniveau->clear();
  for (const std::string& nom : ListeReseaux(modele_)) Listniveau->addItem(TexteQt(nom));
}

void Choixniveau::Accepte_Click() {
  AccepteChoixNiveau(modele_, LigneChoisie(*Listniveau));
  if (modele_.ReseauDoc >= 1) emit documente(modele_.ReseauDoc);
  close();
}
