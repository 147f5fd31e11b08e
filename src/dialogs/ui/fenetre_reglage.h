#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// Base of the plot's settings dialogs: a modeless window of its own, owned
// by the plot window. Closing it ("Accepte" or the title bar) only hides
// it, and every opening loads it afresh from the plot model, so it always
// shows the current state and no closing dialog can be reached after it is
// gone.
class GuetteurFocus;

class FenetreReglage : public QWidget {
  Q_OBJECT

 public:
  explicit FenetreReglage(QWidget* parent);
  // The focus watchers go first: a field still losing its focus while the
  // window is torn down must not reach a dialog that no longer exists.
  ~FenetreReglage() override;

  // Loads the dialog from the plot model and brings it to the front, where
  // the user can type at once.
  void Ouvre();
  virtual void Form_Load() = 0;

 protected:
  // Runs `handler` each time `field` loses the keyboard focus, whether to
  // another control or because the dialog stops being the active window:
  // what the user typed is kept even when the next click goes to the plot.
  // A popup over the field (its context menu) is no loss of focus.
  void SurPerteFocus(QWidget* field, std::function<void()> handler);

  // The handler of the field that has the focus runs, as when the click on
  // a command moves the focus away, so what it holds is stored before the
  // command reads the model.
  void QuitteChamp();

 private:
  std::vector<QPointer<GuetteurFocus>> guetteurs_;
};
