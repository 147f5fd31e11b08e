#include "wav/ui/hwave.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include "wav/entete_texte.h"
#include "wav/ui/wave_acceptor.h"
#include "wav/ui/wave_view.h"

FileDialogSpec DialogueOuvrirWave() {
  return {"Fichiers wav (*.wav)|*.wav", 1, " Lire les wav ..."};
}

HWave::HWave(Platform& platform, WaveAcceptor& acceptor, QWidget* parent)
    : QMainWindow(parent, Qt::Window), platform_(platform), acceptor_(acceptor) {
  setWindowTitle("Wave  Format");
  auto* centre = new QWidget(this);
  auto* layout = new QVBoxLayout(centre);

  Frame1 = new QGroupBox("Selection Canaux", centre);
  auto* canaux = new QVBoxLayout(Frame1);
  const auto option = [&](ChoixCanal c) {
    auto* b = new QRadioButton(LegendeCanal(c), Frame1);
    canaux->addWidget(b);
    return b;
  };
  Option1 = option(ChoixCanal::Option1);
  Option3 = option(ChoixCanal::Option3);
  Option2 = option(ChoixCanal::Option2);
  Option1->setChecked(true);
  layout->addWidget(Frame1);

  for (size_t i = 0; i < Labels.size(); ++i) {
    Labels[i] = new QLabel(QString("Label%1").arg(i + 1), centre);
    layout->addWidget(Labels[i]);
  }
  layout->addStretch(1);
  setCentralWidget(centre);

  Play = menuBar()->addAction("Play");
  Voir = menuBar()->addAction("Voir");
  Cancel = menuBar()->addAction("Cancel");
  Accepte = menuBar()->addAction("Accepte");
  connect(Play, &QAction::triggered, this, &HWave::Play_Click);
  connect(Voir, &QAction::triggered, this, &HWave::Voir_Click);
  connect(Cancel, &QAction::triggered, this, &HWave::Cancel_Click);
  connect(Accepte, &QAction::triggered, this, &HWave::Accepte_Click);

  View = new WaveView(this);
}

HWave::~HWave() = default;

void HWave::Montrer(const std::string& chemin, const FichierWave& fichier) {
  nomWave_ = chemin;
  fichier_ = fichier;
  Form_Load();
  show();
  raise();
  activateWindow();
}

ChoixCanal HWave::Choix() const {
  if (Option2->isChecked()) return ChoixCanal::Option2;
  if (Option3->isChecked()) return ChoixCanal::Option3;
  return ChoixCanal::Option1;
}

// Run at every showing, so that a dialog only hidden by "Accepte" shows the
// next file's header.
void HWave::Form_Load() {
  const auto lignes = LignesEntete(fichier_);
  for (size_t i = 0; i < Labels.size(); ++i) {
    Labels[i]->setText(
        QString::fromLatin1(lignes[i].data(), static_cast<qsizetype>(lignes[i].size())));
  }
  const bool stereo = fichier_.entete.Channels != 1;
  Option2->setVisible(stereo);
  Option3->setVisible(stereo);
  Option1->setChecked(true);
  if (const auto refus = Incompatibilite(fichier_)) {
    platform_.messages.Show(refus->message, refus->titre);
  }
  Form_GotFocus();
}

void HWave::Form_GotFocus() {
  Cancel->setEnabled(true);
  const bool lisible = !Incompatibilite(fichier_);
  Voir->setEnabled(lisible);
  Play->setEnabled(lisible);
  Accepte->setEnabled(lisible);
  setWindowTitle(QString::fromStdString("Wave Format: " + nomWave_));
}

void HWave::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_GotFocus();
  QMainWindow::changeEvent(e);
}

void HWave::closeEvent(QCloseEvent* e) {
  platform_.sound.Stop();
  View->close();
  QMainWindow::closeEvent(e);
}

void HWave::Play_Click() {
  if (!nomWave_.empty()) platform_.sound.Play(nomWave_);
}

void HWave::Voir_Click() {
  View->show();
  View->raise();
  View->activateWindow();
  const auto signal = LireSignalWave(nomWave_, Choix());
  if (!signal.ok()) {
    View->close();
    platform_.messages.Show(signal.erreur().message, signal.erreur().titre);
    return;
  }
  View->Dessine(signal.valeur(), fichier_.entete.BitsPerSample);
}

void HWave::Cancel_Click() {
  acceptor_.CancelWave();
  close();
}

void HWave::Accepte_Click() {
  const ChoixCanal choix = Choix();
  hide();
  platform_.desktop.ProcessPendingEvents();
  acceptor_.AccepteWave(nomWave_, choix);
}
