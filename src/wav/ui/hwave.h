#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "platform/services.h"
#include "wav/caract_wave.h"

class QAction;
class QGroupBox;
class QLabel;
class QRadioButton;
class WaveAcceptor;
class WaveView;

// The open dialog of the "Waves" command.
FileDialogSpec DialogueOuvrirWave();

// "Wave Format": the header of a WAV file just read, the channel choice, and
// the menus "Play", "Voir", "Cancel", "Accepte". It does not block the
// window that opened it; answers go to its WaveAcceptor.
class HWave : public QMainWindow {
  Q_OBJECT

 public:
  HWave(Platform& platform, WaveAcceptor& acceptor, QWidget* parent = nullptr);
  ~HWave() override;

  // Fills the dialog for the file at `chemin` whose header `fichier` was just
  // read (Form_Load), warns about a file it cannot load, and shows it.
  void Montrer(const std::string& chemin, const FichierWave& fichier);

  ChoixCanal Choix() const;

  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  std::array<QLabel*, 16> Labels{};  // Label1 .. Label16
  QAction* Play = nullptr;
  QAction* Voir = nullptr;
  QAction* Cancel = nullptr;
  QAction* Accepte = nullptr;
  WaveView* View = nullptr;

 protected:
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Form_Load();
  void Form_GotFocus();
  void Play_Click();
  void Voir_Click();
  void Cancel_Click();
  void Accepte_Click();

  Platform& platform_;
  WaveAcceptor& acceptor_;
  std::string nomWave_;
  FichierWave fichier_;
};
