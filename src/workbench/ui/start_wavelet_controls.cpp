// The controls of the workbench window, their captions, default texts and
// layout. The states are set by the handlers; this only builds.

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/picture_box.h"
#include "workbench/ui/start_wavelet.h"
#include "workbench/ui/up_down.h"

namespace {

// Buttons come and go with the workflow; keeping their room stops the layout
// from jumping at every state change.
QPushButton* WorkflowButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  QSizePolicy policy = button->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  button->setSizePolicy(policy);
  return button;
}

QLineEdit* NumberField(const QString& text, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setMaximumWidth(90);
  return field;
}

}  // namespace

void StartWavelet::BuildMenus() {
  Fichier = menuBar()->addMenu("Fichier");
  Texte = Fichier->addAction("Texte");
  Waves = Fichier->addAction("Waves");
  FIN = Fichier->addAction("FIN");
}

void StartWavelet::BuildControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);

  // File line: path, counts.
  Label1 = new QLabel("Fichier:", central);
  Label2 = new QLabel("Aucun Fichier", central);
  Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label2->setMinimumWidth(200);
  Label11 = new QLabel("Nreel =", central);
  Label12 = new QLabel("0", central);
  Label12->setMinimumWidth(70);
  Label8 = new QLabel("Nmax=", central);
  Label13 = new QLabel("0", central);
  Label13->setMinimumWidth(70);
  Label3 = new QLabel("<30000", central);
  auto* fileLine = new QHBoxLayout;
  fileLine->addWidget(Label1);
  fileLine->addWidget(Label2, 1);
  fileLine->addSpacing(16);
  fileLine->addWidget(Label11);
  fileLine->addWidget(Label12);
  fileLine->addSpacing(16);
  fileLine->addWidget(Label8);
  fileLine->addWidget(Label13);
  fileLine->addWidget(Label3);

  // Picture, read-out, selection and spectrum buttons.
  Picture1 = new PictureBox(central);
  Picture1->setObjectName("Picture1");
  Picture1->setMinimumSize(400, 250);
  Picture1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  Label10 = new QLabel(central);
  Label10->setMinimumWidth(400);
  Tout = WorkflowButton("Totalité", central);
  Selection = WorkflowButton("Select partie", central);
  Reset = WorkflowButton("Reset", central);
  Draw = WorkflowButton("Draw", central);
  Fourrier = WorkflowButton("Fourier", central);
  Coupure = WorkflowButton("2) Coupure bande", central);
  EnregistrerFiltre = WorkflowButton("1) Enregistrer Filtre", central);
  FinEnreg = WorkflowButton("Fin Enregistre", central);
  LireFiltre = WorkflowButton("Lire Filtre CB", central);
  FinEnreg->hide();
  OK = WorkflowButton("Ok", central);
  auto* selectionRow = new QHBoxLayout;
  for (QPushButton* b : {Tout, Selection, Reset, Draw}) selectionRow->addWidget(b);
  selectionRow->addStretch(1);
  auto* spectrumRow = new QHBoxLayout;
  for (QPushButton* b : {Fourrier, EnregistrerFiltre, FinEnreg, Coupure, LireFiltre, OK}) {
    spectrumRow->addWidget(b);
  }
  spectrumRow->addStretch(1);
  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(Picture1, 1);
  pictureColumn->addWidget(Label10);
  pictureColumn->addLayout(selectionRow);
  pictureColumn->addLayout(spectrumRow);

  // Resampling.
  DataFiltres = new QGroupBox("Data Filtres", central);
  OptionFourrierOff = new QRadioButton(DataFiltres);
  OptionFourrierOff->setObjectName("OptionFourrierOff");
  Un_sur_ou_Moyenne = new QPushButton("Prendre une mesure toutes les :", DataFiltres);
  // Room for the longer of its two captions, which alternate.
  const QFontMetrics mesure = Un_sur_ou_Moyenne->fontMetrics();
  Un_sur_ou_Moyenne->setMinimumWidth(
      std::max(mesure.horizontalAdvance("Prendre une mesure toutes les :"),
               mesure.horizontalAdvance(" Faire une moyenne tous les :")) +
      24);
  Text7 = NumberField("", DataFiltres);
  OptFourrier = new QRadioButton("    Filtre Fourier                        N/", DataFiltres);
  Text6 = NumberField("1", DataFiltres);
  OptionFourrierOff->setChecked(true);
  auto* filtres = new QGridLayout(DataFiltres);
  filtres->addWidget(OptionFourrierOff, 0, 0);
  filtres->addWidget(Un_sur_ou_Moyenne, 0, 1);
  filtres->addWidget(Text7, 0, 2);
  filtres->addWidget(OptFourrier, 1, 0, 1, 2);
  filtres->addWidget(Text6, 1, 2);

  // Spectral window.
  Windows = new QGroupBox("Window", central);
  static_assert(kLegendesFenetres[0].fenetre == FenetreSpectrale::Cs3BHarrisMin &&
                kLegendesFenetres[1].fenetre == FenetreSpectrale::BartlettMod &&
                kLegendesFenetres[2].fenetre == FenetreSpectrale::Cs2Hann &&
                kLegendesFenetres[3].fenetre == FenetreSpectrale::Hamming &&
                kLegendesFenetres[4].fenetre == FenetreSpectrale::Blackman &&
                kLegendesFenetres[5].fenetre == FenetreSpectrale::None);
  QRadioButton** options[] = {&Cs3BHarrisMin, &BartlettMod, &Cs2Hann, &Hamming, &Blackman, &None};
  auto* fenetres = new QGridLayout(Windows);
  for (size_t i = 0; i < kLegendesFenetres.size(); ++i) {
    *options[i] = new QRadioButton(kLegendesFenetres[i].legende, Windows);
    fenetres->addWidget(*options[i], static_cast<int>(i % 3), static_cast<int>(i / 3));
  }
  OptionFenetre(kFenetreInitiale)->setChecked(true);

  // Wavelet parameters.
  Wavelets = new QGroupBox("Wavelets", central);
  list1 = new QComboBox(Wavelets);
  Label4 = new QLabel("Paramètre =", Wavelets);
  Text1 = NumberField("6", Wavelets);
  Label5 = new QLabel("Start scale", Wavelets);
  Text2 = NumberField("2", Wavelets);
  UpDown1 = new UpDown(Text2, 1, 1000, Wavelets);
  Label6 = new QLabel("Subscale", Wavelets);
  Text3 = NumberField("4", Wavelets);
  UpDown3 = new UpDown(Text3, 1, 64, Wavelets);
  Label7 = new QLabel("Power of two", Wavelets);
  Text4 = NumberField("11", Wavelets);
  UpDown4 = new UpDown(Text4, 1, 30, Wavelets);
  auto* ondelettes = new QGridLayout(Wavelets);
  ondelettes->addWidget(list1, 0, 0, 1, 3);
  ondelettes->addWidget(Label4, 1, 0);
  ondelettes->addWidget(Text1, 1, 1);
  ondelettes->addWidget(Label5, 2, 0);
  ondelettes->addWidget(Text2, 2, 1);
  ondelettes->addWidget(UpDown1, 2, 2);
  ondelettes->addWidget(Label6, 3, 0);
  ondelettes->addWidget(Text3, 3, 1);
  ondelettes->addWidget(UpDown3, 3, 2);
  ondelettes->addWidget(Label7, 4, 0);
  ondelettes->addWidget(Text4, 4, 1);
  ondelettes->addWidget(UpDown4, 4, 2);

  Label9 = new QLabel("Scale width or dt initial = ", central);
  Text5 = NumberField("5.E-6", central);
  auto* intervalle = new QHBoxLayout;
  intervalle->addWidget(Label9);
  intervalle->addWidget(Text5);
  intervalle->addStretch(1);

  Wavelet = WorkflowButton(" Wavelet", central);
  Wavelet->setMinimumHeight(36);

  auto* controlColumn = new QVBoxLayout;
  controlColumn->addLayout(intervalle);
  controlColumn->addWidget(DataFiltres);
  controlColumn->addWidget(Windows);
  controlColumn->addWidget(Wavelets);
  controlColumn->addWidget(Wavelet);
  controlColumn->addStretch(1);

  auto* body = new QHBoxLayout;
  body->addLayout(pictureColumn, 1);
  body->addLayout(controlColumn, 0);

  auto* whole = new QVBoxLayout(central);
  whole->addLayout(fileLine);
  whole->addLayout(body, 1);

  resize(1180, 680);
}
