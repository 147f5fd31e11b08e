#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/plot_model.h"

// The variable chooser: the caller names a purpose (ChoixPour), the user
// picks a variable, and "Accepte" applies the choice to the plot model.

inline constexpr std::string_view kTitreChoisirfonc = "Choisirfonction";
inline constexpr std::string_view kLegendeChoisirfonc = "Choisir fonction pour : ";

enum class Pour { AxeX, AxeY, ColorMap, NouveauReseau, ModificationReseau };
inline constexpr std::array<std::string_view, 5> kTextesPour = {
    "Axe des X", "Axe des Y", "Color Map", "Nouveau Réseau", "Modification Réseau"};

std::string_view TextePour(Pour pour);
// The purpose a ChoixPour text names exactly; none for any other text.
std::optional<Pour> PourDe(std::string_view choixPour);

// NomVar(1..NVar): list position p is variable p + 1.
std::vector<std::string> ListeVariables(const PlotModel& m);

// What "Accepte" did, so the window knows what to show next.
enum class EffetChoix {
  Aucun,          // no selection, an unknown purpose, or nothing to change
  Axe,            // the axis took the variable
  ColorMap,       // VarCouleur set
  ReseauCree,     // a network was created: its dialog is shown for it
  ReseauModifie,  // network ReseauCourant took the variable: its open dialog is refreshed
};

// "Accepte" with list position varChoisie (-1 when nothing is selected).
EffetChoix AppliqueChoix(PlotModel& m, std::string_view choixPour, int varChoisie);
