#include "dialogs/reseaux.h"

#include <algorithm>
#include <cmath>

#include "dialogs/calage_nombre.h"
#include "plot/declarations.h"

namespace {

// Every slot of the table holds network n.
bool Emplacement(const PlotModel& m, int n) {
  auto dans = [n](const auto& v) { return n >= 1 && n < static_cast<int>(v.size()); };
  return dans(m.NomReseau) && dans(m.ReseauVar) && dans(m.ReseauMin) && dans(m.ReseauMax) &&
         dans(m.ReseauPas) && dans(m.ReseauProgression) && dans(m.ReseauFormat) &&
         dans(m.NbValeursTable) && dans(m.TableNiveaux) && dans(m.InjX1) && dans(m.InjY1) &&
         dans(m.InjX2) && dans(m.InjY2) && dans(m.InjPlace);
}

bool Defini(const PlotModel& m, int n) {
  return n <= m.NbReseaux && Emplacement(m, n);
}

bool Variable(const PlotModel& m, int v) {
  return m.VarValide(v) && v < static_cast<int>(m.NomVar.size());
}

// Name, range, step, progression and injector ends of network n for
// variable v.
void Reinitialise(PlotModel& m, int n, int v) {
  m.ReseauVar[n] = v;
  m.NomReseau[n] = "ISO-" + m.NomVar[v];
  m.ReseauMax[n] = m.VarMax[v];
  m.ReseauMin[n] = m.VarMin[v];
  m.ReseauPas[n] = (m.ReseauMax[n] - m.ReseauMin[n]) / 10;
  m.ReseauProgression[n] = 1;
  m.InjX1[n] = LogBase(m.XBase, (m.XMin + m.XMax) / 2);
  m.InjY1[n] = LogBase(m.YBase, (m.YMin + m.YMax) / 2);
  m.InjX2[n] = LogBase(m.XBase, m.XMax);
  m.InjY2[n] = LogBase(m.YBase, m.YMax);
}

void Copie(PlotModel& m, int de, int vers) {
  m.NomReseau[vers] = m.NomReseau[de];
  m.ReseauVar[vers] = m.ReseauVar[de];
  m.ReseauMin[vers] = m.ReseauMin[de];
  m.ReseauMax[vers] = m.ReseauMax[de];
  m.ReseauPas[vers] = m.ReseauPas[de];
  m.ReseauProgression[vers] = m.ReseauProgression[de];
  m.ReseauFormat[vers] = m.ReseauFormat[de];
  m.InjX1[vers] = m.InjX1[de];
  m.InjY1[vers] = m.InjY1[de];
  m.InjX2[vers] = m.InjX2[de];
  m.InjY2[vers] = m.InjY2[de];
  m.InjPlace[vers] = m.InjPlace[de];
  m.NbValeursTable[vers] = m.NbValeursTable[de];
  m.TableNiveaux[vers] = m.TableNiveaux[de];
}

MessageMoteur Refus(const char* texte) {
  return {texte, std::string(kTitreFisov)};
}

}  // namespace

std::vector<std::string> ListeReseaux(const PlotModel& m) {
  std::vector<std::string> noms;
  for (int n = 1; Defini(m, n); ++n) noms.push_back(m.NomReseau[n]);
  return noms;
}

std::optional<MessageMoteur> RefusAjoute(const PlotModel& m) {
  if (m.NbReseaux >= m.NVar) return MessageMoteur{kMaximumAtteint, kTitreNouveauReseau};
  return std::nullopt;
}

bool CreeReseau(PlotModel& m, int v) {
  const int n = m.NbReseaux + 1;
  if (m.NbReseaux >= m.NVar || !Emplacement(m, n) || !Variable(m, v)) return false;
  m.NbReseaux = n;
  m.ReseauCourant = n;
  Reinitialise(m, n, v);
  m.ReseauFormat[n] = "#.#E+##";
  m.InjPlace[n] = 0;
  return true;
}

bool ChangeVariableReseau(PlotModel& m, int v) {
  const int n = m.ReseauCourant;
  if (!Defini(m, n) || !Variable(m, v) || m.ReseauVar[n] == v) return false;
  Reinitialise(m, n, v);
  m.ReseauFormat[n] = "#.##E+##";
  return true;
}

bool SupprimeReseau(PlotModel& m, int p) {
  const int n = p + 1;
  if (p < 0 || !Defini(m, n)) return false;
  m.ReseauCourant = n;
  for (int i = n; i < m.NbReseaux; ++i) Copie(m, i + 1, i);
  m.NbReseaux = m.NbReseaux - 1;
  return true;
}

