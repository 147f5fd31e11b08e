#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/grille.h"
#include "platform/surface.h"

// The state of the plot window: the grid and its variables, their extents,
// both axes, the iso-level network table, the mouse modes and the legend.
// Axis ends, spacings and zoom corners are in world units: data units on a
// linear axis, base-B logarithms of data units on a logarithmic one.
// Arrays over variables or networks are indexed 0..NVar (element 0 unused).
struct PlotModel {
  // Grid and variables, as the analysis run fills them.
  ::Grille Grille;
  std::vector<std::string> NomVar;

  // Extents and axes.
  int NVar = 0;
  int NI = 0;
  int NJ = 0;
  std::vector<float> VarMin;
  std::vector<float> VarMax;
  int VarX = 1;
  int VarY = 2;
  float XMin = 0.0f;
  float XMax = 0.0f;
  float YMin = 0.0f;
  float YMax = 0.0f;
  float DX = 0.0f;
  float DY = 0.0f;
  float XMajor = 0.0f;  // tick spacing
  float YMajor = 0.0f;
  float XTic = 0.0f;  // tick spacings per labelled tick
  float YTic = 0.0f;
  std::string XFormat = "#.##E+##";
  std::string YFormat = "#.##E+##";
  std::string XTitre;
  std::string YTitre;
  bool XLog = false;
  bool YLog = false;
  float XBase = 1.0f;  // 1 exactly when the axis is linear
  float YBase = 1.0f;
  int XBaseIndex = 0;
  int YBaseIndex = 0;
  float ZoomX1 = 0.0f;
  float ZoomY1 = 0.0f;
  float ZoomX2 = 0.0f;
  float ZoomY2 = 0.0f;
  std::string TitreLabo = "L U V R A";
  std::string TitreReseau = "Donnez un titre au réseau ...";
  int VarCouleur = 0;  // 0: no colour map, the iso networks are drawn

  // Iso-level networks 1..NbReseaux.
  int NbReseaux = 0;
  std::vector<std::string> NomReseau;
  std::vector<int> ReseauVar;
  std::vector<float> ReseauMin;
  std::vector<float> ReseauMax;
  std::vector<float> ReseauPas;
  std::vector<int> ReseauProgression;  // 1 arithmetic, 2 geometric, 3 table
  std::vector<std::string> ReseauFormat;
  std::vector<int> NbValeursTable;
  std::vector<std::array<float, 26>> TableNiveaux;
  std::vector<float> InjX1;  // label injector ends, data units
  std::vector<float> InjY1;
  std::vector<float> InjX2;
  std::vector<float> InjY2;
  std::vector<int> InjPlace;
  int ReseauCourant = 0;
  int ReseauDoc = 0;

  // The network being traced, copied from the table before each trace.
  int IsoReseau = 0;
  int IsoVar = 0;
  float IsoMin = 0.0f;
  float IsoMax = 0.0f;
  float IsoPas = 0.0f;

  // Mouse modes (1 active, 0 inactive; at most one active).
  int ModeZoom = 0;
  int ModeDoc = 0;

  // Legend box: visibility, its top-left corner in plot world units (placed
  // by every redraw), and the drag anchors of the last press on it.
  bool LegendeVisible = false;
  float LegendeLeft = 0.0f;
  float LegendeTop = 0.0f;
  float LegSourisX = 0.0f;
  float LegSourisY = 0.0f;
  float LegLeft = 0.0f;
  float LegTop = 0.0f;

  // Smallest and largest value of variable k; 0 for a variable that does
  // not exist, so that a bad index never reads outside the tables.
  float MinDe(int k) const { return VarValide(k) ? VarMin[k] : 0.0f; }
  float MaxDe(int k) const { return VarValide(k) ? VarMax[k] : 0.0f; }
  bool VarValide(int k) const { return k >= 1 && k <= NVar && k < static_cast<int>(VarMin.size()); }
};

// Grid bounds, extents, default axes and a fresh network table from Grille.
void Initialise(PlotModel& m);

// What the plot window does when it receives a grid: no colour map, no mouse
// mode, linear axes, the legend hidden, Initialise, then the Y axis made
// logarithmic in base 2 when its variable is strictly positive, and variable
// 4 (the power of an analysis run) chosen for the colour map. The model is
// initialised afresh for every grid, so nothing of an earlier grid survives.
void ChargeGrille(PlotModel& m, ::Grille grille, std::vector<std::string> nomVar);

// "Normal": the full extents of both axes; formats and zoom corners stay.
void Normal(PlotModel& m);

// "Isométrique": widens the shorter axis so both span the same world range.
// Does nothing and returns false when either axis is logarithmic.
bool Isometrique(PlotModel& m);

// Colour of network n: red, green, blue, black, yellow, magenta, cyan for
// n = 1..7; none for any other n (the drawing colour stays as it is).
std::optional<Couleur> CouleurReseau(int n);
void couleur(int n, Surface& s);
