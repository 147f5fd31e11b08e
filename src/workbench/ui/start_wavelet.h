#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/analyse.h"
#include "platform/services.h"
#include "wav/ui/wave_acceptor.h"
#include "workbench/fenetres.h"
#include "workbench/filtre_cb_ecriture.h"
#include "workbench/lecture_texte.h"
#include "workbench/reechantillonnage.h"
#include "workbench/spectre_message.h"
#include "workbench/workbench_state.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class HWave;
class PictureBox;
class UpDown;

// The workbench window: load a signal, select and resample it, choose a
// spectral window, and start the wavelet analysis. The handlers carry the
// names of the controls and events that start them; each reads its controls,
// calls the workbench core once and redraws.
class StartWavelet : public QMainWindow, public WaveAcceptor {
  Q_OBJECT

 public:
  explicit StartWavelet(Platform& platform, QWidget* parent = nullptr);
  ~StartWavelet() override;

  // Menu "Fichier".
  QMenu* Fichier = nullptr;
  QAction* Texte = nullptr;
  QAction* Waves = nullptr;
  QAction* FIN = nullptr;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;

  PictureBox* Picture1 = nullptr;

  QPushButton* Tout = nullptr;
  QPushButton* Selection = nullptr;
  QPushButton* Reset = nullptr;
  QPushButton* Draw = nullptr;
  QPushButton* Fourrier = nullptr;
  QPushButton* Coupure = nullptr;
  QPushButton* EnregistrerFiltre = nullptr;
  QPushButton* FinEnreg = nullptr;
  QPushButton* LireFiltre = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Wavelet = nullptr;

  QGroupBox* DataFiltres = nullptr;
  QPushButton* Un_sur_ou_Moyenne = nullptr;
  QLineEdit* Text7 = nullptr;
  QRadioButton* OptFourrier = nullptr;
  QLineEdit* Text6 = nullptr;
  QRadioButton* OptionFourrierOff = nullptr;

  QGroupBox* Windows = nullptr;
  QRadioButton* Cs3BHarrisMin = nullptr;
  QRadioButton* BartlettMod = nullptr;
  QRadioButton* Cs2Hann = nullptr;
  QRadioButton* Hamming = nullptr;
  QRadioButton* Blackman = nullptr;
  QRadioButton* None = nullptr;

  QGroupBox* Wavelets = nullptr;
  QComboBox* list1 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Text2 = nullptr;
  UpDown* UpDown1 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* Text3 = nullptr;
  UpDown* UpDown3 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* Text4 = nullptr;
  UpDown* UpDown4 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Text5 = nullptr;

  // The workbench state the handlers work on.
  WorkbenchState& Etat() { return etat_; }
  const WorkbenchState& Etat() const { return etat_; }

  // The plot window (Newtrace) of the last analysis; it is closed whenever
  // this window becomes active again and when the program ends.
  QPointer<QWidget> FenetreTrace;

  // What the last wavelet analysis left: run parameters, grid, variable
  // names and spectrum; the next run starts from it.
  const EtatAnalyse& DerniereAnalyse() const { return analyse_; }

  // Where the picture of the signal as loaded is kept, so that Reset shows
  // it again without redrawing: next to the program when that folder is
  // writable, otherwise in the application data folder.
  static std::string CheminSnapshot();

  // The end of every load (text here, WAV from its dialog): SignalLu,
  // Nreel, LuMin, LuMax, NomFichier and ModeWave set, then these in order.
  void DrawSignal_Click();
  void Reset_Click();
  void Rien();
  // The failure of a load after its file dialog: the message, then the No
  // signal state with no file.
  void ErreurChargement(const std::string& message, const std::string& titre);

