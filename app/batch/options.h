#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/fenetres.h"

// The command line of marvillons-batch: the main window's controls as
// options, with the window's initial texts as defaults.
struct OptionsBatch {
  std::string fichier;       // text or data file of numbers
  std::string dt = "5.E-6";  // Text5
  bool selection = false;    // --select given
  long i1 = 0, i2 = 0;       // the selected samples, inclusive
  std::string pas = "1";     // Text7, the step k
  bool moyenne = false;      // mean of each k instead of one sample in k
  FenetreSpectrale fenetre = kFenetreInitiale;
  int ondelette = 0;                     // list1: 0 Morlet, 1 Paul, 2 Gauss
  std::optional<std::string> parametre;  // Text1; the wavelet's default text when absent
  std::string echelleDepart = "2";       // Text2
  std::string sousEchelles = "4";        // Text3
  std::string octaves = "11";            // Text4
  std::string grille;                    // CSV of the grid, when not empty
  std::string spectre;                   // CSV of the spectrum, when not empty
  int threads = 1;                       // threads sharing the scales out
  bool aide = false;
};

// Parses argv[1..argc-1]; on a malformed command line returns the message
// to print.
struct LectureOptions {
  OptionsBatch options;
  std::string erreur;  // empty when the command line is valid
};
LectureOptions LireOptions(const std::vector<std::string>& arguments);

// The --help text.
std::string TexteAide();
