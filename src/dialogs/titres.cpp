#include "dialogs/titres.h"

#include <utility>

ChampsTitres ChargeTitres(const PlotModel& m) {
  return {m.TitreReseau, m.TitreLabo};
}

void StockeTitreReseau(PlotModel& m, std::string texte) {
  m.TitreReseau = std::move(texte);
}

void StockeTitreLabo(PlotModel& m, std::string texte) {
  m.TitreLabo = std::move(texte);
}

void AccepteTitres(PlotModel& m, const ChampsTitres& champs) {
  m.TitreLabo = champs.Text2;
  m.TitreReseau = champs.Text1;
}
