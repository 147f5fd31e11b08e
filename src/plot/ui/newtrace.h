#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/ui/choix_couleurs.h"
#include "engine/complexe.h"
#include "engine/grille.h"
#include "platform/services.h"
#include "plot/colour_scale_state.h"
#include "plot/curves.h"
#include "plot/plot_model.h"
#include "plot/souris.h"

class ImageSurface;
class QAction;
class QLabel;
class PictureBox;

// The plot window of one analysis: the grid drawn as a colour map (or the
// names of its iso-level networks) with axes, titles, a movable legend and
// the signal and spectrum strips; the pointer read-out, the cross-hair, the
// zoom and documentation modes, saving and printing. It keeps the plot model,
// the colour scale and the colour dialog, which live as long as the window.
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
  // power painted), the colour dialog loaded hidden and its default scale
  // accepted. The curve data are copied, so the caller's arrays may change
  // afterwards.
  void Charge(Grille grille, std::vector<std::string> nomVar, const CurveInputs& curves,
              const std::string& cheminFichier);

  PlotModel& Modele() { return modele_; }
  const PlotModel& Modele() const { return modele_; }
  ColourScale& Echelle() { return echelle_; }
  // The colour dialog (null before Charge and after FIN).
  ChoixCouleurs* FeuilleCouleurs() const { return feuilleCouleurs_; }

  // The settings dialogs this window opens, given by whoever builds them.
  // Each shows its dialog modeless; a command stays disabled until its
  // dialog is given.
  void BrancheAxes(std::function<void()> montre);     // FCalage
  void BrancheTitres(std::function<void()> montre);   // Topniveau
  void BrancheNiveaux(std::function<void()> montre);  // FGereiso
  // The variable chooser Choisirfonc, told what the choice is for
  // ("Color Map" from this window).
  void BrancheChoixVariable(std::function<void(const std::string& choixPour)> montre);
  // The network chooser Choixniveau; it sets ReseauDoc (-1 for none) when it
  // opens and calls DocumentationChoisie when the user accepts a network.
  void BrancheChoixniveau(std::function<void()> montre);

  // The network chooser accepted `reseau`: documentation mode for it.
  void DocumentationChoisie(int reseau);

  // Menu commands, in menu-bar order.
  QAction* Normal = nullptr;
  QAction* Redraw = nullptr;
  QAction* Isometrique = nullptr;
  QAction* Axes = nullptr;
  QAction* Titres = nullptr;
  QAction* Niveaux = nullptr;
  QAction* ColorMap = nullptr;
  QAction* Zoom = nullptr;
  QAction* Doc = nullptr;
  QAction* Legende = nullptr;  // "VoirLegende" / "CacheLegende"
  QAction* Enregistrer = nullptr;
  QAction* Imprimer = nullptr;
  QAction* FIN = nullptr;

  PictureBox* Picture = nullptr;   // the plot
  PictureBox* Picture1 = nullptr;  // the legend box, over the plot
  QLabel* Label1 = nullptr;        // pointer read-out; a click empties it
  QLabel* Label2 = nullptr;        // value read-out of the last release
  QLabel* Label5 = nullptr;        // mouse mode; a click cancels it

  // Handlers.
  void Form_Activate();
  void Normal_Click();
  void Redraw_Click();
  void Isometrique_Click();
  void Axes_Click();
  void Titres_Click();
  void Niveaux_Click();
  void ColorMap_Click();
  void Zoom_Click();
  void Doc_Click();
  void Legende_Click();
  void Enregistrer_Click();
  void Imprimer_Click();
  void FIN_Click();
  void Label1_Click();
  void Label5_Click();
  void Picture_MouseDown(double x, double y);
  void Picture_MouseMove(double x, double y, Qt::MouseButtons buttons);
  void Picture_MouseUp(double x, double y);
  void Picture1_MouseDown(double x, double y);
  void Picture1_MouseMove(double x, double y, Qt::MouseButtons buttons);

  // The full redraw, then the legend box placed where the redraw put it.
  void Tracemollier();

  // The window's picture as saved and printed: the plot with the legend box
  // over it where it is shown.
  void ImageComplete(ImageSurface& out);

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void PlaceLegende();
  void MontreMode();
  void MontreModeEtLegende();
  void MontreTraits(const Traits& t);
  // Draws the stored injector of ReseauDoc in the current style and colour.
  void TraceInjecteur();
  void PointeurDuMode();

  Platform& platform_;
  PlotModel modele_;
  ColourScale echelle_;
  QPointer<ChoixCouleurs> feuilleCouleurs_;

  std::function<void()> montreAxes_;
  std::function<void()> montreTitres_;
  std::function<void()> montreNiveaux_;
  std::function<void(const std::string&)> montreChoixVariable_;
  std::function<void()> montreChoixniveau_;

  // Own copies of the curves, and the view of them the redraw reads.
  std::vector<float> signal_;
  std::vector<Complexe> spectre_;
  CurveInputs courbes_;
  bool charge_ = false;
  bool dansTrace_ = false;
};
