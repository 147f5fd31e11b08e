#pragma once

#include <memory>
#include <string>
#include <string_view>

class QSaveFile;

// A file written in pieces through a temporary file beside the target, which
// replaces the target only when Termine succeeds: a failure on the way
// (folder missing or not writable, disk full) leaves the target as it was,
// and so does an object destroyed before Termine.
class FichierAtomique {
 public:
  explicit FichierAtomique(const std::string& chemin);
  ~FichierAtomique();
  FichierAtomique(const FichierAtomique&) = delete;
  FichierAtomique& operator=(const FichierAtomique&) = delete;

  // False once anything failed; later writes are then ignored.
  bool ok() const { return ok_; }
  void Ecrit(std::string_view texte);
  // Renames the complete file over the target; true when it is in place.
  // Nothing more is written afterwards.
  bool Termine();

 private:
  std::unique_ptr<QSaveFile> fichier_;
  bool ok_ = false;
};
