#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/complexe.h"
#include "workbench/filtre_cb_ecriture.h"
#include "workbench/spectre_message.h"
#include "workbench/workbench_state.h"

// Cutting frequency bands out of the spectrum by pairs of clicks on its
// picture. A band runs from F1 to F2 in base-2 logarithms of frequencies in
// Hz, the x units of the picture (spectre_dessin.h).

// The cut of one band: every element j = 1..NFFT / 2 whose abscissa xj
// (AbscisseSpectre) satisfies xj + xj/500 >= f1 and xj - xj/500 <= f2, in
// Single arithmetic, is set to (0, 0). The tolerance is relative to xj
// itself, so it vanishes near 1 Hz and changes side below 1 Hz. For every
// cut element j >= 2 its mirror NFFT - j + 2, the same frequency on the
// negative side, is cut too, so that the band is gone from the signal that
// "Ok" brings back at full length; element 1 (the mean) and the Nyquist
// element NFFT / 2 + 1 are their own mirrors. f1 > f2 cuts nothing. Needs a
// valid dt; throws RunError(BadIndex) when spectre does not hold nfft
// elements.
void CoupeBande(std::vector<Complexe>& spectre, int32_t nfft, float dt, float f1, float f2);

// The abscissae xj = AbscisseSpectre(j, dt, nfft) of j = 1..nfft / 2
// (element 0 unused), computed once for many bands, and the same cut with
// them.
std::vector<float> AbscissesCoupure(int32_t nfft, float dt);
void CoupeBande(std::vector<Complexe>& spectre, int32_t nfft, const std::vector<float>& abscisses,
                float f1, float f2);

// Coupure_Click: the next click on the picture is the lower end of a band.
void CommenceCoupure(WorkbenchState& etat);

// A click at x while CoupureActive. The first click sets F1 (the window then
// shows Line1 and asks for the second point). The second sets F2, exchanges
// the two ends if F2 < F1, ends CoupureActive and, with dt the value of
// Text5, cuts the band from Spectre and, while a filter file is recorded,
// appends it to that file; the window then hides Line1 and Line2 and runs
// DessineFFT. An invalid dt cuts and records nothing (message). A failed
// write keeps the cut, ends the recording (EnregFiltre false, file closed)
// and returns the message.
enum class EtapeCoupure { PremierPointPris, BandeCoupee, Refusee };
struct ResultatClicCoupure {
  EtapeCoupure etape = EtapeCoupure::PremierPointPris;
  std::optional<MessageSpectre> message;
};
ResultatClicCoupure ClicCoupure(WorkbenchState& etat, EnregistreurFiltre& enregistreur, double x,
                                float dt);
