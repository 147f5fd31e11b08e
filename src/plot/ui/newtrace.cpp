#include "plot/ui/newtrace.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>
#include <filesystem>
#include <utility>

#include "platform/enregistre_image.h"
#include "platform/image_surface.h"
#include "platform/ui/picture_box.h"
#include "plot/copie_pixels.h"
#include "plot/documentation.h"
#include "plot/image_plot.h"
#include "plot/tracemollier.h"

namespace {

constexpr int kLignes = 4;  // Line1..Line4

constexpr const char* kFiltreBmp = "Fichiers bitmap (*.bmp)|*.bmp";
constexpr const char* kTitreEnregistre = " Enregistrer le graphique";
constexpr const char* kEcraser = "Voulez vous l'écraser ?";
constexpr const char* kFichierExistant = "Fichier Existant";
constexpr const char* kErreurOuverture = " Erreur d'ouverture ";
constexpr const char* kTitreOuverture = "Ouverture";

QString Texte(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

Newtrace::Newtrace(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls();
  BuildMenus();
  resize(1000, 720);
}

Newtrace::~Newtrace() {
  // The children go after this object: none may call back into it.
  for (QObject* enfant : findChildren<QObject*>()) enfant->disconnect(this);
  // The dialog refers to the colour scale, which goes with this window.
  delete feuilleCouleurs_.data();
}

void Newtrace::BuildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  Picture = new PictureBox(central);
  Picture->setMinimumSize(600, 400);
  Picture1 = new PictureBox(Picture);
  Picture1->setFixedSize(kLegendeLargeur, kLegendeHauteur);
  Picture1->setToolTip(QString::fromUtf8("Vous pouvez deplacer la légende"));
  Picture1->hide();
  // Fixed sizes, and the mode label's place kept while it is hidden: the
  // read-outs change at every pointer move and the mode label comes and goes,
  // and neither may resize the picture (a resize redraws, and the redraw of
  // a colour map cancels the mouse mode).
  Label5 = new QLabel(central);
  Label5->setToolTip("Cliquez ici pour annuler");
  Label5->setFixedSize(140, 20);
  QSizePolicy garde = Label5->sizePolicy();
  garde.setRetainSizeWhenHidden(true);
  Label5->setSizePolicy(garde);
  Label5->hide();
  Label5->installEventFilter(this);
  Label1 = new QLabel(central);
  Label1->setFixedSize(260, 20);
  Label1->installEventFilter(this);
  Label2 = new QLabel(central);
  Label2->setFixedSize(200, 20);
  auto* lectures = new QHBoxLayout;
  lectures->addWidget(Label1);
  lectures->addWidget(Label2);
  lectures->addStretch();
  lectures->addWidget(Label5);
  layout->addWidget(Picture, 1);
  layout->addLayout(lectures);
  setCentralWidget(central);

  connect(Picture, &PictureBox::resized, this, [this] {
    if (charge_) Tracemollier();
  });
  connect(Picture, &PictureBox::mouseDown, this,
          [this](double x, double y, Qt::MouseButtons) { Picture_MouseDown(x, y); });
  connect(Picture, &PictureBox::mouseMove, this,
          [this](double x, double y, Qt::MouseButtons b) { Picture_MouseMove(x, y, b); });
  connect(Picture, &PictureBox::mouseUp, this,
          [this](double x, double y, Qt::MouseButtons) { Picture_MouseUp(x, y); });
  connect(Picture1, &PictureBox::mouseDown, this,
          [this](double x, double y, Qt::MouseButtons) { Picture1_MouseDown(x, y); });
  connect(Picture1, &PictureBox::mouseMove, this,
          [this](double x, double y, Qt::MouseButtons b) { Picture1_MouseMove(x, y, b); });
}

void Newtrace::BuildMenus() {
  QMenuBar* barre = menuBar();
  Normal = barre->addAction("Normal");
  Redraw = barre->addAction("Redraw");
  Isometrique = barre->addAction(QString::fromUtf8("Isométrique"));
  Axes = barre->addAction("Axes");
  Titres = barre->addAction("Titres");
  Niveaux = barre->addAction("Niveaux");
  ColorMap = barre->addAction("ColorMap");
  Zoom = barre->addAction("Zoom");
  Doc = barre->addAction("Doc");
  Legende = barre->addAction("VoirLegende");
  Enregistrer = barre->addAction("Enregistrer");
  Imprimer = barre->addAction("Imprimer");
  FIN = barre->addAction("FIN");
  Axes->setEnabled(false);
  Titres->setEnabled(false);
  Niveaux->setEnabled(false);
  connect(Normal, &QAction::triggered, this, &Newtrace::Normal_Click);
  connect(Redraw, &QAction::triggered, this, &Newtrace::Redraw_Click);
  connect(Isometrique, &QAction::triggered, this, &Newtrace::Isometrique_Click);
  connect(Axes, &QAction::triggered, this, &Newtrace::Axes_Click);
  connect(Titres, &QAction::triggered, this, &Newtrace::Titres_Click);
  connect(Niveaux, &QAction::triggered, this, &Newtrace::Niveaux_Click);
  connect(ColorMap, &QAction::triggered, this, &Newtrace::ColorMap_Click);
  connect(Zoom, &QAction::triggered, this, &Newtrace::Zoom_Click);
  connect(Doc, &QAction::triggered, this, &Newtrace::Doc_Click);
  connect(Legende, &QAction::triggered, this, &Newtrace::Legende_Click);
  connect(Enregistrer, &QAction::triggered, this, &Newtrace::Enregistrer_Click);
  connect(Imprimer, &QAction::triggered, this, &Newtrace::Imprimer_Click);
  connect(FIN, &QAction::triggered, this, &Newtrace::FIN_Click);
}

void Newtrace::BrancheAxes(std::function<void()> montre) {
  montreAxes_ = std::move(montre);
  Axes->setEnabled(static_cast<bool>(montreAxes_));
}

void Newtrace::BrancheTitres(std::function<void()> montre) {
  montreTitres_ = std::move(montre);
  Titres->setEnabled(static_cast<bool>(montreTitres_));
}

void Newtrace::BrancheNiveaux(std::function<void()> montre) {
  montreNiveaux_ = std::move(montre);
  Niveaux->setEnabled(static_cast<bool>(montreNiveaux_));
}

void Newtrace::BrancheChoixVariable(std::function<void(const std::string&)> montre) {
  montreChoixVariable_ = std::move(montre);
}

void Newtrace::BrancheChoixniveau(std::function<void()> montre) {
  montreChoixniveau_ = std::move(montre);
}

void Newtrace::Charge(Grille grille, std::vector<std::string> nomVar, const CurveInputs& curves,
                      const std::string& cheminFichier) {
  setWindowTitle(QString::fromUtf8("Tracé: ") + Texte(cheminFichier));
  signal_.assign(curves.Signal.begin(), curves.Signal.end());
  spectre_.assign(curves.Spectre.begin(), curves.Spectre.end());
  courbes_ = curves;
  courbes_.Signal = signal_;
  courbes_.Spectre = spectre_;

  Picture1->hide();
  Legende->setText("VoirLegende");
  ChargeGrille(modele_, std::move(grille), std::move(nomVar));
  if (!feuilleCouleurs_) {
    feuilleCouleurs_ = new ChoixCouleurs(echelle_, platform_.colours, this);
    connect(feuilleCouleurs_, &ChoixCouleurs::accepte, this, &Newtrace::Tracemollier);
    feuilleCouleurs_->Charge_FeuilleCouleurs();
    feuilleCouleurs_->Command1_Click();
  }
  charge_ = true;
  Form_Activate();
}

void Newtrace::Tracemollier() {
  if (!charge_ || dansTrace_) return;
  dansTrace_ = true;
  {
    BusyScope busy(platform_.desktop);
    ::Tracemollier(modele_, echelle_, courbes_, Picture->surface(), &Picture1->surface());
  }
  PlaceLegende();
  if (modele_.ModeZoom == 0 && modele_.ModeDoc == 0) {
    Label5->clear();
    Label5->hide();
    PointeurDuMode();
  }
  Picture->Refresh();
  Picture1->Refresh();
  dansTrace_ = false;
}

void Newtrace::PlaceLegende() {
  const PixelLegende p = ::PlaceLegende(modele_, Picture->surface().Scale());
  Picture1->move(p.x, p.y);
}

void Newtrace::MontreMode() {
  if (modele_.ModeZoom == 1) {
    Label5->setText(" * Zoom * ");
    Label5->show();
  } else if (modele_.ModeDoc == 1) {
    Label5->setText("* Documentation *");
    Label5->show();
  } else {
    Label5->clear();
    Label5->hide();
  }
}

void Newtrace::MontreModeEtLegende() {
  MontreMode();
  if (modele_.VarCouleur == 0) {
    Legende->setVisible(false);
    Picture1->hide();
  } else {
    Legende->setVisible(true);
    Picture1->setVisible(modele_.LegendeVisible);
  }
}

void Newtrace::Form_Activate() {
  Tracemollier();
  MontreModeEtLegende();
}

void Newtrace::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && charge_) Form_Activate();
}

