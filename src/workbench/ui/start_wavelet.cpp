// The workbench window: start-up, loading a file, Reset and the No signal
// state, the snapshot of the signal as loaded, activation and end.

#include "workbench/ui/start_wavelet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <utility>
#include <variant>

#include "engine/number_text.h"
#include "platform/ui/picture_box.h"
#include "wav/ui/hwave.h"
#include "workbench/dessin_signal.h"
#include "workbench/lecture_texte.h"
#include "workbench/ui/up_down.h"

namespace {

constexpr const char* kNomSnapshot = "SignalORIGINAL.bmp";
constexpr const char* kSelectionnez = "Selectionnez tout ou partie du signal";
constexpr const char* kPrendreUneMesure = "Prendre une mesure toutes les :";

QString Str(int32_t n) {
  return QString::fromStdString(StrDouble(n));
}

struct EtatFichier {
  qint64 taille = -1;
  qint64 date = -1;
};

EtatFichier Signature(const std::string& chemin) {
  QFileInfo info(QString::fromStdString(chemin));
  if (!info.exists()) return {};
  return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

}  // namespace

StartWavelet::StartWavelet(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
  setWindowTitle("Start_Wavelet");
  BuildMenus();
  BuildControls();
  Connect();
  Form_Load();
}

StartWavelet::~StartWavelet() {
  if (FenetreTrace) delete FenetreTrace.data();
}

void StartWavelet::Connect() {
  connect(Texte, &QAction::triggered, this, &StartWavelet::Texte_Click);
  connect(Waves, &QAction::triggered, this, &StartWavelet::Waves_Click);
  connect(FIN, &QAction::triggered, this, &StartWavelet::Fin_Click);
  connect(list1, &QComboBox::currentIndexChanged, this, &StartWavelet::list1_Click);
  connect(Tout, &QPushButton::clicked, this, &StartWavelet::Tout_Click);
  connect(Selection, &QPushButton::clicked, this, &StartWavelet::Selection_Click);
  connect(Reset, &QPushButton::clicked, this, &StartWavelet::Reset_Click);
  connect(Draw, &QPushButton::clicked, this, &StartWavelet::Draw_Click);
  connect(Wavelet, &QPushButton::clicked, this, &StartWavelet::Wavelet_Click);
  connect(Fourrier, &QPushButton::clicked, this, &StartWavelet::Fourrier_Click);
  connect(Coupure, &QPushButton::clicked, this, &StartWavelet::Coupure_Click);
  connect(EnregistrerFiltre, &QPushButton::clicked, this, &StartWavelet::EnregistrerFiltre_Click);
  connect(FinEnreg, &QPushButton::clicked, this, &StartWavelet::FinEnreg_Click);
  connect(LireFiltre, &QPushButton::clicked, this, &StartWavelet::LireFiltre_Click);
  connect(OK, &QPushButton::clicked, this, &StartWavelet::OK_Click);
  connect(Un_sur_ou_Moyenne, &QPushButton::clicked, this, &StartWavelet::Un_sur_ou_Moyenne_Click);
  connect(Text7, &QLineEdit::textChanged, this, &StartWavelet::Text7_Change);
  connect(Text6, &QLineEdit::textChanged, this, &StartWavelet::Text6_Change);
  Text7->installEventFilter(this);
  Text6->installEventFilter(this);
  // An option runs its handler when it becomes selected, whoever selects it.
  connect(OptFourrier, &QRadioButton::toggled, this, [this](bool on) {
    if (on) OptFourrier_Click();
  });
  connect(OptionFourrierOff, &QRadioButton::toggled, this, [this](bool on) {
    if (on) OptionFourrierOff_Click();
  });
  // Every window option draws the working signal under its window.
  const std::pair<QRadioButton*, void (StartWavelet::*)()> fenetres[] = {
      {Cs3BHarrisMin, &StartWavelet::Cs3BHarrisMin_Click},
      {BartlettMod, &StartWavelet::BartlettMod_Click},
      {Cs2Hann, &StartWavelet::Cs2Hann_Click},
      {Hamming, &StartWavelet::Hamming_Click},
      {Blackman, &StartWavelet::Blackman_Click},
      {None, &StartWavelet::None_Click},
  };
  for (const auto& [option, handler] : fenetres) {
    connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
      if (on) (this->*handler)();
    });
  }
  connect(Picture1, &PictureBox::mouseDown, this,
          [this](double x, double y, Qt::MouseButtons) { Picture1_MouseDown(x, y); });
  connect(Picture1, &PictureBox::mouseMove, this,
          [this](double x, double y, Qt::MouseButtons) { Picture1_MouseMove(x, y); });
  connect(Picture1, &PictureBox::resized, this, [this] {
    switch (vue_) {
      case Vue::Vide:
        break;
      case Vue::SignalLu:
        DessineSignalLu();
        break;
      case Vue::SignalTravail:
        DessineSignal();
        break;
      case Vue::Spectre:
        TraceSpectre(dtSpectre_);
        break;
    }
  });
}

