#pragma once

#include <string>
#include <string_view>

#include "plot/plot_model.h"

// The titles dialog: the diagram title (Text1) and the laboratory name
// (Text2) of the plot, free text, an empty title stored as empty.

inline constexpr std::string_view kTitreTopniveau = "TopNiveau";
inline constexpr std::string_view kEnteteTopniveau = "Mise en place des titres";
inline constexpr std::string_view kInviteLabo = "Donnez un nom au laboratoire";
inline constexpr std::string_view kInviteReseau = "Donnez un titre au reseau";

struct ChampsTitres {
  std::string Text1;  // TitreReseau
  std::string Text2;  // TitreLabo

  bool operator==(const ChampsTitres&) const = default;
};

// Loading: the fields show the current titles.
ChampsTitres ChargeTitres(const PlotModel& m);
// A field loses the focus, or "Accepte" stores both.
void StockeTitreReseau(PlotModel& m, std::string texte);
void StockeTitreLabo(PlotModel& m, std::string texte);
void AccepteTitres(PlotModel& m, const ChampsTitres& champs);