  // Handlers, named after the control and event that start them.
  void Form_Load();
  void Form_Activate();
  void Fin_Click();
  void Texte_Click();
  void Waves_Click();
  // The answers of the WAV header dialog.
  void AccepteWave(const std::string& chemin, ChoixCanal choix) override;
  void CancelWave() override;
  HWave* FenetreWave() const { return HWave_.get(); }
  void list1_Click();
  void Tout_Click();
  void Selection_Click();
  void Picture1_MouseDown(double x, double y);
  void Picture1_MouseMove(double x, double y);
  void Un_sur_ou_Moyenne_Click();
  void Text7_Change();
  void Text7_LostFocus();
  void Text6_Change();
  void Text6_LostFocus();
  void OptFourrier_Click();
  void OptionFourrierOff_Click();
  void Draw_Click();
  // The spectrum, its band cuts and filter files, and the way back.
  void Fourrier_Click();
  void Coupure_Click();
  void EnregistrerFiltre_Click();
  void FinEnreg_Click();
  void LireFiltre_Click();
  void OK_Click();
  void Wavelet_Click();
  void Hamming_Click() { DessineSignal(); }
  void Blackman_Click() { DessineSignal(); }
  void None_Click() { DessineSignal(); }
  void Cs2Hann_Click() { DessineSignal(); }
  void BartlettMod_Click() { DessineSignal(); }
  void Cs3BHarrisMin_Click() { DessineSignal(); }

 protected:
  void changeEvent(QEvent* event) override;
  // Closing the window ends the recording of a filter file.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void Connect();

  // Procedures of the window.
  void EffaceImage();
  bool Lire_Fichier_Prime(const std::string& chemin, const CompteTexte& compte);
  void DessineSignalLu();
  void EtatFourier();
  void CombienNSECOND();
  void Reechantillonne();
  // The spectral window applied again to the working signal, then drawn.
  void DessineSignal();
  // The working signal drawn as it stands.
  void TraceSignal();
  void PlacerMarqueur(int ligne, double x, double bas, double haut);
  // Line1 or Line2 at x across the spectrum, from SpectreMin to SpectreMax.
  void MarqueurBande(int ligne, double x);
  // A click on the spectrum while a band is being cut.
  void Picture1_MouseDownCoupure(double x);
  // DessineFFT: the spectrum drawn with the interval of Text5 (a flat one
  // along the middle); false, after the message, when that interval is
  // refused.
  bool DessineFFT();
  // The drawing alone, with the interval dt; false when dt is refused.
  bool TraceSpectre(float dt);
  void BackFft();
  // Whatever leaves the Fourier mode ends the recording of a filter file:
  // the file closed, EnregFiltre false, FinEnreg hidden.
  void FermeFiltre();
  void Montrer(const MessageSpectre& m);
  ModeReechantillonnage Mode() const;
  FenetreSpectrale FenetreChoisie() const;
  QRadioButton* OptionFenetre(FenetreSpectrale fenetre) const;
  // Text7 back to its standard step, the change handler running as it does
  // for every change of the text.
  void RemettreText7();

  Platform& platform_;
  WorkbenchState etat_;
  EtatAnalyse analyse_;
  // The WAV file whose header dialog is open, and the dialog.
  FichierWave wave_;
  std::unique_ptr<HWave> HWave_;

  // What Picture1 shows, so that a resize redraws the same thing.
  enum class Vue { Vide, SignalLu, SignalTravail, Spectre };
  Vue vue_ = Vue::Vide;
  // The interval the spectrum picture was drawn with.
  float dtSpectre_ = 0.0f;

  // The filter file being recorded, from "1) Enregistrer Filtre" to
  // "Fin Enregistre"; it goes, closed, with the window.
  EnregistreurFiltre enregistreur_;

  // Each successful load gets a new number; the snapshot file is trusted
  // only when this window wrote it for the current load, at the current
  // picture size, and it has not changed since.
  uint64_t chargement_ = 0;
  uint64_t chargementSnapshot_ = 0;
  qint64 tailleSnapshot_ = -1;
  qint64 dateSnapshot_ = -1;
  int largeurSnapshot_ = 0;
  int hauteurSnapshot_ = 0;

  // Text7 as it was after its last accepted change.
  QString text7Accepte_;
  // Set while a handler of a text box runs, so that a text the handler
  // itself writes back cannot start it again.
  bool dansText7_ = false;
  bool dansText6_ = false;
};
