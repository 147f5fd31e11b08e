// The workbench window: loading a WAV file through its header dialog.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <utility>

#include "engine/number_text.h"
#include "wav/ui/hwave.h"
#include "workbench/ui/start_wavelet.h"

void StartWavelet::Waves_Click() {
  const std::optional<std::string> chemin = platform_.files.Open(DialogueOuvrirWave());
  if (!chemin) return;
  ResultatWave<FichierWave> fichier = LireEnteteWave(*chemin);
  if (!fichier.ok()) {
    ErreurChargement(fichier.erreur().message, fichier.erreur().titre);
    return;
  }
  wave_ = std::move(fichier.valeur());
  Text5->setText(QString::fromStdString(Text5Wave(wave_.entete)));
  if (!HWave_) HWave_ = std::make_unique<HWave>(platform_, *this);
  HWave_->Montrer(*chemin, wave_);
}

void StartWavelet::AccepteWave(const std::string& chemin, ChoixCanal choix) {
  ResultatWave<SignalWave> lu = LireSignalWave(chemin, choix);
  if (!lu.ok()) {
    ErreurChargement(lu.erreur().message, lu.erreur().titre);
    return;
  }
  SignalWave& signal = lu.valeur();
  if (signal.Nreel == 0) {
    // No sample to draw: a picture scale cannot have a zero width.
    ErreurChargement(kErreurLectureWaves, kTitreLectureWaves);
    return;
  }
  etat_.SignalLu = std::move(signal.SignalLu);
  etat_.Nreel = signal.Nreel;
  etat_.LuMax = signal.plage.LuMax;
  etat_.LuMin = signal.plage.LuMin;
  etat_.ModeWave = true;
  etat_.PasCanal = static_cast<int16_t>(signal.PasCanal);
  etat_.NomWave = chemin;
  etat_.NomFichier = chemin;
  etat_.Entete = wave_.entete;
  etat_.OctetsApresEntete = static_cast<int32_t>(
      std::min<int64_t>(wave_.octetsApresEntete, std::numeric_limits<int32_t>::max()));
  ++chargement_;
  Label12->setText(QString::fromStdString(StrDouble(etat_.Nreel)));
  Label13->setText(Label12->text());
  Text7->setText(" 1");
  Label2->setText(QString::fromStdString(chemin));
  DrawSignal_Click();
  Reset_Click();
}

void StartWavelet::CancelWave() {
  etat_ = WorkbenchState{};
  ++chargement_;
  Label2->setText("");
  Rien();
}
