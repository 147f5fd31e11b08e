#include "platform/ui/application.h"
#include "platform/ui/qt_services.h"
#include "workbench/ui/start_wavelet.h"

int main(int argc, char** argv) {
  Application app(argc, argv);
  QApplication::setApplicationName("Marvillons");
  QtPlatform platform;
  StartWavelet window(platform.platform());
  window.show();
  return app.exec();
}
