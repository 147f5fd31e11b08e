#include "dialogs/ui/choisirfonc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/ui/texte_qt.h"

Choisirfonc::Choisirfonc(PlotModel& modele, std::function<void(EffetChoix)> apres, QWidget* parent)
    : FenetreReglage(parent), modele_(modele), apres_(std::move(apres)) {
  setWindowTitle(TexteQt(kTitreChoisirfonc));
  auto* layout = new QVBoxLayout(this);
  auto* ligne = new QHBoxLayout;
  ligne->addWidget(new QLabel(TexteQt(kLegendeChoisirfonc), this));
  Label2 = new QLabel(this);
  Label2->setStyleSheet("color: red");
  ligne->addWidget(Label2, 1);
  layout->addLayout(ligne);

  Variables = new QListWidget(this);
  layout->addWidget(Variables, 1);
  Accepte = new QPushButton("Accepte", this);
  layout->addWidget(Accepte, 0, Qt::AlignCenter);
  connect(Accepte, &QPushButton::clicked, this, &Choisirfonc::Accepte_Click);
}

void Choisirfonc::Choisit(const std::string& choixPour) {
  choixPour_ = choixPour;
  Ouvre();
}

void Choisirfonc::Form_Load() {
  Label2->setText(TexteQt(choixPour_));
  Variables->clear();
  for (const std::string& nom : ListeVariables(modele_)) Variables->addItem(TexteQt(nom));
}

void Choisirfonc::Accepte_Click() {
  // A list with no current item reports -1; a current item the user
  // deselected (Ctrl+click) is no choice either.
  const QListWidgetItem* item = Variables->currentItem();
  varChoisie_ = item && item->isSelected() ? Variables->row(item) : -1;
  const EffetChoix effet = AppliqueChoix(modele_, choixPour_, varChoisie_);
  close();
  if (apres_) apres_(effet);
}
