#pragma once

#include <optional>
#include <string>

#include "engine/message_moteur.h"
#include "options.h"
#include "workbench/workbench_state.h"

// Stage 1: the input file into the workbench state, as "Fichier" › "Texte"
// or "Fichier" › "Waves" and the header dialog's "Accepte" load it. A file
// named *.wav (any case) goes through the WAV reader with the channel
// choice, and the sampling interval field takes the header's interval;
// any other file is read as numbers. An explicit --dt replaces the interval,
// as typing in the field after loading would.
//
// Gives the text of the sampling interval field (Text5), or the message.
struct Entree {
  std::string Text5;
  std::optional<MessageMoteur> echec;
};
Entree ChargeEntree(const OptionsBatch& o, WorkbenchState& etat);

bool EstWave(const std::string& chemin);
