#include "dialogs/ui/fisov.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/calage_nombre.h"
#include "dialogs/choix_variable.h"
#include "dialogs/ui/texte_qt.h"

namespace {

constexpr std::array<const char*, 3> kProgressions = {"Arithmétique", "Géométrique",
                                                      "Tableau de valeurs"};

std::string Chaine(const QLineEdit* champ) {
  return TexteStd(champ->text());
}

}  // namespace

Fisov::Fisov(PlotModel& modele, MessageService& messages, QWidget* parent)
    : FenetreReglage(parent), modele_(modele), messages_(messages) {
  setWindowTitle(TexteQt(kTitreFisov));
  BuildControls();
}

void Fisov::BuildControls() {
  auto* colonne = new QVBoxLayout(this);
  auto* entete = new QLabel(TexteQt(kEnteteFisov), this);
  QFont gras = entete->font();
  gras.setBold(true);
  entete->setFont(gras);
  entete->setAlignment(Qt::AlignCenter);
  colonne->addWidget(entete);
  Label2 = new QLabel(this);
  Label2->setAlignment(Qt::AlignCenter);
  colonne->addWidget(Label2);

  auto* grille = new QGridLayout;
  Text1 = new QLineEdit(this);
  Text2 = new QLineEdit(this);
  Text3 = new QLineEdit(this);
  Text4 = new QLineEdit(this);
  Text5 = new QLineEdit(this);
  Label10 = new QLabel(this);
  Label11 = new QLabel(this);
  grille->addWidget(new QLabel("Nom Choisi :", this), 0, 0);
  grille->addWidget(Text1, 0, 1, 1, 3);
  grille->addWidget(new QLabel("Minimum Choisi :", this), 1, 0);
  grille->addWidget(Text2, 1, 1);
  grille->addWidget(new QLabel("pour", this), 1, 2);
  grille->addWidget(Label10, 1, 3);
  grille->addWidget(new QLabel("Maximum Choisi :", this), 2, 0);
  grille->addWidget(Text3, 2, 1);
  grille->addWidget(new QLabel("pour", this), 2, 2);
  grille->addWidget(Label11, 2, 3);
  grille->addWidget(new QLabel("Pas Choisi :", this), 3, 0);
  grille->addWidget(Text4, 3, 1);
  grille->addWidget(new QLabel("Format des Labels :", this), 4, 0);
  grille->addWidget(Text5, 4, 1);
  grille->setColumnStretch(3, 1);
  colonne->addLayout(grille);

  auto* cadre = new QGroupBox("Progression:", this);
  auto* options = new QHBoxLayout(cadre);
  for (int k = 0; k < 3; ++k) {
    Option[k] = new QRadioButton(TexteQt(kProgressions[k]), cadre);
    options->addWidget(Option[k]);
    connect(Option[k], &QRadioButton::clicked, this, [this, k] { Option_Click(k + 1); });
  }
  colonne->addWidget(cadre);

  auto* boutons = new QHBoxLayout;
  AccesTableau = new QPushButton(TexteQt("Accés Tableau"), this);
  ChoixReseau = new QPushButton(TexteQt("Choix du réseau :"), this);
  Accepte = new QPushButton("ACCEPTE", this);
  boutons->addWidget(AccesTableau);
  boutons->addWidget(ChoixReseau);
  boutons->addStretch();
  boutons->addWidget(Accepte);
  colonne->addLayout(boutons);

  SurPerteFocus(Text2, [this] { Text2_LostFocus(); });
  SurPerteFocus(Text3, [this] { Text3_LostFocus(); });
  SurPerteFocus(Text4, [this] { Text4_LostFocus(); });
  connect(AccesTableau, &QPushButton::clicked, this, &Fisov::AccesTableau_Click);
  connect(ChoixReseau, &QPushButton::clicked, this, &Fisov::ChoixReseau_Click);
  connect(Accepte, &QPushButton::clicked, this, &Fisov::Accepte_Click);
}

void Fisov::Form_Load() {
  reseau_ = modele_.ReseauCourant;
  const ChampsReseau c = ChampsDuReseau(modele_);
  progressionChargee_ = c.progression;
  Affiche(c);
}

void Fisov::Affiche(const ChampsReseau& c) {
  Label2->setText(TexteQt(c.Label2));
  Text1->setText(TexteQt(c.Text1));
  Text2->setText(TexteQt(c.Text2));
  Text3->setText(TexteQt(c.Text3));
  Text4->setText(TexteQt(c.Text4));
  Text5->setText(TexteQt(c.Text5));
  Label10->setText(TexteQt(c.Label10));
  Label11->setText(TexteQt(c.Label11));
  for (int k = 0; k < 3; ++k) Option[k]->setChecked(c.progression == k + 1);
  AccesTableau->setVisible(c.accesTableau);
}

ChampsReseau Fisov::Champs() const {
  ChampsReseau c;
  c.Text1 = Chaine(Text1);
  c.Text2 = Chaine(Text2);
  c.Text3 = Chaine(Text3);
  c.Text4 = Chaine(Text4);
  c.Text5 = Chaine(Text5);
  return c;
}

bool Fisov::Ecrit() {
  if (const auto refus = RelitReseau(modele_, reseau_, Champs())) {
    messages_.Show(refus->texte, refus->titre, refus->icone, Boutons::Ok);
    return false;
  }
  emit ecrit();
  return true;
}

void Fisov::OuvreCourant() {
  if (isVisible() && !Ecrit() && reseau_ >= 1 &&
      reseau_ < static_cast<int>(modele_.ReseauProgression.size())) {
    modele_.ReseauProgression[reseau_] = progressionChargee_;
  }
  Ouvre();
}

void Fisov::Abandonne() {
  sansEcrire_ = true;
  close();
  sansEcrire_ = false;
}

void Fisov::Option_Click(int progression) {
  ChoisitProgression(modele_, progression);
  AccesTableau->setVisible(progression == 3);
}

void Fisov::Relit(QLineEdit* champ) {
  champ->setText(TexteQt(RelitNombre(Chaine(champ)).texte));
}

void Fisov::Text2_LostFocus() {
  Relit(Text2);
}

void Fisov::Text3_LostFocus() {
  Relit(Text3);
}

void Fisov::Text4_LostFocus() {
  Relit(Text4);
}

void Fisov::AccesTableau_Click() {
  emit montreTableau();
}

void Fisov::ChoixReseau_Click() {
  emit choixVariable(std::string(TextePour(Pour::ModificationReseau)));
}

void Fisov::Accepte_Click() {
  close();
}

void Fisov::closeEvent(QCloseEvent* event) {
  if (sansEcrire_ || Ecrit()) {
    event->accept();
  } else {
    event->ignore();
  }
}
