#include "platform/ui/application.h"

#include "engine/vector_state.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  EffaceEtatVectoriel();
}

bool Application::notify(QObject* receiver, QEvent* event) {
  EffaceEtatVectoriel();
  const bool handled = QApplication::notify(receiver, event);
  EffaceEtatVectoriel();
  return handled;
}
