#include "dialogs/ui/fgereiso.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/choix_variable.h"
#include "dialogs/reseaux.h"
#include "dialogs/ui/liste_selection.h"
#include "dialogs/ui/texte_qt.h"

FGereiso::FGereiso(PlotModel& modele, MessageService& messages, QWidget* parent)
    : FenetreReglage(parent), modele_(modele), messages_(messages) {
  setWindowTitle(TexteQt(kTitreGereiso));
  auto* grille = new QGridLayout(this);
  Listiso = new QListWidget(this);
  Ajoute = new QPushButton("AJOUTE", this);
  Modifie = new QPushButton("MODIFIE", this);
  Supprime = new QPushButton("SUPPRIME", this);
  Accepte = new QPushButton("ACCEPTE", this);
  grille->addWidget(Listiso, 0, 0, 5, 1);
  grille->addWidget(Ajoute, 0, 1);
  grille->addWidget(Modifie, 1, 1);
  grille->addWidget(Supprime, 2, 1);
  grille->setRowStretch(3, 1);
  grille->addWidget(Accepte, 4, 1);
  connect(Ajoute, &QPushButton::clicked, this, &FGereiso::Ajoute_Click);
  connect(Modifie, &QPushButton::clicked, this, &FGereiso::Modifie_Click);
  connect(Supprime, &QPushButton::clicked, this, &FGereiso::Supprime_Click);
  connect(Accepte, &QPushButton::clicked, this, &FGereiso::Accepte_Click);
}

void FGereiso::Form_Load() {
  const int ligne = LigneChoisie(*Listiso);
  Listiso->clear();
  for (const std::string& nom : ListeReseaux(modele_)) Listiso->addItem(TexteQt(nom));
  if (ligne >= 0 && ligne < Listiso->count()) Listiso->item(ligne)->setSelected(true);
}

void FGereiso::Ajoute_Click() {
  if (const auto refus = RefusAjoute(modele_)) {
    messages_.Show(refus->texte, refus->titre, refus->icone, Boutons::Ok);
    return;
  }
  emit choixVariable(std::string(TextePour(Pour::NouveauReseau)));
}

void FGereiso::Modifie_Click() {
  const int p = LigneChoisie(*Listiso);
  if (p < 0) return;
  modele_.ReseauCourant = p + 1;
  emit modifie();
}

void FGereiso::Supprime_Click() {
  const int p = LigneChoisie(*Listiso);
  if (!SupprimeReseau(modele_, p)) return;
  delete Listiso->takeItem(p);
  emit supprime(p + 1);
}

void FGereiso::Accepte_Click() {
  close();
}
