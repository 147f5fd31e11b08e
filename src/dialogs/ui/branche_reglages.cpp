#include "dialogs/ui/branche_reglages.h"

#include <string>

#include "dialogs/choix_variable.h"
#include "dialogs/ui/choisirfonc.h"
#include "dialogs/ui/dialogues_reseaux.h"
#include "dialogs/ui/fcalage.h"
#include "dialogs/ui/topniveau.h"
#include "plot/ui/newtrace.h"

namespace {

// The plot window's dialog of type F, null until it was first opened.
template <class F>
F* Existant(Newtrace& trace) {
  return trace.findChild<F*>(QString(), Qt::FindDirectChildrenOnly);
}

// The plot window's one dialog of type F, made by `cree` the first time.
template <class F, class Cree>
F& Dialogue(Newtrace& trace, Cree cree) {
  F* f = Existant<F>(trace);
  return f ? *f : *cree();
}

// What follows an accepted variable choice.
void ApresChoix(Newtrace& trace, EffetChoix effet) {
  if (effet == EffetChoix::Axe) {
    if (FCalage* f = Existant<FCalage>(trace)) f->Form_Load();
  }
  if (auto* reseaux = Existant<DialoguesReseaux>(trace)) reseaux->ApresChoix(effet);
  if (effet != EffetChoix::Aucun) trace.Form_Activate();
}

}  // namespace

void BrancheReglages(Newtrace& trace, Platform& platform) {
  const auto redessine = [&trace] { trace.Form_Activate(); };
  const auto choisit = [&trace](const std::string& choixPour) {
    Dialogue<Choisirfonc>(trace, [&trace] {
      return new Choisirfonc(
          trace.Modele(), [&trace](EffetChoix effet) { ApresChoix(trace, effet); }, &trace);
    }).Choisit(choixPour);
  };

  trace.BrancheChoixVariable(choisit);
  trace.BrancheAxes([&trace, redessine, choisit] {
    Dialogue<FCalage>(trace, [&] {
      return new FCalage(trace.Modele(), redessine, choisit, &trace);
    }).Ouvre();
  });
  auto* reseaux = new DialoguesReseaux(trace, platform.messages, choisit);
  trace.BrancheNiveaux([reseaux] { reseaux->MontreGereiso(); });
  trace.BrancheChoixniveau([reseaux] { reseaux->MontreChoixniveau(); });
  trace.BrancheTitres([&trace, redessine] {
    Dialogue<Topniveau>(trace, [&] {
      return new Topniveau(trace.Modele(), redessine, &trace);
    }).Ouvre();
  });
}
