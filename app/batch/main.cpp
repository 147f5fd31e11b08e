// marvillons-batch: the main window's road to an analysis without a window
// (see lancement.h). Pictures are drawn offscreen: no display is needed.
#include <QGuiApplication>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/vector_state.h"
#include "lancement.h"
#include "options.h"

int main(int argc, char** argv) {
  const LectureOptions lecture = LireOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (lecture.options.aide) {
    std::cout << TexteAide();
    return 0;
  }
  if (!lecture.erreur.empty()) {
    std::cerr << "marvillons-batch: " << lecture.erreur << " (see --help)\n";
    return 2;
  }
  // The text of a picture needs the application object.
  std::unique_ptr<QGuiApplication> application;
  if (lecture.options.Image()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(argc, argv);
    EffaceEtatVectoriel();
  }
  try {
    return Lance(lecture.options);
  } catch (const std::exception& e) {
    std::cerr << "marvillons-batch: " << e.what() << "\n";
    return 1;
  }
}