void StartWavelet::Form_Load() {
  list1->addItems({"Morlet", "Paul", "Gauss"});
  list1->setCurrentIndex(0);
  Rien();
}

void StartWavelet::list1_Click() {
  static const char* const kParametres[] = {"6", "4", "2"};
  const int index = list1->currentIndex();
  if (index >= 0 && index < 3) Text1->setText(kParametres[index]);
}

void StartWavelet::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

bool StartWavelet::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Only a move of the focus inside the window is a focus loss; the whole
    // window losing the activation is not.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (watched == Text7) Text7_LostFocus();
      if (watched == Text6) Text6_LostFocus();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void StartWavelet::Form_Activate() {
  // The plot window deletes itself when closed.
  if (FenetreTrace) FenetreTrace->close();
}

void StartWavelet::Fin_Click() {
  Form_Activate();
  close();
  QCoreApplication::quit();
}

void StartWavelet::RemettreText7() {
  etat_.Moyenne = false;
  Un_sur_ou_Moyenne->setText(kPrendreUneMesure);
  Text7->setText(" 1");
  etat_.Pas = VersInteger(LireNombre(Text7->text().toStdString()));
}

void StartWavelet::Rien() {
  RemettreText7();
  Draw->hide();
  DataFiltres->setEnabled(false);
  Windows->setEnabled(false);
  etat_.Nmax = etat_.Nreel;
  Label12->setText(Str(etat_.Nreel));
  Label13->setText(Str(etat_.Nmax));
  Text6->setEnabled(false);
  for (QPushButton* b :
       {Selection, Tout, Reset, Fourrier, Coupure, EnregistrerFiltre, LireFiltre, OK, Draw}) {
    b->hide();
  }
  etat_.SpectreAffiche = false;
  FermeFiltre();
  EffaceImage();
}

void StartWavelet::EffaceImage() {
  Wavelet->hide();
  ImageSurface& s = Picture1->surface();
  s.Clear();
  Picture1->Refresh();
  vue_ = Vue::Vide;
  Picture1->setToolTip("");
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
}

std::string StartWavelet::CheminSnapshot() {
  const QString programme = QCoreApplication::applicationDirPath();
  QString dossier = programme;
  if (!QFileInfo(programme).isWritable()) {
    dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dossier);
  }
  return QDir(dossier).filePath(kNomSnapshot).toStdString();
}

void StartWavelet::Texte_Click() {
  FileDialogSpec spec;
  spec.filter = std::string("Tous les fichiers ") + "(*.*)|*.*|Fichiers texte" +
                "(*.txt)|*.txt|Fichiers data (*.dat)|*.dat";
  spec.filterIndex = 2;
  spec.title = " Lire les data ...";
  const std::optional<std::string> chemin = platform_.files.Open(spec);
  if (!chemin) return;

  ResultatLecture<CompteTexte> compte = CompterFichierTexte(*chemin);
  if (auto* erreur = std::get_if<ErreurLecture>(&compte)) {
    ErreurChargement(erreur->message, erreur->titre);
    return;
  }
  const CompteTexte& c = std::get<CompteTexte>(compte);
  Label12->setText(Str(c.Nreel));
  Label13->setText(Label12->text());
  Label2->setText(QString::fromStdString(*chemin));
  if (c.Nreel == 0) {
    // Nothing to draw: a picture scale cannot have a zero width.
    ErreurChargement(kErreurLecture, kTitreLectureTableau);
    return;
  }
  if (!Lire_Fichier_Prime(*chemin, c)) return;
  DrawSignal_Click();
  Reset_Click();
}

