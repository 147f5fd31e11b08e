#include "analyse_batch.h"

#include "engine/ondelettes.h"
#include "workbench/reechantillonnage.h"

ResultatAnalyse LanceAnalyse(const OptionsBatch& o, const std::string& text5,
                             const WorkbenchState& etat) {
  EntreesAnalyse in;
  in.Text1 = o.parametre.value_or(kOndelettes[static_cast<size_t>(o.ondelette)].texteParametre);
  in.Text2 = o.echelleDepart;
  in.Text3 = o.sousEchelles;
  in.Text4 = o.octaves;
  in.Text5 = text5;
  in.Text6 = o.diviseur.value_or("1");
  // The step field shows the step the window kept.
  in.Text7 = etat.Pas == LirePas(o.pas).pas ? o.pas : std::to_string(etat.Pas);
  in.OptionFourrierOff = !o.ModeFourier();
  in.list1Index = o.ondelette;
  in.Signal = etat.Signal;
  in.Nmax = etat.Nmax;
  in.threads = o.threads;
  return Analyse(in, EtatAnalyse{});
}
