#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "dialogs/colour_scale.h"
#include "engine/complexe.h"
#include "engine/grille.h"
#include "platform/services.h"
#include "plot/colour_scale_state.h"
#include "plot/curves.h"
#include "plot/plot_model.h"

class QAction;
class QLabel;
class QMenu;
class PictureBox;

// The plot window of one analysis: the grid drawn as a colour map (or the
// names of its iso-level networks) with axes, titles, a movable legend and
// the signal and spectrum strips. It keeps the plot model and the colour
// scale (and the colour dialog's state, which lives as long as the window).
//
// Typical use, at the end of an analysis run:
//   auto* w = new Newtrace(platform);
//   w->Charge(std::move(grille), std::move(nomVar), curves, path);
//   w->show();
class Newtrace : public QMainWindow {
  Q_OBJECT

 public:
  explicit Newtrace(Platform& platform, QWidget* parent = nullptr);
  ~Newtrace() override;

  // Form load with a new grid: caption "Tracé: " and the data file's path,
  // the model loaded afresh (Y on a base-2 logarithmic axis when positive,
  // power painted), the default colour scale accepted. The curve data are
  // copied, so the caller's arrays may change afterwards.
  void Charge(Grille grille, std::vector<std::string> nomVar, const CurveInputs& curves,
              const std::string& cheminFichier);

  PlotModel& Modele() { return modele_; }
  const PlotModel& Modele() const { return modele_; }
  ColourScale& Echelle() { return echelle_; }
  ChoixCouleursLogic& ChoixCouleurs() { return choixCouleurs_; }

  // Menu commands.
  QMenu* MenuTrace = nullptr;
  QAction* Normal = nullptr;
  QAction* Redraw = nullptr;
  QAction* Isometrique = nullptr;
  QAction* Legende = nullptr;  // "VoirLegende" / "CacheLegende"
  QAction* FIN = nullptr;

  PictureBox* Picture = nullptr;   // the plot
  PictureBox* Picture1 = nullptr;  // the legend box, over the plot
  QLabel* Label1 = nullptr;        // pointer read-out
  QLabel* Label2 = nullptr;        // value read-out
  QLabel* Label5 = nullptr;        // mouse mode

  // Handlers.
  void Form_Activate();
  void Normal_Click();
  void Redraw_Click();
  void Isometrique_Click();
  void Legende_Click();
  void FIN_Click();
  void Picture1_MouseDown(double x, double y);
  void Picture1_MouseMove(double x, double y, Qt::MouseButtons buttons);

  // The full redraw, then the legend box placed where the redraw put it.
  void Tracemollier();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void PlaceLegende();
  void MontreModeEtLegende();

  Platform& platform_;
  PlotModel modele_;
  ColourScale echelle_;
  ChoixCouleursLogic choixCouleurs_{echelle_};

  // Own copies of the curves, and the view of them the redraw reads.
  std::vector<float> signal_;
  std::vector<Complexe> spectre_;
  CurveInputs courbes_;
  bool charge_ = false;
  bool dansTrace_ = false;
};
