#include "signal_travail.h"

#include <algorithm>

#include "engine/number_text.h"
#include "workbench/filtre_cb_lecture.h"
#include "workbench/reechantillonnage.h"
#include "workbench/selection.h"
#include "workbench/spectre.h"
#include "workbench/spectre_message.h"
#include "workbench/spectre_retour.h"

namespace {

MessageMoteur Message(const MessageSpectre& m) {
  return {m.message, m.titre};
}

std::optional<MessageMoteur> Selectionne(const OptionsBatch& o, WorkbenchState& etat) {
  if (!o.selection) {
    SelectionTotale(etat);
    return std::nullopt;
  }
  const long i1 = std::min(o.i1, o.i2), i2 = std::max(o.i1, o.i2);
  if (i2 > etat.Nreel) {
    return MessageMoteur{"the file has " + std::to_string(etat.Nreel) + " samples", ""};
  }
  etat.I1 = static_cast<int32_t>(i1);
  etat.I2 = static_cast<int32_t>(i2);
  return std::nullopt;
}

std::optional<MessageMoteur> Decime(const OptionsBatch& o, WorkbenchState& etat) {
  const LecturePas lecture = LirePas(o.pas);
  if (!lecture.accepte) return MessageMoteur{kMessagePasTropGrand, kTitrePas};
  const int16_t pas = PasApresPerteFocus(lecture.pas);
  etat.Pas = pas;
  etat.Moyenne = o.moyenne;
  const ModeReechantillonnage mode{false, pas, 1.0};
  if (!Reechantillonner(etat, mode, pas, o.fenetre)) {
    return MessageMoteur{"no sample left to analyse", ""};
  }
  return std::nullopt;
}

}  // namespace

SignalTravail ConstruitSignalTravail(const OptionsBatch& o, const std::string& text5,
                                     WorkbenchState& etat) {
  SignalTravail r;
  if ((r.echec = Selectionne(o, etat))) return r;
  if (!o.ModeFourier() && o.fourier.empty()) {
    r.echec = Decime(o, etat);
    return r;
  }

  const float dt = static_cast<float>(LireNombre(text5));
  if (!DtValide(dt)) {
    r.echec = Message(MessageDtIncorrect());
    return r;
  }
  // The Fourier mode takes the selection as it is: one sample in 1.
  etat.Pas = 1;
  etat.Moyenne = false;
  SpectreSelection(etat);
  if (!o.filtre.empty()) {
    if (std::optional<MessageSpectre> m = LireFiltre(etat, o.filtre, dt)) {
      r.echec = Message(*m);
      return r;
    }
  }
  if (!o.fourier.empty()) r.fourier = SpectreFourier{etat.Spectre, etat.NFFT, dt};
  if (!o.ModeFourier()) {
    r.echec = Decime(o, etat);
    return r;
  }

  const double d = o.diviseur ? LireNombre(*o.diviseur) : 1.0;
  BackFft(etat, d);
  const ModeReechantillonnage mode{true, 1, d};
  if (!Finish(etat, mode, o.fenetre)) r.echec = MessageMoteur{"no sample left to analyse", ""};
  return r;
}
