// The workbench window: selection clicks, the read-out under the picture,
// the resampling choices and the spectral window of the working signal.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

#include "engine/number_format.h"
#include "engine/number_text.h"
#include "platform/ui/picture_box.h"
#include "workbench/dessin_signal.h"
#include "workbench/reechantillonnage.h"
#include "workbench/selection.h"
#include "workbench/ui/start_wavelet.h"

namespace {

constexpr const char* kSelectionFaite = "La selection est faite : Les filtres sont disponibles";
constexpr const char* kPrendreUneMesure = "Prendre une mesure toutes les :";
constexpr const char* kFaireUneMoyenne = " Faire une moyenne tous les :";

double Valeur(const QLineEdit* field) {
  return LireNombre(field->text().toStdString());
}

QString Str(int32_t n) {
  return QString::fromStdString(StrDouble(n));
}

}  // namespace

ModeReechantillonnage StartWavelet::Mode() const {
  ModeReechantillonnage mode;
  mode.fourier = OptFourrier->isChecked();
  mode.pas = etat_.Pas;
  mode.diviseur = Valeur(Text6);
  return mode;
}

FenetreSpectrale StartWavelet::FenetreChoisie() const {
  for (const LegendeFenetre& l : kLegendesFenetres) {
    if (OptionFenetre(l.fenetre)->isChecked()) return l.fenetre;
  }
  return kFenetreInitiale;
}

QRadioButton* StartWavelet::OptionFenetre(FenetreSpectrale fenetre) const {
  switch (fenetre) {
    case FenetreSpectrale::Cs3BHarrisMin:
      return Cs3BHarrisMin;
    case FenetreSpectrale::BartlettMod:
      return BartlettMod;
    case FenetreSpectrale::Cs2Hann:
      return Cs2Hann;
    case FenetreSpectrale::Hamming:
      return Hamming;
    case FenetreSpectrale::Blackman:
      return Blackman;
    case FenetreSpectrale::None:
      break;
  }
  return None;
}

void StartWavelet::PlacerMarqueur(int ligne, double x, double bas, double haut) {
  // Red stands out on the blue drawing and on white alike.
  Picture1->SetOverlayLine(ligne, x, bas, x, haut, true, PictureBox::OverlayMode::Colour,
                           RGB(255, 0, 0));
}

void StartWavelet::Selection_Click() {
  etat_.SelectionActive = true;
  Picture1->setToolTip("Cliquez sur le 1er point");
  etat_.PremierPoint = true;
}

void StartWavelet::Tout_Click() {
  SelectionTotale(etat_);
  Picture1->setToolTip(kSelectionFaite);
  DataFiltres->setEnabled(true);
  Windows->setEnabled(true);
  etat_.SelectionActive = false;
  Selection->hide();
  Tout->hide();
  Wavelet->show();
  Reset->show();
  CombienNSECOND();
  Reechantillonne();
}

void StartWavelet::Picture1_MouseDown(double x, double /*y*/) {
  if (etat_.CoupureActive) {
    Picture1_MouseDownCoupure(x);
    return;
  }
  if (!etat_.SelectionActive) return;
  switch (ClicSelection(etat_, x)) {
    case EtapeSelection::PremierPointPris:
      PlacerMarqueur(1, x, etat_.LuMin, etat_.LuMax);
      Picture1->setToolTip("Cliquez sur le 2eme point");
      return;
    case EtapeSelection::ClicIgnore:
      PlacerMarqueur(2, x, etat_.LuMin, etat_.LuMax);
      return;
    case EtapeSelection::SelectionFaite:
      break;
  }
  PlacerMarqueur(2, x, etat_.LuMin, etat_.LuMax);
  Picture1->setToolTip(kSelectionFaite);
  DataFiltres->setEnabled(true);
  Selection->hide();
  Tout->hide();
  Wavelet->show();
  Reset->show();
  Windows->setEnabled(true);
  CombienNSECOND();
  Reechantillonne();
}

void StartWavelet::Picture1_MouseMove(double x, double y) {
  const double facteur = Valeur(OptionFourrierOff->isChecked() ? Text7 : Text6);
  etat_.Dt = static_cast<float>(Valeur(Text5) * facteur);
  if (etat_.SpectreAffiche || etat_.CoupureActive) {
    Label10->setText(QString::fromStdString(FormatNombre(std::pow(2.0, x), "########") + " Hz"));
  } else {
    Label10->setText(QString::fromStdString("N=" + FormatNombre(x, "#######") +
                                            "  Time=" + FormatNombre(etat_.Dt * x, "###.####") +
                                            "s    Signal=" + StrSingle(static_cast<float>(y))));
  }
  if (etat_.SelectionActive) {
    PlacerMarqueur(etat_.PremierPoint ? 1 : 2, x, etat_.LuMin, etat_.LuMax);
  }
  if (etat_.CoupureActive) MarqueurBande(etat_.PremierPoint ? 1 : 2, x);
}