void Newtrace::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    unsetCursor();
    Picture->unsetCursor();
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool Newtrace::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == Label1) Label1_Click();
    if (watched == Label5) Label5_Click();
  }
  return QMainWindow::eventFilter(watched, event);
}

void Newtrace::Normal_Click() {
  ::Normal(modele_);
  Tracemollier();
}

void Newtrace::Redraw_Click() {
  Tracemollier();
}

void Newtrace::Isometrique_Click() {
  if (::Isometrique(modele_)) Tracemollier();
}

void Newtrace::Axes_Click() {
  if (montreAxes_) montreAxes_();
}

void Newtrace::Titres_Click() {
  if (montreTitres_) montreTitres_();
}

void Newtrace::Niveaux_Click() {
  if (!montreNiveaux_) return;
  modele_.VarCouleur = 0;
  montreNiveaux_();
}

void Newtrace::ColorMap_Click() {
  if (montreChoixVariable_) montreChoixVariable_("Color Map");
  if (feuilleCouleurs_) {
    feuilleCouleurs_->show();
    feuilleCouleurs_->raise();
  }
}

void Newtrace::Zoom_Click() {
  EntreZoom(modele_);
  Label5->setText("* Zoom *");
  Label5->show();
  PointeurDuMode();
  Picture->surface().SetForeColor(RGB(0, 0, 0));
}

