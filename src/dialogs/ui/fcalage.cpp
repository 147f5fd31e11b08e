#include "dialogs/ui/fcalage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/choix_variable.h"
#include "dialogs/ui/texte_qt.h"

FCalage::FCalage(PlotModel& modele, std::function<void()> redessine,
                 std::function<void(const std::string&)> choisit, QWidget* parent)
    : FenetreReglage(parent),
      modele_(modele),
      redessine_(std::move(redessine)),
      choisit_(std::move(choisit)) {
  setWindowTitle(TexteQt(kTitreCalage));
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(TexteQt(kEnteteCalage), this);
  Label1->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label1);

  x_ = ConstruitCadre("Axe des X");
  y_ = ConstruitCadre("Axe des Y");
  auto* cadres = new QHBoxLayout;
  cadres->addWidget(x_.frame);
  cadres->addWidget(y_.frame);
  layout->addLayout(cadres);
  Command4 = new QPushButton("Accepte", this);
  layout->addWidget(Command4, 0, Qt::AlignCenter);

  Frame1 = x_.frame;
  Command1 = x_.choix;
  Label2 = x_.nomVar;
  Text1 = x_.titre;
  Text2 = x_.minimum;
  Label8 = x_.varMin;
  Text3 = x_.maximum;
  Label9 = x_.varMax;
  Text4 = x_.espacement;
  Text5 = x_.graduations;
  Text6 = x_.format;
  Command3 = x_.bascule;
  Label24 = x_.base;
  Combo1 = x_.bases;

  Frame2 = y_.frame;
  Command2 = y_.choix;
  Label23 = y_.nomVar;
  Text12 = y_.titre;
  Text11 = y_.minimum;
  Label17 = y_.varMin;
  Text10 = y_.maximum;
  Label16 = y_.varMax;
  Text9 = y_.espacement;
  Text8 = y_.graduations;
  Text7 = y_.format;
  Command5 = y_.bascule;
  Label25 = y_.base;
  Combo2 = y_.bases;

  BrancheCadre(Axe::X);
  BrancheCadre(Axe::Y);
  connect(Command1, &QPushButton::clicked, this, &FCalage::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &FCalage::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &FCalage::Command3_Click);
  connect(Command5, &QPushButton::clicked, this, &FCalage::Command5_Click);
  connect(Combo1, &QComboBox::activated, this, &FCalage::Combo1_Click);
  connect(Combo2, &QComboBox::activated, this, &FCalage::Combo2_Click);
  connect(Command4, &QPushButton::clicked, this, &FCalage::Command4_Click);
}

FCalage::Cadre FCalage::ConstruitCadre(const QString& titre) {
  Cadre c{};
  c.frame = new QGroupBox(titre, this);
  auto* g = new QGridLayout(c.frame);
  const auto legende = [&](const char* texte, int ligne, int colonne) {
    g->addWidget(new QLabel(texte, c.frame), ligne, colonne);
  };
  c.choix = new QPushButton("Choix :", c.frame);
  c.nomVar = new QLabel(c.frame);
  g->addWidget(c.choix, 0, 0);
  g->addWidget(c.nomVar, 0, 1, 1, 3);

  c.titre = new QLineEdit(c.frame);
  legende("        Label", 1, 0);
  g->addWidget(c.titre, 1, 1, 1, 3);

  c.minimum = new QLineEdit(c.frame);
  c.varMin = new QLabel(c.frame);
  legende("Minimum :", 2, 0);
  g->addWidget(c.minimum, 2, 1);
  legende("pour", 2, 2);
  g->addWidget(c.varMin, 2, 3);

  c.maximum = new QLineEdit(c.frame);
  c.varMax = new QLabel(c.frame);
  legende("Maximum :", 3, 0);
  g->addWidget(c.maximum, 3, 1);
  legende("pour", 3, 2);
  g->addWidget(c.varMax, 3, 3);

  c.espacement = new QLineEdit(c.frame);
  legende("Tic : ", 4, 0);
  g->addWidget(c.espacement, 4, 1);
  c.graduations = new QLineEdit(c.frame);
  legende("Major : ", 5, 0);
  g->addWidget(c.graduations, 5, 1);
  c.format = new QLineEdit(c.frame);
  legende("FORMAT :", 6, 0);
  g->addWidget(c.format, 6, 1);

  // Room for a format such as "#.##E+##" or a long decimal in full.
  for (QLineEdit* champ : {c.minimum, c.maximum, c.espacement, c.graduations, c.format}) {
    champ->setMinimumWidth(110);
  }

  c.bascule = new QPushButton(c.frame);
  c.base = new QLabel(c.frame);
  c.bases = new QComboBox(c.frame);
  for (std::string_view b : kBasesCalage) c.bases->addItem(TexteQt(b));
  g->addWidget(c.bascule, 7, 0);
  g->addWidget(c.base, 7, 1);
  g->addWidget(c.bases, 7, 2, 1, 2);
  // The hidden base controls keep their place, so the frame does not jump
  // at each toggle.
  for (QWidget* w : {static_cast<QWidget*>(c.base), static_cast<QWidget*>(c.bases)}) {
    QSizePolicy garde = w->sizePolicy();
    garde.setRetainSizeWhenHidden(true);
    w->setSizePolicy(garde);
  }
  return c;
}

