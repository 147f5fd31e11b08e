#pragma once

#include <functional>
#include <string>

#include "dialogs/calage.h"
#include "dialogs/ui/fenetre_reglage.h"
#include "plot/plot_model.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Calage": for each axis the plotted variable, its title, range, tick
// spacing, ticks per labelled tick, label format, and a linear or
// logarithmic scale with its base. Every value goes into the plot model as
// its field loses the focus (numbers as typed, without any check) or as a
// command is chosen, and the plot is redrawn whenever the axis changed. The
// variable of an axis is chosen in the variable chooser, opened through
// `choisit`; the dialog is loaded afresh at every opening and activation.
class FCalage : public FenetreReglage {
  Q_OBJECT

 public:
  FCalage(PlotModel& modele, std::function<void()> redessine,
          std::function<void(const std::string& choixPour)> choisit, QWidget* parent);

  QLabel* Label1 = nullptr;  // the heading
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QPushButton* Command4 = nullptr;  // "Accepte"

  // X axis.
  QPushButton* Command1 = nullptr;  // "Choix :"
  QLabel* Label2 = nullptr;         // NomVar(VarX)
  QLineEdit* Text1 = nullptr;       // title
  QLineEdit* Text2 = nullptr;       // minimum
  QLabel* Label8 = nullptr;         // VarMin(VarX)
  QLineEdit* Text3 = nullptr;       // maximum
  QLabel* Label9 = nullptr;         // VarMax(VarX)
  QLineEdit* Text4 = nullptr;       // tick spacing
  QLineEdit* Text5 = nullptr;       // ticks per labelled tick
  QLineEdit* Text6 = nullptr;       // label format
  QPushButton* Command3 = nullptr;  // "Linéaire" / "Logarithme"
  QLabel* Label24 = nullptr;        // "Base 2"
  QComboBox* Combo1 = nullptr;      // bases

  // Y axis.
  QPushButton* Command2 = nullptr;
  QLabel* Label23 = nullptr;
  QLineEdit* Text12 = nullptr;
  QLineEdit* Text11 = nullptr;
  QLabel* Label17 = nullptr;
  QLineEdit* Text10 = nullptr;
  QLabel* Label16 = nullptr;
  QLineEdit* Text9 = nullptr;
  QLineEdit* Text8 = nullptr;
  QLineEdit* Text7 = nullptr;
  QPushButton* Command5 = nullptr;
  QLabel* Label25 = nullptr;
  QComboBox* Combo2 = nullptr;

  // Every field and label of both frames from the plot model.
  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void Combo1_Click(int index);
  void Combo2_Click(int index);
  void Command4_Click();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The controls of one frame.
  struct Cadre {
    QGroupBox* frame;
    QPushButton* choix;
    QLabel* nomVar;
    QLineEdit* titre;
    QLineEdit* minimum;
    QLabel* varMin;
    QLineEdit* maximum;
    QLabel* varMax;
    QLineEdit* espacement;
    QLineEdit* graduations;
    QLineEdit* format;
    QPushButton* bascule;
    QLabel* base;
    QComboBox* bases;
  };

  Cadre ConstruitCadre(const QString& titre);
  void BrancheCadre(Axe a);
  const Cadre& CadreDe(Axe a) const { return a == Axe::X ? x_ : y_; }
  void Affiche(Axe a);
  // Runs `change` on the axis, shows the axis again, and redraws the plot
  // when what the axis shows changed.
  void Change(Axe a, const std::function<void()>& change);

  PlotModel& modele_;
  std::function<void()> redessine_;
  std::function<void(const std::string&)> choisit_;
  Cadre x_{};
  Cadre y_{};
};
