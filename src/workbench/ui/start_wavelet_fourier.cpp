// The workbench window in the Fourier mode: the spectrum of the selection,
// band cuts by pairs of clicks, recording and reading band-cut filter files,
// and "Ok", which brings the cut spectrum back to the time domain.

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/number_text.h"
#include "platform/ui/picture_box.h"
#include "workbench/coupure.h"
#include "workbench/filtre_cb_lecture.h"
#include "workbench/plage.h"
#include "workbench/spectre.h"
#include "workbench/spectre_dessin.h"
#include "workbench/spectre_retour.h"
#include "workbench/ui/start_wavelet.h"

namespace {

constexpr const char* kCumuler = "Vous pouvez cumuler les coupures";

float ValeurSingle(const QLineEdit* field) {
  return static_cast<float>(LireNombre(field->text().toStdString()));
}

FileDialogSpec DialogueFiltre(const char* titre) {
  FileDialogSpec spec;
  spec.filter = std::string("Fichiers Filtre CB  ") + "(*.fcb)|*.fcb";
  spec.filterIndex = 1;
  spec.title = titre;
  return spec;
}

}  // namespace

void StartWavelet::Montrer(const MessageSpectre& m) {
  platform_.messages.Show(m.message, m.titre, Icone::Aucune, Boutons::Ok);
}

void StartWavelet::Fourrier_Click() {
  const float dt = ValeurSingle(Text5);
  // Without a valid interval there is no frequency axis: nothing changes.
  if (!DtValide(dt)) {
    Montrer(MessageDtIncorrect());
    return;
  }
  etat_.SpectreAffiche = true;
  // A band half clicked on an earlier spectrum does not carry over.
  etat_.CoupureActive = false;
  Fourrier->hide();
  Windows->setEnabled(false);
  platform_.desktop.ProcessPendingEvents();
  {
    BusyScope occupe(platform_.desktop);
    const ResultatSpectre r = ::Fourrier(etat_, dt, Picture1->surface());
    if (r.issue == IssueSpectre::Plat) DessineFFTPlat(Picture1->surface(), etat_, dt);
  }
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
  Picture1->Refresh();
  vue_ = Vue::Spectre;
  dtSpectre_ = dt;
  Coupure->show();
  // A recording still open (the divisor was changed meanwhile) goes on.
  const bool enregistre = etat_.EnregFiltre;
  FinEnreg->setVisible(enregistre);
  EnregistrerFiltre->setVisible(!enregistre);
  LireFiltre->setVisible(!enregistre);
  OK->setVisible(!enregistre);
  Picture1->setToolTip(kCumuler);
}

bool StartWavelet::TraceSpectre(float dt) {
  ImageSurface& s = Picture1->surface();
  const ResultatSpectre r = ::DessineFFT(s, etat_, dt);
  if (r.issue == IssueSpectre::Refuse) return false;
  if (r.issue == IssueSpectre::Plat) DessineFFTPlat(s, etat_, dt);
  Picture1->Refresh();
  vue_ = Vue::Spectre;
  dtSpectre_ = dt;
  return true;
}

bool StartWavelet::DessineFFT() {
  if (!TraceSpectre(ValeurSingle(Text5))) {
    Montrer(MessageDtIncorrect());
    return false;
  }
  Picture1->setToolTip("");
  return true;
}

void StartWavelet::MarqueurBande(int ligne, double x) {
  // The height of the picture of a flat spectrum, which has no extent.
  const Plage p = PlageNonVide({etat_.SpectreMin, etat_.SpectreMax});
  PlacerMarqueur(ligne, x, p.min, p.max);
}

void StartWavelet::Coupure_Click() {
  CommenceCoupure(etat_);
  Picture1->setToolTip("Cliquez sur le 1er point");
}

void StartWavelet::Picture1_MouseDownCoupure(double x) {
  // Bands are cut on the spectrum only, never on a picture that replaced it.
  if (vue_ != Vue::Spectre) return;
  if (!etat_.PremierPoint) {
    Picture1->setToolTip(kCumuler);
    MarqueurBande(2, x);
  }
  const ResultatClicCoupure r = ClicCoupure(etat_, enregistreur_, x, ValeurSingle(Text5));
  if (r.etape == EtapeCoupure::PremierPointPris) {
    MarqueurBande(1, x);
    Picture1->setToolTip("Cliquez sur le 2eme point");
    MarqueurBande(2, x);
    return;
  }
  // A failed write has ended the recording: its buttons go with it.
  if (!etat_.EnregFiltre && !FinEnreg->isHidden()) FinEnreg_Click();
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
  if (r.etape == EtapeCoupure::BandeCoupee) DessineFFT();
  if (r.message) Montrer(*r.message);
}

void StartWavelet::EnregistrerFiltre_Click() {
  const std::optional<std::string> chemin =
      platform_.files.Save(DialogueFiltre(" Enregistrer un filtre coupe bandes"));
  if (!chemin) return;
  if (FichierExiste(*chemin) &&
      platform_.messages.Show("Voulez vous l'écraser ?", "Fichier Existant", Icone::Aucune,
                              Boutons::OuiNon) != Reponse::Oui) {
    return;
  }
  if (const std::optional<MessageSpectre> m = ::EnregistrerFiltre(etat_, enregistreur_, *chemin)) {
    Montrer(*m);
    return;
  }
  FinEnreg->show();
  OK->hide();
  LireFiltre->hide();
  EnregistrerFiltre->hide();
}

void StartWavelet::FermeFiltre() {
  ::FinEnreg(etat_, enregistreur_);
  FinEnreg->hide();
}

void StartWavelet::FinEnreg_Click() {
  FermeFiltre();
  OK->show();
  LireFiltre->show();
  EnregistrerFiltre->show();
}

void StartWavelet::closeEvent(QCloseEvent* event) {
  FermeFiltre();
  QMainWindow::closeEvent(event);
}

void StartWavelet::LireFiltre_Click() {
  const std::optional<std::string> chemin =
      platform_.files.Open(DialogueFiltre(" Lire un filtre coupe bandes"));
  if (!chemin) return;
  // The whole file is read before any band is cut: a bad file changes
  // neither the spectrum nor its picture.
  if (const std::optional<MessageSpectre> m = ::LireFiltre(etat_, *chemin, ValeurSingle(Text5))) {
    Montrer(*m);
    return;
  }
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
  DessineFFT();
}

void StartWavelet::OK_Click() {
  etat_.CoupureActive = false;
  OK->hide();
  etat_.SpectreAffiche = false;
  Coupure->hide();
  EnregistrerFiltre->hide();
  LireFiltre->hide();
  Reset->show();
  Wavelet->show();
  BackFft();
  Picture1->setToolTip("");
  Windows->setEnabled(true);
}

// The cut spectrum back to the time domain with NFFT / d points, then
// Finish: the working signal under the chosen window, drawn.
void StartWavelet::BackFft() {
  BusyScope occupe(platform_.desktop);
  platform_.desktop.ProcessPendingEvents();
  const ModeReechantillonnage mode = Mode();
  ::BackFft(etat_, mode.diviseur);
  const bool signal = ::Finish(etat_, mode, FenetreChoisie());
  if (const std::optional<int32_t> n = CombienN(etat_.I1, etat_.I2, mode)) {
    Label13->setText(QString::fromStdString(StrDouble(*n)));
  }
  if (!signal) {
    // No sample left (d beyond the length): no working signal to show.
    EffaceImage();
    return;
  }
  TraceSignal();
  Wavelet->show();
}
