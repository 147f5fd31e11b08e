#include "dialogs/ui/topniveau.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/titres.h"
#include "dialogs/ui/texte_qt.h"

Topniveau::Topniveau(PlotModel& modele, std::function<void()> redessine, QWidget* parent)
    : FenetreReglage(parent), modele_(modele), redessine_(std::move(redessine)) {
  setWindowTitle(TexteQt(kTitreTopniveau));
  auto* layout = new QVBoxLayout(this);
  auto* entete = new QLabel(TexteQt(kEnteteTopniveau), this);
  entete->setAlignment(Qt::AlignCenter);
  layout->addWidget(entete);

  auto* grille = new QGridLayout;
  Laboratoire = new QPushButton("Laboratoire", this);
  Text2 = new QLineEdit(TexteQt(kInviteLabo), this);
  Titre = new QPushButton("Titre", this);
  Text1 = new QLineEdit(TexteQt(kInviteReseau), this);
  Text1->setMinimumWidth(320);
  grille->addWidget(Laboratoire, 0, 0);
  grille->addWidget(Text2, 0, 1);
  grille->addWidget(Titre, 1, 0);
  grille->addWidget(Text1, 1, 1);
  layout->addLayout(grille);

  Fin = new QPushButton("Accepte", this);
  layout->addWidget(Fin, 0, Qt::AlignCenter);

  connect(Laboratoire, &QPushButton::clicked, this, &Topniveau::Laboratoire_Click);
  connect(Titre, &QPushButton::clicked, this, &Topniveau::Titre_Click);
  connect(Fin, &QPushButton::clicked, this, &Topniveau::Fin_Click);
  SurPerteFocus(Text1, [this] { Text1_LostFocus(); });
  SurPerteFocus(Text2, [this] { Text2_LostFocus(); });
}

void Topniveau::Form_Load() {
  const ChampsTitres champs = ChargeTitres(modele_);
  Text1->setText(TexteQt(champs.Text1));
  Text2->setText(TexteQt(champs.Text2));
}

void Topniveau::Laboratoire_Click() {
  Text2->setFocus();
}

void Topniveau::Titre_Click() {
  Text1->setFocus();
}

void Topniveau::Stocke(const std::function<void()>& stocke) {
  const ChampsTitres avant = ChargeTitres(modele_);
  stocke();
  if (ChargeTitres(modele_) != avant) redessine_();
}

void Topniveau::Text1_LostFocus() {
  Stocke([this] { StockeTitreReseau(modele_, TexteStd(Text1->text())); });
}

void Topniveau::Text2_LostFocus() {
  Stocke([this] { StockeTitreLabo(modele_, TexteStd(Text2->text())); });
}

void Topniveau::Fin_Click() {
  Stocke([this] { AccepteTitres(modele_, {TexteStd(Text1->text()), TexteStd(Text2->text())}); });
  close();
}
