// The workbench window: the wavelet analysis of the working signal and the
// plot window that shows it.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

#include "dialogs/ui/branche_reglages.h"
#include "plot/ui/newtrace.h"
#include "workbench/courbes_analyse.h"
#include "workbench/ui/start_wavelet.h"

void StartWavelet::Wavelet_Click() {
  // The window is out of use for the whole run, so no second command can
  // start meanwhile.
  setEnabled(false);
  EntreesAnalyse in;
  in.Text1 = Text1->text().toStdString();
  in.Text2 = Text2->text().toStdString();
  in.Text3 = Text3->text().toStdString();
  in.Text4 = Text4->text().toStdString();
  in.Text5 = Text5->text().toStdString();
  in.Text6 = Text6->text().toStdString();
  in.Text7 = Text7->text().toStdString();
  in.OptionFourrierOff = OptionFourrierOff->isChecked();
  in.list1Index = list1->currentIndex();
  in.Signal = etat_.Signal;
  in.Nmax = etat_.Nmax;
  ResultatAnalyse resultat = [&] {
    BusyScope occupe(platform_.desktop);
    return Analyse(in, std::move(analyse_));
  }();
  analyse_ = std::move(resultat.etat);
  for (const MessageMoteur& m : resultat.messages) {
    platform_.messages.Show(m.texte, m.titre, m.icone, Boutons::Ok);
  }

  // The run's interval and spectrum replace the workbench's.
  etat_.Dt = analyse_.Dt;
  etat_.NFFT = analyse_.NFFT;
  etat_.Spectre = analyse_.spectre.Spectre;
  etat_.SpectreMin = analyse_.spectre.SpectreMin;
  etat_.SpectreMax = analyse_.spectre.SpectreMax;

  if (FenetreTrace) FenetreTrace->close();
  auto* trace = new Newtrace(platform_);
  BrancheReglages(*trace, platform_);
  trace->Charge(analyse_.grille, analyse_.NomVar, CourbesAnalyse(etat_, analyse_),
                etat_.NomFichier);
  FenetreTrace = trace;
  trace->show();

  etat_.SpectreAffiche = false;
  etat_.CoupureActive = false;
  setEnabled(true);
}
