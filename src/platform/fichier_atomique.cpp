#include "platform/fichier_atomique.h"

#include <QSaveFile>
#include <QString>

FichierAtomique::FichierAtomique(const std::string& chemin)
    : fichier_(std::make_unique<QSaveFile>(QString::fromStdString(chemin))) {
  ok_ = fichier_->open(QIODevice::WriteOnly);
}

// QSaveFile discards the temporary file when it goes without a commit.
FichierAtomique::~FichierAtomique() = default;

void FichierAtomique::Ecrit(std::string_view texte) {
  if (!ok_ || texte.empty()) return;
  const qint64 n = static_cast<qint64>(texte.size());
  if (fichier_->write(texte.data(), n) != n) ok_ = false;
}

bool FichierAtomique::Termine() {
  const bool fait = ok_ && fichier_->commit();
  ok_ = false;
  return fait;
}
