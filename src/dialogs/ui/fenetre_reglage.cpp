#include "dialogs/ui/fenetre_reglage.h"

#include <QFocusEvent>
#include <QObject>
#include <utility>

class GuetteurFocus : public QObject {
 public:
  GuetteurFocus(QWidget* field, std::function<void()> handler)
      : QObject(field), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      handler_();
    }
    return QObject::eventFilter(watched, event);
  }

  void Perd() { handler_(); }

 private:
  std::function<void()> handler_;
};

FenetreReglage::FenetreReglage(QWidget* parent) : QWidget(parent, Qt::Window) {}

FenetreReglage::~FenetreReglage() {
  for (const QPointer<GuetteurFocus>& g : guetteurs_) delete g.data();
}

void FenetreReglage::Ouvre() {
  Form_Load();
  show();
  raise();
  activateWindow();
}

void FenetreReglage::SurPerteFocus(QWidget* field, std::function<void()> handler) {
  auto* g = new GuetteurFocus(field, std::move(handler));
  field->installEventFilter(g);
  guetteurs_.emplace_back(g);
}

void FenetreReglage::QuitteChamp() {
  QWidget* champ = focusWidget();
  for (const QPointer<GuetteurFocus>& g : guetteurs_) {
    if (g && champ && g->parent() == champ) g->Perd();
  }
}