void Newtrace::Doc_Click() {
  if (modele_.VarCouleur != 0) return;
  if (montreChoixniveau_) montreChoixniveau_();
  // Only a network of the table can be documented: the chooser leaves -1
  // when none is chosen, and any other value would index outside the table.
  if (ReseauExiste(modele_, modele_.ReseauDoc)) {
    EntreDocumentation(modele_, modele_.ReseauDoc);
    couleur(modele_.ReseauDoc, Picture->surface());
  } else {
    modele_.ModeZoom = 0;
    modele_.ModeDoc = 0;
  }
  PointeurDuMode();
  MontreMode();
}

void Newtrace::DocumentationChoisie(int reseau) {
  if (!ReseauExiste(modele_, reseau)) return;
  EntreDocumentation(modele_, reseau);
  couleur(reseau, Picture->surface());
  PointeurDuMode();
  MontreMode();
}

void Newtrace::Legende_Click() {
  if (!Picture1->isHidden()) {
    Picture1->hide();
    modele_.LegendeVisible = false;
    Legende->setText("VoirLegende");
  } else {
    Picture1->show();
    Picture1->raise();
    modele_.LegendeVisible = true;
    Legende->setText("CacheLegende");
  }
}

void Newtrace::ImageComplete(ImageSurface& out) {
  ImageSurface& plot = Picture->surface();
  out.Resize(plot.width(), plot.height());
  CopiePixels(plot, out, 0, 0);
  if (!Picture1->isHidden()) CopiePixels(Picture1->surface(), out, Picture1->x(), Picture1->y());
}

void Newtrace::Enregistrer_Click() {
  const std::optional<std::string> chemin =
      platform_.files.Save(FileDialogSpec{kFiltreBmp, 1, kTitreEnregistre});
  if (!chemin) return;
  std::error_code erreur;
  if (std::filesystem::exists(*chemin, erreur) &&
      platform_.messages.Show(kEcraser, kFichierExistant, Icone::Aucune, Boutons::OuiNon) ==
          Reponse::Non) {
    return;
  }
  ImageSurface image(1, 1);
  ImageComplete(image);
  if (!EnregistreImage(image.image(), *chemin, "BMP")) {
    platform_.messages.Show(kErreurOuverture, kTitreOuverture);
  }
}

