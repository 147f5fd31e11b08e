#include "workbench/coupure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/run_error.h"
#include "workbench/filtre_cb_ecriture.h"
#include "workbench/spectre_dessin.h"

namespace {

// Spectre(1..nfft) all (1, -1), so that a cut shows as (0, 0).
std::vector<Complexe> SpectrePlein(int32_t nfft) {
  return std::vector<Complexe>(static_cast<size_t>(nfft) + 1, Complexe{1.0f, -1.0f});
}

std::set<int32_t> Coupes(const std::vector<Complexe>& s) {
  std::set<int32_t> r;
  for (size_t j = 1; j < s.size(); ++j) {
    if (s[j].Re == 0.0f && s[j].Im == 0.0f) r.insert(static_cast<int32_t>(j));
  }
  return r;
}

// Elements lo..hi and their mirrors nfft - j + 2 for j >= 2.
std::set<int32_t> AvecMiroirs(int32_t lo, int32_t hi, int32_t nfft) {
  std::set<int32_t> r;
  for (int32_t j = lo; j <= hi; ++j) {
    r.insert(j);
    if (j >= 2) r.insert(nfft - j + 2);
  }
  return r;
}

// The bands are checked against the elements a direct reading of the
// picture gives: element j sits at log2(j / (Dt NFFT)) and is cut when that
// lies in the band widened by a 500th of itself on each side.
TEST(CoupeBande, ZeroesTheElementsOfTheBandWithinItsToleranceAndTheirMirrors) {
  const struct {
    float dt;
    int32_t nfft;
    float f1, f2;
    int32_t lo, hi;  // first and last element cut in the plotted half
  } cas[] = {
      // 64 Hz to 128 Hz at 1 kHz, elements at j / 1.024 Hz: two more than
      // the plain interval 66..131.
      {0.001f, 1024, 6.0f, 7.0f, 65, 132},
      // Below 1 Hz the tolerance changes side: 0.125 Hz to 0.25 Hz with
      // elements at j / 64 Hz keeps 8 (x = -3) and 16 (x = -2).
      {1.0f, 64, -3.0f, -2.0f, 9, 15},
      // A band over the whole half, and one around the mean term alone.
      {0.01f, 256, -10.0f, 20.0f, 1, 128},
      {0.001f, 1024, -1.0f, 0.0f, 1, 1},
  };
  for (const auto& c : cas) {
    std::vector<Complexe> s = SpectrePlein(c.nfft);
    CoupeBande(s, c.nfft, c.dt, c.f1, c.f2);
    EXPECT_EQ(Coupes(s), AvecMiroirs(c.lo, c.hi, c.nfft)) << c.f1 << ".." << c.f2;
    // The Nyquist element is never cut.
    EXPECT_EQ(s[c.nfft / 2 + 1].Re, 1.0f);
  }
}

TEST(CoupeBande, CutsNothingOutsideTheSpectrumOrForAReversedBand) {
  const struct { float f1, f2; } cas[] = {{11.0f, 12.0f}, {-30.0f, -20.0f}, {7.0f, 6.0f}};
  for (const auto& c : cas) {
    std::vector<Complexe> s = SpectrePlein(1024);
    CoupeBande(s, 1024, 0.001f, c.f1, c.f2);
    EXPECT_TRUE(Coupes(s).empty()) << c.f1 << ".." << c.f2;
  }
}

TEST(CoupeBande, RefusesASpectrumShorterThanNFFT) {
  std::vector<Complexe> s = SpectrePlein(512);
  EXPECT_THROW(CoupeBande(s, 1024, 0.001f, 6.0f, 7.0f), RunError);
}

class ClicCoupureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    etat_.NFFT = 1024;
    etat_.Spectre = SpectrePlein(1024);
    chemin_ =
        (std::filesystem::temp_directory_path() /
         ("marv_coupure_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
          ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".fcb"))
            .string();
  }
  void TearDown() override {
    FinEnreg(etat_, enregistreur_);
    std::filesystem::remove(chemin_);
  }

  void Bande(double x1, double x2, float dt = 0.001f) {
    CommenceCoupure(etat_);
    ASSERT_TRUE(etat_.CoupureActive);
    EXPECT_EQ(ClicCoupure(etat_, enregistreur_, x1, dt).etape, EtapeCoupure::PremierPointPris);
    EXPECT_TRUE(etat_.CoupureActive);
    EXPECT_FALSE(etat_.PremierPoint);
    dernier_ = ClicCoupure(etat_, enregistreur_, x2, dt);
    EXPECT_FALSE(etat_.CoupureActive);
  }

  std::string Contenu() const {
    std::ifstream f(chemin_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

  WorkbenchState etat_;
  EnregistreurFiltre enregistreur_;
  ResultatClicCoupure dernier_;
  std::string chemin_;
};

TEST_F(ClicCoupureTest, TheUpperEndClickedFirstGivesTheSameCut) {
  Bande(7.0, 6.0);
  EXPECT_EQ(dernier_.etape, EtapeCoupure::BandeCoupee);
  EXPECT_FALSE(dernier_.message);
  EXPECT_EQ(etat_.F1, 6.0f);
  EXPECT_EQ(etat_.F2, 7.0f);
  EXPECT_EQ(etat_.Dt, 0.001f);
  EXPECT_EQ(Coupes(etat_.Spectre), AvecMiroirs(65, 132, 1024));
}

TEST_F(ClicCoupureTest, SuccessiveBandsAccumulateAndAreRecordedInCuttingOrder) {
  ASSERT_FALSE(EnregistrerFiltre(etat_, enregistreur_, chemin_));
  ASSERT_TRUE(etat_.EnregFiltre);
  Bande(7.0, 6.0);
  // Flushed at once: the file holds the band while it is still open.
  EXPECT_EQ(Contenu(), " 6  7 \r\n");
  Bande(-0.5, 2.25);
  EXPECT_FALSE(dernier_.message);
  std::set<int32_t> attendu = AvecMiroirs(65, 132, 1024);
  const std::set<int32_t> seconde = AvecMiroirs(1, 4, 1024);
  attendu.insert(seconde.begin(), seconde.end());
  EXPECT_EQ(Coupes(etat_.Spectre), attendu);
  FinEnreg(etat_, enregistreur_);
  EXPECT_FALSE(etat_.EnregFiltre);
  EXPECT_EQ(Contenu(), " 6  7 \r\n-.5  2.25 \r\n");
  // Not recording: the next band is cut but not written.
  Bande(9.0, 9.5);
  EXPECT_EQ(Contenu(), " 6  7 \r\n-.5  2.25 \r\n");
}

TEST_F(ClicCoupureTest, AnInvalidIntervalCutsAndRecordsNothing) {
  ASSERT_FALSE(EnregistrerFiltre(etat_, enregistreur_, chemin_));
  for (float dt : {0.0f, -1.0f, NAN}) {
    Bande(6.0, 7.0, dt);
    EXPECT_EQ(dernier_.etape, EtapeCoupure::Refusee);
    EXPECT_EQ(dernier_.message, MessageDtIncorrect());
  }
  EXPECT_TRUE(Coupes(etat_.Spectre).empty());
  EXPECT_EQ(Contenu(), "");
  EXPECT_TRUE(etat_.EnregFiltre);
}

}  // namespace
