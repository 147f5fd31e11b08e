// The workbench window: loading a WAV file through its header dialog.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "engine/number_text.h"
#include "wav/ui/hwave.h"
#include "workbench/lecture_wave.h"
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
  if (const std::optional<ErreurWave> erreur =
          InstallerSignalWave(etat_, std::move(lu.valeur()), wave_, chemin)) {
    ErreurChargement(erreur->message, erreur->titre);
    return;
  }
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