std::optional<MessageMoteur> RefusProgression(int progression, float min, float max, float pas) {
  if (!std::isfinite(min)) return Refus(kMinimumHorsLimites);
  if (!std::isfinite(max)) return Refus(kMaximumHorsLimites);
  if (!std::isfinite(pas)) return Refus(kPasHorsLimites);
  if (progression == 1) {
    if (pas == 0.0f) return Refus(kPasNul);
    if ((pas > 0.0f && min > max) || (pas < 0.0f && min < max)) return Refus(kPasAContresens);
  }
  if (progression == 2) {
    if (!(min > 0.0f)) return Refus(kMinimumGeometrique);
    if (!(pas > 1.0f)) return Refus(kRaisonTropPetite);
  }
  return std::nullopt;
}

ChampsReseau ChampsDuReseau(const PlotModel& m) {
  ChampsReseau c;
  const int n = m.ReseauCourant;
  if (!Defini(m, n)) return c;
  const int v = m.ReseauVar[n];
  c.Label2 = Variable(m, v) ? m.NomVar[v] : std::string();
  c.Text1 = m.NomReseau[n];
  c.Text2 = TexteDecimal(m.ReseauMin[n]);
  c.Text3 = TexteDecimal(m.ReseauMax[n]);
  c.Text4 = TexteDecimal(m.ReseauPas[n]);
  c.Text5 = m.ReseauFormat[n];
  c.Label10 = TexteDecimal(m.MinDe(v));
  c.Label11 = TexteDecimal(m.MaxDe(v));
  c.progression = m.ReseauProgression[n];
  c.accesTableau = c.progression == 3;
  return c;
}

void ChoisitProgression(PlotModel& m, int progression) {
  if (!Defini(m, m.ReseauCourant) || progression < 1 || progression > 3) return;
  m.ReseauProgression[m.ReseauCourant] = progression;
}

std::optional<MessageMoteur> RelitReseau(PlotModel& m, const ChampsReseau& champs) {
  return RelitReseau(m, m.ReseauCourant, champs);
}

std::optional<MessageMoteur> RelitReseau(PlotModel& m, int n, const ChampsReseau& champs) {
  if (!Defini(m, n)) return std::nullopt;
  const float min = RelitNombre(champs.Text2).valeur;
  const float max = RelitNombre(champs.Text3).valeur;
  const float pas = RelitNombre(champs.Text4).valeur;
  if (auto refus = RefusProgression(m.ReseauProgression[n], min, max, pas)) return refus;
  m.NomReseau[n] = champs.Text1;
  m.ReseauMin[n] = min;
  m.ReseauMax[n] = max;
  m.ReseauPas[n] = pas;
  m.ReseauFormat[n] = champs.Text5;
  return std::nullopt;
}

void TableauValeurs::Charge(const PlotModel& m) {
  liste_.clear();
  const int n = m.ReseauCourant;
  if (!Defini(m, n)) return;
  const int nb = std::clamp(m.NbValeursTable[n], 0, kValeursTableMax);
  for (int t = 1; t <= nb; ++t) liste_.push_back(TexteDecimal(m.TableNiveaux[n][t]));
}

std::optional<MessageMoteur> TableauValeurs::Ajoute(PlotModel& m) {
  const int n = m.ReseauCourant;
  if (!Defini(m, n)) return std::nullopt;
  if (m.NbValeursTable[n] >= kValeursTableMax) {
    return MessageMoteur{kMaximumAtteint, kTitreTableauValeurs};
  }
  if (entree.empty()) return std::nullopt;
  liste_.push_back(entree);
  const int t = std::max(m.NbValeursTable[n], 0) + 1;
  m.NbValeursTable[n] = t;
  m.TableNiveaux[n][t] = RelitNombre(entree).valeur;
  entree.clear();
  return std::nullopt;
}

void TableauValeurs::Ote(PlotModel& m, int p) {
  const int n = m.ReseauCourant;
  if (!Defini(m, n)) return;
  const int nb = std::clamp(m.NbValeursTable[n], 0, kValeursTableMax);
  if (p < 0 || p >= nb) return;
  for (int t = p + 1; t < nb; ++t) m.TableNiveaux[n][t] = m.TableNiveaux[n][t + 1];
  m.NbValeursTable[n] = nb - 1;
  if (p < static_cast<int>(liste_.size())) liste_.erase(liste_.begin() + p);
}

void ChargeChoixNiveau(PlotModel& m) {
  m.ReseauDoc = -1;
}

void AccepteChoixNiveau(PlotModel& m, int p) {
  m.ReseauDoc = p;
  if (p < 0 || !Defini(m, p + 1)) {
    m.ReseauDoc = -1;
    return;
  }
  m.ReseauDoc = p + 1;
  m.ModeDoc = 1;
  m.ModeZoom = 0;
}