void Newtrace::Imprimer_Click() {
  ImageSurface image(1, 1);
  ImageComplete(image);
  if (const std::optional<std::string> erreur = platform_.printer.Print(image)) {
    platform_.messages.Show(*erreur, std::string());
  }
}

void Newtrace::FIN_Click() {
  delete feuilleCouleurs_.data();
  close();
}

void Newtrace::Label1_Click() {
  Label1->clear();
}

void Newtrace::Label5_Click() {
  AnnuleMode(modele_);
  Label5->clear();
  Label5->hide();
  PointeurDuMode();
}

void Newtrace::PointeurDuMode() {
  if (modele_.ModeZoom == 1 || modele_.ModeDoc == 1) {
    Picture->setCursor(Qt::CrossCursor);
  } else {
    Picture->unsetCursor();
  }
}

void Newtrace::MontreTraits(const Traits& t) {
  for (int k = 0; k < kLignes; ++k) {
    const Trait& l = t.lignes[k];
    Picture->SetOverlayLine(k + 1, l.x1, l.y1, l.x2, l.y2, t.visibles);
  }
}

void Newtrace::TraceInjecteur() {
  Trait t;
  if (InjecteurMonde(modele_, t)) Picture->surface().Line(t.x1, t.y1, t.x2, t.y2);
}

void Newtrace::Picture_MouseDown(double x, double y) {
  if (!charge_) return;
  if (modele_.ModeZoom == 1) {
    DebutZoom(modele_, x, y);
    MontreTraits(Rectangle(x, y, x, y));
  } else if (modele_.ModeDoc == 1) {
    ImageSurface& s = Picture->surface();
    s.SetDrawStyle(LineStyle::Solid);
    s.SetDrawWidth(1);
    const Couleur avant = s.ForeColor();
    s.SetForeColor(RGB(255, 255, 255));
    TraceInjecteur();
    s.SetForeColor(avant);
    DebutInjecteur(modele_, x, y);
    Picture->Refresh();
  }
}

void Newtrace::Picture_MouseMove(double x, double y, Qt::MouseButtons buttons) {
  if (!charge_) return;
  if (modele_.ModeZoom == 0) MontreTraits(Reticule(modele_, x, y));
  Label1->setText(Texte(LectureCoordonnees(modele_, x, y)));
  if (buttons == Qt::NoButton) {
    PointeurDuMode();
    return;
  }
  if (modele_.ModeZoom == 1) {
    TireZoom(modele_, x, y);
    MontreTraits(Rectangle(modele_.ZoomX1, modele_.ZoomY1, x, y));
  } else if (modele_.ModeDoc == 1 && ReseauExiste(modele_, modele_.ReseauDoc)) {
    ImageSurface& s = Picture->surface();
    s.SetDrawWidth(1);
    s.SetDrawStyle(LineStyle::Dot);
    s.SetForeColor(RGB(255, 255, 255));
    TraceInjecteur();
    TireInjecteur(modele_, x, y);
    couleur(modele_.ReseauDoc, s);
    TraceInjecteur();
    Picture->Refresh();
  }
}

void Newtrace::Picture_MouseUp(double x, double y) {
  if (!charge_) return;
  Label2->setText(Texte(LectureValeur(modele_, x, y)));
  platform_.desktop.Beep();
  if (modele_.ModeZoom == 1) {
    AppliqueZoom(modele_);
    Label5->clear();
    Label5->hide();
    // The rectangle's sides would stand at stale places under the new scale.
    Picture->HideOverlays();
    Tracemollier();
  } else if (modele_.ModeDoc == 1 && ReseauExiste(modele_, modele_.ReseauDoc)) {
    FinInjecteur(modele_, x, y);
    Tracemollier();
  }
}

void Newtrace::Picture1_MouseDown(double x, double y) {
  SaisitLegende(modele_, x, y);
}

void Newtrace::Picture1_MouseMove(double x, double y, Qt::MouseButtons buttons) {
  if (buttons == Qt::NoButton) return;
  DeplaceLegende(modele_, x, y);
  PlaceLegende();
}
