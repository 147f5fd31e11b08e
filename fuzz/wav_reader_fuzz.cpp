// libFuzzer target: the WAV reader on arbitrary bytes. Besides the
// sanitizers' checks it asserts what the reader promises: a header that
// reads places its samples inside the input and can be shown, a load gives
// exactly the counted samples, and every sample lies in its drawing range.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "wav/caract_wave.h"
#include "wav/entete_texte.h"

namespace {

void Verifier(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> octets(data, size);
  const auto entete = LireEnteteWave(octets);
  if (!entete.ok()) {
    Verifier(!LireSignalWave(octets, ChoixCanal::Option1).ok());
    return 0;
  }
  const FichierWave& f = entete.valeur();
  Verifier(f.longueurFichier == static_cast<int64_t>(size));
  Verifier(f.longueurEntete >= 20 && f.longueurEntete <= f.longueurFichier);
  Verifier(f.octetsDonnees >= 0 && f.octetsDonnees <= f.octetsApresEntete);
  Verifier(f.entete.SampleRate > 0 && !Text5Wave(f.entete).empty());
  Verifier(!LignesEntete(f)[15].empty());
  const bool incompatible = Incompatibilite(f).has_value();

  for (ChoixCanal choix : {ChoixCanal::Option1, ChoixCanal::Option2, ChoixCanal::Option3}) {
    const auto signal = LireSignalWave(octets, choix);
    Verifier(signal.ok() != incompatible);
    if (!signal.ok()) continue;
    const SignalWave& s = signal.valeur();
    const CompteWave compte = NombreEchantillons(f, choix);
    Verifier(s.Nreel == compte.n && s.PasCanal == compte.pasCanal);
    Verifier(s.SignalLu.size() == static_cast<size_t>(s.Nreel) + 1);
    Verifier(static_cast<int64_t>(s.Nreel) <= f.octetsDonnees);
    for (size_t i = 1; i < s.SignalLu.size(); ++i) {
      Verifier(s.SignalLu[i] >= s.plage.LuMin && s.SignalLu[i] <= s.plage.LuMax);
    }
  }
  return 0;
}
