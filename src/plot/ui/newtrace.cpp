#include "plot/ui/newtrace.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>
#include <utility>

#include "platform/ui/picture_box.h"
#include "plot/documentation.h"
#include "plot/tracemollier.h"

namespace {

constexpr int kLegendeLargeur = 80;
constexpr int kLegendeHauteur = 260;

}  // namespace

Newtrace::Newtrace(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
  setAttribute(Qt::WA_DeleteOnClose);
  BuildControls();
  BuildMenus();
  resize(1000, 720);
}

Newtrace::~Newtrace() = default;

void Newtrace::BuildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  Picture = new PictureBox(central);
  Picture->setMinimumSize(600, 400);
  Picture1 = new PictureBox(Picture);
  Picture1->setFixedSize(kLegendeLargeur, kLegendeHauteur);
  Picture1->setToolTip(QString::fromUtf8("Vous pouvez deplacer la légende"));
  Picture1->hide();
  Label5 = new QLabel(central);
  Label5->setToolTip("Cliquez ici pour annuler");
  Label5->hide();
  Label1 = new QLabel(central);
  Label2 = new QLabel(central);
  layout->addWidget(Label5);
  layout->addWidget(Picture, 1);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  setCentralWidget(central);

  connect(Picture, &PictureBox::resized, this, [this] {
    if (charge_) Tracemollier();
  });
  connect(Picture1, &PictureBox::mouseDown, this,
          [this](double x, double y, Qt::MouseButtons) { Picture1_MouseDown(x, y); });
  connect(Picture1, &PictureBox::mouseMove, this,
          [this](double x, double y, Qt::MouseButtons b) { Picture1_MouseMove(x, y, b); });
}

void Newtrace::BuildMenus() {
  MenuTrace = menuBar()->addMenu(QString::fromUtf8("Tracé"));
  Normal = MenuTrace->addAction("Normal");
  Redraw = MenuTrace->addAction("Redraw");
  Isometrique = MenuTrace->addAction(QString::fromUtf8("Isométrique"));
  Legende = menuBar()->addAction("VoirLegende");
  FIN = menuBar()->addAction("FIN");
  connect(Normal, &QAction::triggered, this, &Newtrace::Normal_Click);
  connect(Redraw, &QAction::triggered, this, &Newtrace::Redraw_Click);
  connect(Isometrique, &QAction::triggered, this, &Newtrace::Isometrique_Click);
  connect(Legende, &QAction::triggered, this, &Newtrace::Legende_Click);
  connect(FIN, &QAction::triggered, this, &Newtrace::FIN_Click);
}

void Newtrace::Charge(Grille grille, std::vector<std::string> nomVar, const CurveInputs& curves,
                      const std::string& cheminFichier) {
  setWindowTitle(QString::fromUtf8("Tracé: ") + QString::fromStdString(cheminFichier));
  signal_.assign(curves.Signal.begin(), curves.Signal.end());
  spectre_.assign(curves.Spectre.begin(), curves.Spectre.end());
  courbes_ = curves;
  courbes_.Signal = signal_;
  courbes_.Spectre = spectre_;

  Picture1->hide();
  Legende->setText("VoirLegende");
  ChargeGrille(modele_, std::move(grille), std::move(nomVar));
  choixCouleurs_.Charge_FeuilleCouleurs();
  choixCouleurs_.Accepte();
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
  }
  Picture->Refresh();
  Picture1->Refresh();
  dansTrace_ = false;
}

void Newtrace::PlaceLegende() {
  const WorldScale s = Picture->surface().Scale();
  Picture1->move(static_cast<int>(s.PixelX(modele_.LegendeLeft)),
                 static_cast<int>(s.PixelY(modele_.LegendeTop)));
}

void Newtrace::MontreModeEtLegende() {
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

void Newtrace::FIN_Click() {
  close();
}

void Newtrace::Picture1_MouseDown(double x, double y) {
  SaisitLegende(modele_, x, y);
}

void Newtrace::Picture1_MouseMove(double x, double y, Qt::MouseButtons buttons) {
  if (buttons == Qt::NoButton) return;
  DeplaceLegende(modele_, x, y);
  PlaceLegende();
}
