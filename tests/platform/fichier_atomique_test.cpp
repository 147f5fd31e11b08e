// A file written in pieces replaces its target only once complete.
#include "platform/fichier_atomique.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class FichierAtomiqueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ = fs::temp_directory_path() / ("marv_atomique_" + std::to_string(getpid()));
    fs::create_directories(dossier_);
    std::ofstream(Cible(), std::ios::binary) << "ancien";
  }
  void TearDown() override { fs::remove_all(dossier_); }
  std::string Cible() const { return (dossier_ / "f.csv").string(); }
  std::string Contenu() const {
    std::ifstream f(Cible(), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  size_t Fichiers() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dossier_), {}));
  }
  fs::path dossier_;
};

TEST_F(FichierAtomiqueTest, TargetChangesOnlyWhenFinished) {
  FichierAtomique f(Cible());
  ASSERT_TRUE(f.ok());
  f.Ecrit("a,b\n");
  f.Ecrit(std::string(1 << 20, 'x'));
  EXPECT_EQ(Contenu(), "ancien");
  EXPECT_TRUE(f.Termine());
  EXPECT_EQ(Contenu(), "a,b\n" + std::string(1 << 20, 'x'));
  EXPECT_EQ(Fichiers(), 1u);
}

TEST_F(FichierAtomiqueTest, AbandonedFileLeavesTheTargetAndNoTemporary) {
  {
    FichierAtomique f(Cible());
    f.Ecrit("nouveau");
  }
  EXPECT_EQ(Contenu(), "ancien");
  EXPECT_EQ(Fichiers(), 1u);
}

TEST_F(FichierAtomiqueTest, MissingFolderOrFolderAsTargetFails) {
  for (const fs::path& cible : {dossier_ / "absent" / "f.csv", dossier_}) {
    FichierAtomique f(cible.string());
    EXPECT_FALSE(f.ok()) << cible;
    f.Ecrit("x");
    EXPECT_FALSE(f.Termine()) << cible;
  }
  EXPECT_EQ(Contenu(), "ancien");
}

}  // namespace
