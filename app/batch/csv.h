#pragma once

#include <string>

#include "engine/analyse.h"
#include "signal_travail.h"

// The CSV files, each written through a temporary file renamed over the
// target once complete; false when the file could not be written (the
// target is then as it was). Every number reads back as the value written:
// Singles with 9 significant digits, the Fourier frequencies (Doubles) in
// the fewest digits that do.

// "i,j" and the six variables, one row per node, i outer and j inner.
bool EcritGrille(const std::string& chemin, const EtatAnalyse& e);
// "k,Re,Im,modulus" of the run's spectrum of the padded signal, k = 1..NFFT.
bool EcritSpectre(const std::string& chemin, const EtatAnalyse& e);
// "frequency,amplitude" of the Fourier display, j = 1..NFFT / 2.
bool EcritFourier(const std::string& chemin, const SpectreFourier& s);
