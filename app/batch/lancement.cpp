#include "lancement.h"

#include <iostream>

#include "analyse_batch.h"
#include "csv.h"
#include "entree.h"
#include "image.h"
#include "platform/enregistre_image.h"
#include "signal_travail.h"
#include "workbench/courbes_analyse.h"
#include "workbench/workbench_state.h"

namespace {

void Signale(const MessageMoteur& m) {
  if (m.titre.empty()) {
    std::cerr << "marvillons-batch: " << m.texte << "\n";
  } else {
    std::cerr << m.titre << ": " << m.texte << "\n";
  }
}

bool Ecrit(const std::string& chemin, bool ecrit) {
  if (!ecrit) Signale({"cannot write " + chemin, ""});
  return ecrit;
}

}  // namespace

int Lance(const OptionsBatch& o) {
  WorkbenchState etat;
  const Entree entree = ChargeEntree(o, etat);
  if (entree.echec) {
    Signale(*entree.echec);
    return 1;
  }
  const SignalTravail travail = ConstruitSignalTravail(o, entree.Text5, etat);
  if (travail.echec) {
    Signale(*travail.echec);
    return 1;
  }
  const ResultatAnalyse r = LanceAnalyse(o, entree.Text5, etat);
  for (const MessageMoteur& m : r.messages) Signale(m);
  if (r.erreur) return 1;

  PlotModel modele;
  if (o.Image()) {
    if (std::optional<MessageMoteur> m = PrepareModele(modele, r.etat, o.contours)) {
      Signale(*m);
      return 1;
    }
  }

  bool ok = r.messages.empty();
  if (!o.grille.empty()) ok = Ecrit(o.grille, EcritGrille(o.grille, r.etat)) && ok;
  if (!o.spectre.empty()) ok = Ecrit(o.spectre, EcritSpectre(o.spectre, r.etat)) && ok;
  if (travail.fourier) ok = Ecrit(o.fourier, EcritFourier(o.fourier, *travail.fourier)) && ok;
  if (o.Image()) {
    ImageSurface image(o.largeur, o.hauteur);
    DessineImage(modele, EchelleParDefaut(), CourbesAnalyse(etat, r.etat), image);
    if (!o.png.empty()) ok = Ecrit(o.png, EnregistreImage(image.image(), o.png, "PNG")) && ok;
    if (!o.bmp.empty()) ok = Ecrit(o.bmp, EnregistreImage(image.image(), o.bmp, "BMP")) && ok;
  }
  return ok ? 0 : 1;
}
