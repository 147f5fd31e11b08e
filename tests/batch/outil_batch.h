#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Running the built marvillons-batch on files of a fresh folder, and reading
// back what it wrote.
class OutilBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() /
               ("marv_batch_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dossier_);
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }

  std::string Chemin(const std::string& nom) const { return (dossier_ / nom).string(); }
  static std::string Exemple(const std::string& nom) {
    return std::string(MARV_EXAMPLES_DIR) + "/" + nom;
  }

  // The exit code of the tool run with these arguments, through `env` and
  // its arguments when given; its stderr is kept.
  int Lance(const std::string& arguments, const std::string& env = "") {
    const std::string commande = (env.empty() ? "" : "env " + env + " ") +
                                 std::string(MARV_BATCH_TOOL) + " " + arguments + " 2> " +
                                 Chemin("stderr.txt") + " > " + Chemin("stdout.txt");
    const int rc = std::system(commande.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  std::string Stderr() const { return Lit("stderr.txt"); }
  std::string Lit(const std::string& nom) const {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  bool Existe(const std::string& nom) const { return std::filesystem::exists(dossier_ / nom); }
  void Ecrit(const std::string& nom, const std::string& contenu) const {
    std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
  }

  std::filesystem::path dossier_;
};

// The fields of each line of a CSV text.
inline std::vector<std::vector<std::string>> Csv(const std::string& texte) {
  std::vector<std::vector<std::string>> lignes;
  std::istringstream in(texte);
  std::string ligne;
  while (std::getline(in, ligne)) {
    std::vector<std::string> champs;
    std::istringstream l(ligne);
    std::string champ;
    while (std::getline(l, champ, ',')) champs.push_back(champ);
    lignes.push_back(champs);
  }
  return lignes;
}
