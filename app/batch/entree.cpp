#include "entree.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <variant>

#include "wav/caract_wave.h"
#include "workbench/lecture_texte.h"
#include "workbench/lecture_wave.h"

namespace {

MessageMoteur Message(const ErreurWave& e) {
  return {e.message, e.titre};
}

std::optional<MessageMoteur> ChargeWave(const OptionsBatch& o, WorkbenchState& etat,
                                        std::string& text5) {
  ResultatWave<FichierWave> fichier = LireEnteteWave(o.fichier);
  if (!fichier.ok()) return Message(fichier.erreur());
  if (o.canal != ChoixCanal::Option1 && fichier.valeur().entete.Channels != 2) {
    // The header dialog offers these choices for a stereo file only.
    return MessageMoteur{"--channel second and mix need a stereo file", ""};
  }
  ResultatWave<SignalWave> lu = LireSignalWave(o.fichier, o.canal);
  if (!lu.ok()) return Message(lu.erreur());
  if (std::optional<ErreurWave> e =
          InstallerSignalWave(etat, std::move(lu.valeur()), fichier.valeur(), o.fichier)) {
    return Message(*e);
  }
  text5 = Text5Wave(fichier.valeur().entete);
  return std::nullopt;
}

}  // namespace

bool EstWave(const std::string& chemin) {
  if (chemin.size() < 4) return false;
  std::string fin = chemin.substr(chemin.size() - 4);
  std::transform(fin.begin(), fin.end(), fin.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return fin == ".wav";
}

Entree ChargeEntree(const OptionsBatch& o, WorkbenchState& etat) {
  Entree r;
  r.Text5 = "5.E-6";
  if (EstWave(o.fichier)) {
    r.echec = ChargeWave(o, etat, r.Text5);
  } else if (o.canalDonne) {
    r.echec = MessageMoteur{"--channel applies to WAV files only", ""};
  } else {
    ResultatLecture<SignalTexte> lu = ChargerFichierTexte(o.fichier);
    if (const ErreurLecture* e = std::get_if<ErreurLecture>(&lu)) {
      r.echec = MessageMoteur{e->message, e->titre};
    } else {
      InstallerSignalTexte(etat, std::move(std::get<SignalTexte>(lu)), o.fichier);
    }
  }
  if (o.dt) r.Text5 = *o.dt;
  return r;
}
