#include "image.h"

#include "dialogs/colour_scale.h"
#include "plot/copie_pixels.h"
#include "plot/image_plot.h"
#include "plot/trace_reseau.h"
#include "plot/tracemollier.h"

std::optional<MessageMoteur> PrepareModele(PlotModel& m, const EtatAnalyse& run,
                                           const std::vector<Contour>& contours) {
  ChargeGrille(m, run.grille, run.NomVar);
  return InstalleContours(m, contours);
}

ColourScale EchelleParDefaut() {
  ColourScale echelle;
  ChoixCouleursLogic dialogue(echelle);
  dialogue.Charge_FeuilleCouleurs();
  dialogue.Accepte();
  return echelle;
}

void DessineImage(PlotModel& m, const ColourScale& echelle, const CurveInputs& courbes,
                  ImageSurface& image) {
  ImageSurface legende(kLegendeLargeur, kLegendeHauteur);
  Tracemollier(m, echelle, courbes, image, &legende);
  for (int n = 1; n <= m.NbReseaux; ++n) TraceReseau(m, n, image);
  const PixelLegende p = PlaceLegende(m, image.Scale());
  CopiePixels(legende, image, p.x, p.y);
}