void FCalage::BrancheCadre(Axe a) {
  const Cadre& c = CadreDe(a);
  const auto nombre = [this, a](QLineEdit* champ, ChampAxe quoi) {
    SurPerteFocus(champ, [this, a, champ, quoi] {
      Change(a, [&] { StockeNombre(modele_, a, quoi, TexteStd(champ->text())); });
    });
  };
  nombre(c.minimum, ChampAxe::Minimum);
  nombre(c.maximum, ChampAxe::Maximum);
  nombre(c.espacement, ChampAxe::Espacement);
  nombre(c.graduations, ChampAxe::Graduations);
  SurPerteFocus(c.titre, [this, a, champ = c.titre] {
    Change(a, [&] { StockeTitre(modele_, a, TexteStd(champ->text())); });
  });
  SurPerteFocus(c.format, [this, a, champ = c.format] {
    Change(a, [&] { StockeFormat(modele_, a, TexteStd(champ->text())); });
  });
}

void FCalage::Affiche(Axe a) {
  const Cadre& c = CadreDe(a);
  const CadreAxe f = Rafraichit(modele_, a);
  c.nomVar->setText(TexteQt(f.nomVar));
  c.titre->setText(TexteQt(f.titre));
  c.minimum->setText(TexteQt(f.minimum));
  c.maximum->setText(TexteQt(f.maximum));
  c.espacement->setText(TexteQt(f.espacement));
  c.graduations->setText(TexteQt(f.graduations));
  c.format->setText(TexteQt(f.format));
  c.varMin->setText(TexteQt(f.varMin));
  c.varMax->setText(TexteQt(f.varMax));
  c.bascule->setText(TexteQt(f.bascule));
  c.base->setText(TexteQt(f.base));
  c.base->setVisible(f.baseVisible);
  c.bases->setCurrentIndex(f.baseIndex);
  c.bases->setVisible(f.baseVisible);
}

void FCalage::Form_Load() {
  Affiche(Axe::X);
  Affiche(Axe::Y);
}

void FCalage::Change(Axe a, const std::function<void()>& change) {
  const CadreAxe avant = Rafraichit(modele_, a);
  change();
  Affiche(a);
  if (Rafraichit(modele_, a) != avant) redessine_();
}

void FCalage::Command1_Click() {
  choisit_(std::string(TextePour(Pour::AxeX)));
}

void FCalage::Command2_Click() {
  choisit_(std::string(TextePour(Pour::AxeY)));
}

void FCalage::Command3_Click() {
  Change(Axe::X, [this] { BasculeAxe(modele_, Axe::X); });
}

void FCalage::Command5_Click() {
  Change(Axe::Y, [this] { BasculeAxe(modele_, Axe::Y); });
}

void FCalage::Combo1_Click(int index) {
  Change(Axe::X, [this, index] { ChoisitBase(modele_, Axe::X, index); });
}

void FCalage::Combo2_Click(int index) {
  Change(Axe::Y, [this, index] { ChoisitBase(modele_, Axe::Y, index); });
}

void FCalage::Command4_Click() {
  QuitteChamp();
  close();
}

void FCalage::changeEvent(QEvent* event) {
  FenetreReglage::changeEvent(event);
  // Back from the plot window, where a zoom or "Normal" may have changed
  // the axes.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Load();
}
