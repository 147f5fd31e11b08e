#include "dialogs/ui/choix_couleurs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/picture_box.h"

namespace {

// Top to bottom beside the preview: the top of the scale first.
constexpr std::array<int, 5> kOrdreTeintes = {2, 4, 1, 3, 0};

QString Texte(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString StyleTeinte(Couleur c) {
  return QString("background-color: rgb(%1, %2, %3);")
      .arg(RougeDe(c))
      .arg(VertDe(c))
      .arg(BleuDe(c));
}

}  // namespace

ChoixCouleurs::ChoixCouleurs(ColourScale& echelle, ColourPicker& picker, QWidget* parent)
    : QWidget(parent, Qt::Window), logique_(echelle), echelle_(echelle), picker_(picker) {
  setWindowTitle(QString::fromUtf8("Choix du dégradé de couleurs"));
  setMouseTracking(true);
  BuildControls();
}

ChoixCouleurs::~ChoixCouleurs() {
  // The children go after this object: none may call back into it.
  for (QObject* enfant : findChildren<QObject*>()) enfant->disconnect(this);
}

void ChoixCouleurs::BuildControls() {
  auto* grille = new QGridLayout(this);

  auto* niveaux = new QHBoxLayout;
  niveaux->addWidget(new QLabel("Levels:", this));
  TxtLevels = new QLineEdit(Texte(logique_.TxtLevels()), this);
  TxtLevels->setMaximumWidth(60);
  niveaux->addWidget(TxtLevels);
  niveaux->addWidget(new QLabel("(2 - 200)", this));
  niveaux->addStretch();
  grille->addLayout(niveaux, 0, 0);

  grille->addWidget(new QLabel(QString::fromUtf8("Schéma de couleurs :"), this), 1, 0);
  CmbColorSchemes = new QComboBox(this);
  grille->addWidget(CmbColorSchemes, 2, 0);
  grille->addWidget(new QLabel("Melange de couleurs:", this), 3, 0);
  CmbMix = new QComboBox(this);
  grille->addWidget(CmbMix, 4, 0);
  CmdReverse = new QPushButton(QString::fromUtf8("Couleurs Inversées"), this);
  grille->addWidget(CmdReverse, 5, 0);
  Command1 = new QPushButton("Accepte", this);
  grille->addWidget(Command1, 6, 0);

  auto* apercu = new QGroupBox(QString::fromUtf8("Aperçu"), this);
  auto* ligne = new QHBoxLayout(apercu);
  Piccolor = new PictureBox(apercu);
  Piccolor->setFixedWidth(40);
  Piccolor->setMinimumHeight(220);
  ligne->addWidget(Piccolor);
  auto* teintes = new QVBoxLayout;
  for (int i : kOrdreTeintes) {
    pic1[i] = new QPushButton(apercu);
    pic1[i]->setFixedSize(28, 28);
    teintes->addWidget(pic1[i]);
    connect(pic1[i], &QPushButton::clicked, this, [this, i] { pic1_Click(i); });
  }
  ligne->addLayout(teintes);
  grille->addWidget(apercu, 0, 1, 7, 1);

  Label7 = new QLabel(Texte(kAideCouleurs), this);
  grille->addWidget(Label7, 7, 0, 1, 2);

  connect(CmbColorSchemes, &QComboBox::activated, this, &ChoixCouleurs::CmbColorSchemes_Click);
  connect(CmbMix, &QComboBox::activated, this, &ChoixCouleurs::CmbMix_Click);
  connect(CmdReverse, &QPushButton::clicked, this, &ChoixCouleurs::CmdReverse_Click);
  connect(Command1, &QPushButton::clicked, this, &ChoixCouleurs::Command1_Click);
  connect(TxtLevels, &QLineEdit::editingFinished, this, &ChoixCouleurs::TxtLevels_LostFocus);
  connect(Piccolor, &PictureBox::mouseMove, this,
          [this](double, double y, Qt::MouseButtons) { Piccolor_MouseMove(y); });
  connect(Piccolor, &PictureBox::resized, this, [this] { Affiche(); });
}

void ChoixCouleurs::Charge_FeuilleCouleurs() {
  affichage_ = true;
  CmbMix->clear();
  for (std::string_view s : kMelangesCouleurs) CmbMix->addItem(Texte(s));
  CmbColorSchemes->clear();
  for (std::string_view s : kSchemasCouleurs) CmbColorSchemes->addItem(Texte(s));
  affichage_ = false;
  logique_.Charge_FeuilleCouleurs();
  Affiche();
}

void ChoixCouleurs::LitNiveaux() {
  logique_.SetTxtLevels(TxtLevels->text().toStdString());
}

void ChoixCouleurs::Affiche() {
  affichage_ = true;
  TxtLevels->setText(Texte(logique_.TxtLevels()));
  if (const auto s = logique_.Schema()) CmbColorSchemes->setCurrentIndex(static_cast<int>(*s));
  if (const auto m = logique_.Melange()) CmbMix->setCurrentIndex(static_cast<int>(*m));
  for (int i = 0; i < 5; ++i) {
    pic1[i]->setStyleSheet(StyleTeinte(logique_.Teinte(i)));
    pic1[i]->setVisible(logique_.TeinteVisible(i));
  }
  // The field holds a valid count once the scale is computed.
  DessineApercu(Piccolor->surface(), echelle_, logique_.NiveauxValides());
  Piccolor->Refresh();
  affichage_ = false;
}

void ChoixCouleurs::CmbColorSchemes_Click(int index) {
  if (affichage_ || index < 0 || index >= static_cast<int>(kSchemasCouleurs.size())) return;
  LitNiveaux();
  logique_.ChoisitSchema(static_cast<SchemaCouleurs>(index));
  Affiche();
}

void ChoixCouleurs::CmbMix_Click(int index) {
  if (affichage_ || index < 0 || index >= static_cast<int>(kMelangesCouleurs.size())) return;
  LitNiveaux();
  logique_.ChoisitMelange(static_cast<MelangeCouleurs>(index));
  Affiche();
}

void ChoixCouleurs::CmdReverse_Click() {
  LitNiveaux();
  logique_.Inverse();
  Affiche();
}

void ChoixCouleurs::pic1_Click(int i) {
  const std::optional<Couleur> c = picker_.Pick(logique_.Teinte(i));
  if (!c) return;
  LitNiveaux();
  logique_.ChoisitTeinte(i, *c);
  Affiche();
}

void ChoixCouleurs::TxtLevels_LostFocus() {
  if (affichage_) return;
  LitNiveaux();
  logique_.ColorScale();
  Affiche();
}

void ChoixCouleurs::Command1_Click() {
  LitNiveaux();
  logique_.Accepte();
  Affiche();
  hide();
  emit accepte();
}

void ChoixCouleurs::Piccolor_MouseMove(double y) {
  Label7->setText(Texte(ChoixCouleursLogic::NiveauSousPointeur(y)));
}

void ChoixCouleurs::mouseMoveEvent(QMouseEvent* event) {
  if (Label7->text() != Texte(kAideCouleurs)) Label7->setText(Texte(kAideCouleurs));
  QWidget::mouseMoveEvent(event);
}