// The storing pass of a text file: SignalLu is replaced only when the whole
// file has been read again and still gives the count of the first pass.
bool StartWavelet::Lire_Fichier_Prime(const std::string& chemin, const CompteTexte& compte) {
  ResultatLecture<SignalTexte> lu = [&] {
    BusyScope occupe(platform_.desktop);
    platform_.desktop.ProcessPendingEvents();
    return LireFichierTexte(chemin, compte);
  }();
  if (auto* erreur = std::get_if<ErreurLecture>(&lu)) {
    ErreurChargement(erreur->message, erreur->titre);
    return false;
  }
  InstallerSignalTexte(etat_, std::move(std::get<SignalTexte>(lu)), chemin);
  ++chargement_;
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
  return true;
}

void StartWavelet::ErreurChargement(const std::string& message, const std::string& titre) {
  platform_.messages.Show(message, titre, Icone::Aucune, Boutons::Ok);
  etat_ = WorkbenchState{};
  ++chargement_;
  Label2->setText("");
  Rien();
}

void StartWavelet::DrawSignal_Click() {
  Selection->hide();
  Tout->hide();
  if (etat_.Nreel <= 2) return;
  DessineSignalLu();
  const std::string chemin = CheminSnapshot();
  const ImageSurface& s = Picture1->surface();
  if (s.SaveBmp(chemin)) {
    const EtatFichier f = Signature(chemin);
    chargementSnapshot_ = chargement_;
    tailleSnapshot_ = f.taille;
    dateSnapshot_ = f.date;
    largeurSnapshot_ = s.width();
    hauteurSnapshot_ = s.height();
  } else {
    chargementSnapshot_ = 0;
  }
}

void StartWavelet::DessineSignalLu() {
  BusyScope occupe(platform_.desktop);
  ImageSurface& s = Picture1->surface();
  s.Clear();
  platform_.desktop.ProcessPendingEvents();
  ::DessineSignalLu(s, etat_);
  Picture1->Refresh();
  vue_ = Vue::SignalLu;
}

void StartWavelet::Reset_Click() {
  if (OptionFourrierOff->isChecked()) {
    OptionFourrierOff_Click();
  } else {
    OptionFourrierOff->setChecked(true);
  }
  Wavelet->hide();
  Picture1->setToolTip(kSelectionnez);
  Selection->show();
  Tout->show();
  Reset->hide();
  Draw->hide();
  etat_.SelectionActive = false;
  EffaceImage();
  RemettreText7();
  Draw->hide();
  DataFiltres->setEnabled(false);
  Windows->setEnabled(false);
  etat_.Nmax = etat_.Nreel;
  Label13->setText(Str(etat_.Nmax));
  Picture1->setToolTip(kSelectionnez);
  platform_.desktop.ProcessPendingEvents();
  etat_.SpectreAffiche = false;
  etat_.CoupureActive = false;

  ImageSurface& s = Picture1->surface();
  s.SetScale(1.0, etat_.LuMax, etat_.Nreel, etat_.LuMin - etat_.LuMax);
  if (etat_.Nreel <= 2) {
    // Too short to draw: an empty picture with the scale of the signal.
    Picture1->Refresh();
    return;
  }
  // The snapshot is shown only when it is this load's, unchanged and of the
  // picture's size; otherwise the signal is drawn again.
  const std::string chemin = CheminSnapshot();
  const EtatFichier f = Signature(chemin);
  const QSize taille = QImageReader(QString::fromStdString(chemin)).size();
  const bool fiable = chargementSnapshot_ == chargement_ && f.taille == tailleSnapshot_ &&
                      f.date == dateSnapshot_ && largeurSnapshot_ == s.width() &&
                      hauteurSnapshot_ == s.height() && taille == QSize(s.width(), s.height());
  if (fiable && s.LoadBmp(chemin)) {
    Picture1->Refresh();
    vue_ = Vue::SignalLu;
  } else {
    DessineSignalLu();
  }
}