void StartWavelet::Un_sur_ou_Moyenne_Click() {
  EffaceImage();
  etat_.Moyenne = !etat_.Moyenne;
  Un_sur_ou_Moyenne->setText(etat_.Moyenne ? kFaireUneMoyenne : kPrendreUneMesure);
  // The picture is gone until the signal is rebuilt with the new choice.
  Draw->show();
}

void StartWavelet::Text7_Change() {
  if (dansText7_) return;
  dansText7_ = true;
  const LecturePas lu = LirePas(Text7->text().toStdString());
  if (!lu.accepte) {
    // The text goes back before the message, so that nothing reading Text7
    // meanwhile (its focus loss under the message box) sees the refused step.
    {
      QSignalBlocker bloque(Text7);
      Text7->setText(text7Accepte_);
    }
    platform_.messages.Show(kMessagePasTropGrand, kTitrePas, Icone::Exclamation, Boutons::Ok);
    dansText7_ = false;
    return;
  }
  text7Accepte_ = Text7->text();
  etat_.Pas = lu.pas;
  if (etat_.Pas != 0) CombienNSECOND();
  EffaceImage();
  Draw->show();
  dansText7_ = false;
}

void StartWavelet::Text7_LostFocus() {
  const LecturePas lu = LirePas(Text7->text().toStdString());
  if (lu.accepte) etat_.Pas = lu.pas;
  if (etat_.Pas < 1) {
    etat_.Pas = PasApresPerteFocus(etat_.Pas);
    Text7->setText(" 2");
  }
  CombienNSECOND();
}

void StartWavelet::Text6_Change() {
  if (dansText6_) return;
  dansText6_ = true;
  EtatFourier();
  EffaceImage();
  CombienNSECOND();
  dansText6_ = false;
}

void StartWavelet::Text6_LostFocus() {
  if (!DiviseurAccepte(Text6->text().toStdString())) Text6->setText("1");
}

void StartWavelet::EtatFourier() {
  Coupure->hide();
  EnregistrerFiltre->hide();
  LireFiltre->hide();
  const bool decimation = OptionFourrierOff->isChecked();
  Un_sur_ou_Moyenne->setEnabled(decimation);
  Text7->setEnabled(decimation);
  Text6->setEnabled(!decimation);
  Fourrier->setVisible(!decimation);
  OK->hide();
  Reset->setVisible(decimation);
  Wavelet->setVisible(decimation);
  Draw->setVisible(decimation);
}

void StartWavelet::OptFourrier_Click() {
  etat_.Moyenne = false;
  Un_sur_ou_Moyenne->setText(kPrendreUneMesure);
  Text7->setText(" 1");
  etat_.Pas = 1;
  EtatFourier();
  EffaceImage();
  CombienNSECOND();
}

void StartWavelet::OptionFourrierOff_Click() {
  FermeFiltre();
  EffaceImage();
  EtatFourier();
  CombienNSECOND();
}

void StartWavelet::Draw_Click() {
  CombienNSECOND();
  Reechantillonne();
  Windows->setEnabled(true);
  etat_.SpectreAffiche = false;
  etat_.CoupureActive = false;
}

void StartWavelet::CombienNSECOND() {
  if (const std::optional<CompteSecond> compte = ::CombienNSECOND(etat_.I1, etat_.I2, Mode())) {
    etat_.NSecond = compte->NSecond;
    Label13->setText(Str(compte->affiche));
  }
}

// Lire_Data_Second then Finish: the resampled selection, the working signal
// under the chosen window, and its drawing. A selection shorter than the step
// gives no working signal: the picture stays as it is and Wavelet hidden.
void StartWavelet::Reechantillonne() {
  // A step below 1 cannot resample; it is corrected as when Text7 loses the
  // focus (which a click on a button normally does first).
  if (LirePas(Text7->text().toStdString()).pas < 1) Text7_LostFocus();
  const ModeReechantillonnage mode = Mode();
  const int32_t k = mode.fourier ? 1 : LirePas(Text7->text().toStdString()).pas;
  bool signal = false;
  {
    BusyScope occupe(platform_.desktop);
    signal = Reechantillonner(etat_, mode, k, FenetreChoisie());
  }
  if (const std::optional<int32_t> n = CombienN(etat_.I1, etat_.I2, mode)) {
    Label13->setText(Str(*n));
  }
  if (!signal) {
    Wavelet->hide();
    return;
  }
  TraceSignal();
  Wavelet->show();
  Windows->setEnabled(true);
}

void StartWavelet::DessineSignal() {
  if (etat_.Nmax < 1 || etat_.NSecond < etat_.Nmax) return;
  DiversFiltres(etat_, FenetreChoisie());
  TraceSignal();
}

void StartWavelet::TraceSignal() {
  ImageSurface& s = Picture1->surface();
  ::DessineSignal(s, etat_);
  Picture1->SetOverlayVisible(1, false);
  Picture1->SetOverlayVisible(2, false);
  Picture1->Refresh();
  vue_ = Vue::SignalTravail;
}
