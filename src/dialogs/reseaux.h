#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/message_moteur.h"
#include "plot/plot_model.h"

// The dialogs' operations on the iso-level network table of the plot model:
// the network list, the set-up of one network, its table of values and the
// choice of the network to document. Messages come back as values; the
// dialogs show them.

inline constexpr std::string_view kTitreGereiso = "Mise en place des réseaux d' iso-valeurs";
inline constexpr std::string_view kTitreFisov = "Mise en place du reseau";
inline constexpr std::string_view kEnteteFisov = "MISE EN PLACE DU RESEAU";
inline constexpr std::string_view kTitreTableau = "Acces valeurs ";
inline constexpr std::string_view kTitreChoixniveau = "Choisir Niveau";
inline constexpr std::string_view kLegendeChoixniveau = "Choisir le niveau à documenter :";

inline constexpr const char* kMaximumAtteint = "Maximum atteint";
inline constexpr const char* kTitreNouveauReseau = "Nouveau reseau";
inline constexpr const char* kTitreTableauValeurs = "Tableau de valeurs";

// Why the network dialog refuses its fields: a progression that would never
// end or never start, or a number beyond the Single range.
inline constexpr const char* kPasNul = "Pas Choisi : un pas nul ne donne aucune fin";
inline constexpr const char* kPasAContresens =
    "Pas Choisi : ce pas ne mène pas du minimum au maximum";
inline constexpr const char* kRaisonTropPetite =
    "Pas Choisi : la raison d'une progression géométrique doit dépasser 1";
inline constexpr const char* kMinimumGeometrique =
    "Minimum Choisi : une progression géométrique part d'un minimum positif";
inline constexpr const char* kMinimumHorsLimites = "Minimum Choisi : nombre hors limites";
inline constexpr const char* kMaximumHorsLimites = "Maximum Choisi : nombre hors limites";
inline constexpr const char* kPasHorsLimites = "Pas Choisi : nombre hors limites";

inline constexpr int kValeursTableMax = 25;

// NomReseau(1..NbReseaux), as the lists show them.
std::vector<std::string> ListeReseaux(const PlotModel& m);

// "AJOUTE" of the list: the message when every variable has its network;
// otherwise none, and the variable chooser is shown.
std::optional<MessageMoteur> RefusAjoute(const PlotModel& m);

// Network NbReseaux + 1 for variable v, with the variable's range in ten
// steps, arithmetic, format "#.#E+##", its injector from the centre of the
// frame to its top-right corner, not placed; the slot's table of values
// stays as it was. False (nothing changed) when the table is full or v does
// not exist.
bool CreeReseau(PlotModel& m, int v);

// Network ReseauCourant takes variable v: name, range, step, progression and
// injector ends reset as at creation, with the format "#.##E+##"; InjPlace
// and the table of values stay. False (nothing changed) when it already
// traces v or either index does not exist.
bool ChangeVariableReseau(PlotModel& m, int v);

// Deletes the network at list position p (0-based): the later networks
// move down one place with all their fields and tables; the last slot keeps
// its old contents. False when p is not in the list.
bool SupprimeReseau(PlotModel& m, int p);

// The message that refuses a progression, if any: arithmetic with a zero
// step or one that leads away from the maximum, geometric with a factor not
// above 1 or a minimum not above 0, or any number not finite.
std::optional<MessageMoteur> RefusProgression(int progression, float min, float max, float pas);

// The network dialog's fields for network ReseauCourant.
struct ChampsReseau {
  std::string Label2;   // the variable's name
  std::string Text1;    // "Nom Choisi :"
  std::string Text2;    // "Minimum Choisi :"
  std::string Text3;    // "Maximum Choisi :"
  std::string Text4;    // "Pas Choisi :"
  std::string Text5;    // "Format des Labels :"
  std::string Label10;  // VarMin of the variable
  std::string Label11;  // VarMax of the variable
  int progression = 1;
  bool accesTableau = false;  // "Accés Tableau" shows for a table only

  bool operator==(const ChampsReseau&) const = default;
};

// Empty fields when ReseauCourant does not exist.
ChampsReseau ChampsDuReseau(const PlotModel& m);

// An option of the frame "Progression:" (1, 2 or 3), stored at once.
void ChoisitProgression(PlotModel& m, int progression);

// The dialog closes: its fields are written back into network ReseauCourant,
// unless the progression they give is refused; then the message comes back
// and the network stays as it was.
std::optional<MessageMoteur> RelitReseau(PlotModel& m, const ChampsReseau& champs);
// The same for network n, which the dialog was loaded for: it still holds
// the user's edits when ReseauCourant has already moved on to another one.
std::optional<MessageMoteur> RelitReseau(PlotModel& m, int n, const ChampsReseau& champs);

// The table of values of network ReseauCourant, with its list as shown.
class TableauValeurs {
 public:
  // The list receives the network's values as decimal texts.
  void Charge(const PlotModel& m);
  // Enter in the entry field: the entry is appended as typed and its number
  // to the table, and the field emptied; an empty entry does nothing. The
  // message when the table already holds kValeursTableMax values.
  std::optional<MessageMoteur> Ajoute(PlotModel& m);
  // "Oter" on list position p (0-based); nothing for a position not listed.
  void Ote(PlotModel& m, int p);

  std::string entree;
  const std::vector<std::string>& Liste() const { return liste_; }

 private:
  std::vector<std::string> liste_;
};

// Choixniveau: loading forgets the documented network; "Accepte" with list
// position p (-1 for none) sets it and switches the plot window to placing
// its injector.
void ChargeChoixNiveau(PlotModel& m);
void AccepteChoixNiveau(PlotModel& m, int p);
