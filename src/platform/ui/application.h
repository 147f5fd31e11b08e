#pragma once

#include <QApplication>

// The program's application object. Every event handler starts and ends with
// a clean vector state, whatever toolkit code ran before it, so the numeric
// work that handlers start runs at full speed (see engine/vector_state.h).
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
