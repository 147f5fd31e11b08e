#include "platform/enregistre_image.h"

#include <QImageWriter>
#include <QSaveFile>

bool EnregistreImage(const QImage& image, const std::string& chemin, const char* format) {
  QSaveFile fichier(QString::fromStdString(chemin));
  if (!fichier.open(QIODevice::WriteOnly)) return false;
  QImageWriter ecrivain(&fichier, format);
  if (!ecrivain.write(image)) {
    fichier.cancelWriting();
    return false;
  }
  return fichier.commit();
}
