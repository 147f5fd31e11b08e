#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contours.h"
#include "plot/image_plot.h"
#include "wav/caract_wave.h"
#include "workbench/fenetres.h"

// The largest side of a picture, far beyond any screen.
inline constexpr int kCoteImageMax = 8192;

// The command line of marvillons-batch: the main window's controls as
// options, with the window's initial texts as defaults.
struct OptionsBatch {
  std::string fichier;                     // text or data file of numbers, or a .wav file
  std::optional<std::string> dt;           // Text5; else 5.E-6, or the WAV header's interval
  ChoixCanal canal = ChoixCanal::Option1;  // the header dialog's channel choice
  bool canalDonne = false;                 // --channel given
  bool selection = false;                  // --select given
  long i1 = 0, i2 = 0;                     // the selected samples, inclusive
  std::string pas = "1";                   // Text7, the step k
  bool moyenne = false;                    // mean of each k instead of one sample in k
  // The Fourier mode: the band cuts of a filter file, and the divisor d
  // (Text6) of "Ok"; either one chooses that mode.
  std::string filtre;
  std::optional<std::string> diviseur;
  FenetreSpectrale fenetre = kFenetreInitiale;
  int ondelette = 0;                     // list1: 0 Morlet, 1 Paul, 2 Gauss
  std::optional<std::string> parametre;  // Text1; the wavelet's default text when absent
  std::string echelleDepart = "2";       // Text2
  std::string sousEchelles = "4";        // Text3
  std::string octaves = "11";            // Text4
  std::string grille;                    // CSV of the grid, when not empty
  std::string spectre;                   // CSV of the spectrum, when not empty
  std::string fourier;                   // CSV of the selection's amplitude spectrum
  std::string png;                       // the plot picture, when not empty
  std::string bmp;
  int largeur = kLargeurImageDefaut;
  int hauteur = kHauteurImageDefaut;
  std::vector<Contour> contours;  // iso-level networks over the picture
  int threads = 1;                // threads sharing the scales out
  bool aide = false;

  bool ModeFourier() const { return !filtre.empty() || diviseur.has_value(); }
  bool Image() const { return !png.empty() || !bmp.empty(); }
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
