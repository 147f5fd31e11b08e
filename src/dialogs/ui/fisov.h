#pragma once

#include <array>
#include <string>

#include "dialogs/reseaux.h"
#include "dialogs/ui/fenetre_reglage.h"
#include "platform/services.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The set-up of one iso-level network: name, limits, step, label format and
// progression. It is loaded for network ReseauCourant and writes its fields
// back into that network whenever it closes; a progression that would never
// end is refused with a message and the dialog stays open.
class Fisov : public FenetreReglage {
  Q_OBJECT

 public:
  Fisov(PlotModel& modele, MessageService& messages, QWidget* parent);

  // The fields from network ReseauCourant.
  void Form_Load() override;
  // Opens the dialog on network ReseauCourant. When it is already open, its
  // fields first go back into the network they were loaded for; a refused
  // progression then leaves that network wholly as it was, its progression
  // included.
  void OuvreCourant();
  // The network it edits is deleted: it closes without writing anything.
  void Abandonne();
  // The network the fields belong to; later networks move down one place
  // when an earlier one is deleted.
  int Reseau() const { return reseau_; }
  void Renumerote(int reseau) { reseau_ = reseau; }

  QLabel* Label2 = nullptr;  // the variable's name
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLabel* Label10 = nullptr;              // VarMin of the variable
  QLabel* Label11 = nullptr;              // VarMax of the variable
  std::array<QRadioButton*, 3> Option{};  // "Arithmétique", "Géométrique", "Tableau de valeurs"
  QPushButton* AccesTableau = nullptr;
  QPushButton* ChoixReseau = nullptr;
  QPushButton* Accepte = nullptr;

  void Option_Click(int progression);
  void Text2_LostFocus();
  void Text3_LostFocus();
  void Text4_LostFocus();
  void AccesTableau_Click();
  void ChoixReseau_Click();
  void Accepte_Click();

 signals:
  void montreTableau();
  void choixVariable(const std::string& choixPour);
  // The fields went back into the network (its name may have changed).
  void ecrit();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Affiche(const ChampsReseau& c);
  ChampsReseau Champs() const;
  // The fields into network reseau_; false, after the message, when refused.
  bool Ecrit();
  static void Relit(QLineEdit* champ);

  PlotModel& modele_;
  MessageService& messages_;
  int reseau_ = 0;
  int progressionChargee_ = 1;
  bool sansEcrire_ = false;
};
