#include "dialogs/choix_variable.h"

#include "dialogs/calage.h"
#include "dialogs/reseaux.h"

std::string_view TextePour(Pour pour) {
  return kTextesPour[static_cast<size_t>(pour)];
}

std::optional<Pour> PourDe(std::string_view choixPour) {
  for (size_t k = 0; k < kTextesPour.size(); ++k) {
    if (kTextesPour[k] == choixPour) return static_cast<Pour>(k);
  }
  return std::nullopt;
}

std::vector<std::string> ListeVariables(const PlotModel& m) {
  std::vector<std::string> noms;
  for (int v = 1; v <= m.NVar && v < static_cast<int>(m.NomVar.size()); ++v) {
    noms.push_back(m.NomVar[v]);
  }
  return noms;
}

EffetChoix AppliqueChoix(PlotModel& m, std::string_view choixPour, int varChoisie) {
  const std::optional<Pour> pour = PourDe(choixPour);
  const int v = varChoisie + 1;
  if (!pour || varChoisie < 0 || !m.VarValide(v)) return EffetChoix::Aucun;
  switch (*pour) {
    case Pour::AxeX:
      return ChoisitVariableAxe(m, Axe::X, v) ? EffetChoix::Axe : EffetChoix::Aucun;
    case Pour::AxeY:
      return ChoisitVariableAxe(m, Axe::Y, v) ? EffetChoix::Axe : EffetChoix::Aucun;
    case Pour::ColorMap:
      m.VarCouleur = v;
      return EffetChoix::ColorMap;
    case Pour::NouveauReseau:
      return CreeReseau(m, v) ? EffetChoix::ReseauCree : EffetChoix::Aucun;
    case Pour::ModificationReseau:
      return ChangeVariableReseau(m, v) ? EffetChoix::ReseauModifie : EffetChoix::Aucun;
  }
  return EffetChoix::Aucun;
}
