#pragma once

#include <QWidget>
#include <array>

#include "dialogs/colour_scale.h"
#include "platform/services.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The colour scale dialog: level count, preset scheme, mix mode, five anchor
// swatches and a preview bar; "Accepte" publishes the level count and hides
// the dialog. One persistent modeless window per plot window: created hidden
// with it, shown again and again, destroyed with it.
class ChoixCouleurs : public QWidget {
  Q_OBJECT

 public:
  ChoixCouleurs(ColourScale& echelle, ColourPicker& picker, QWidget* parent = nullptr);
  ~ChoixCouleurs() override;

  ChoixCouleursLogic& Logique() { return logique_; }

  QLineEdit* TxtLevels = nullptr;
  QComboBox* CmbColorSchemes = nullptr;
  QComboBox* CmbMix = nullptr;
  std::array<QPushButton*, 5> pic1{};
  PictureBox* Piccolor = nullptr;
  QLabel* Label7 = nullptr;
  QPushButton* CmdReverse = nullptr;
  QPushButton* Command1 = nullptr;

  // Fills the lists, applies "Fiery" reversed (the default scale).
  void Charge_FeuilleCouleurs();

  void CmbColorSchemes_Click(int index);
  void CmbMix_Click(int index);
  void CmdReverse_Click();
  void pic1_Click(int i);
  void TxtLevels_LostFocus();
  void Command1_Click();
  void Piccolor_MouseMove(double y);

 signals:
  // The scale was accepted: the plot redraws with it.
  void accepte();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void BuildControls();
  // The level count field as typed goes to the logic before each command.
  void LitNiveaux();
  // Controls, swatches and preview from the logic.
  void Affiche();

  ChoixCouleursLogic logique_;
  ColourScale& echelle_;
  ColourPicker& picker_;
  bool affichage_ = false;  // controls being set from the logic: no echo
};
