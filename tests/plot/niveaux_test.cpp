#include "plot/niveaux.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(NiveauxTest, ArithmeticAccumulatesInSinglesAndLosesTheLastLevel) {
  // 0.1f added ten times is 1.0000001f, above 1: ten levels, the last one
  // 0.9000001f rather than 0.9f.
  const std::vector<float> l = Niveaux(1, 0.0f, 1.0f, 0.1f, {});
  ASSERT_EQ(l.size(), 10u);
  EXPECT_EQ(l[0], 0.0f);
  EXPECT_EQ(l[1], 0.1f);
  EXPECT_EQ(l[9], 0.9000001f);
  EXPECT_NE(l[9], 0.9f);
}

struct Cas {
  const char* nom;
  int progression;
  float min, max, pas;
  std::vector<float> table;
  std::vector<float> attendus;
};

void PrintTo(const Cas& c, std::ostream* os) {
  *os << c.nom;
}

class NiveauxCas : public testing::TestWithParam<Cas> {};

TEST_P(NiveauxCas, GivesTheseLevelsInLoopOrder) {
  const Cas& c = GetParam();
  EXPECT_EQ(Niveaux(c.progression, c.min, c.max, c.pas, c.table), c.attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Progressions, NiveauxCas,
    testing::Values(
        Cas{"Geometrique", 2, 1, 1000, 10, {}, {1, 10, 100, 1000}},
        Cas{"ArithmetiqueEntiere",
            1,
            0,
            5,
            0.5f,
            {},
            {0, .5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4, 4.5f, 5}},
        Cas{"ArithmetiqueDescendante", 1, 5, 2, -1, {}, {5, 4, 3, 2}},
        Cas{"PasPositifBornesInversees", 1, 5, 0, 1, {}, {}},
        Cas{"PasNegatifBornesCroissantes", 1, 0, 5, -1, {}, {}},
        Cas{"TableDansLOrdreDesEntrees", 3, 0, 0, 0, {30, 10, 20, 10}, {30, 10, 20, 10}},
        Cas{"TableSansNaN", 3, 0, 0, 0, {1, kNaN, 2}, {1, 2}},
        Cas{"ProgressionInconnue", 4, 0, 5, 1, {1, 2}, {}},
        Cas{"ProgressionZero", 0, 0, 5, 1, {}, {}},
        // A sequence that would repeat a level for ever lists it once.
        Cas{"PasNul", 1, 2, 5, 0, {}, {2}},
        Cas{"PasTropPetitPourBouger", 1, 1e8f, 2e8f, 1, {}, {1e8f}},
        Cas{"FacteurUn", 2, 3, 5, 1, {}, {3}}, Cas{"DepartNul", 2, 0, 5, 10, {}, {0}},
        Cas{"FacteurNul", 2, 1, 5, 0, {}, {1, 0}},
        Cas{"FacteurNegatif", 2, 1, 10, -2, {}, {1, -2, 4, -8}},
        Cas{"MinNaN", 1, kNaN, 5, 1, {}, {}}, Cas{"MaxNaN", 2, 1, kNaN, 2, {}, {}},
        Cas{"PasNaN", 1, 0, 5, kNaN, {}, {}}, Cas{"MinInfini", 1, -kInf, 5, 1, {}, {}},
        Cas{"MaxInfini", 2, 1, kInf, 2, {}, {}}, Cas{"PasInfini", 1, 0, 5, kInf, {}, {0}}),
    [](const testing::TestParamInfo<Cas>& info) { return info.param.nom; });

// Progressions that never end on their own stop at the bound, or where the
// sequence starts repeating.
struct Borne {
  const char* nom;
  int progression;
  float min, max, pas;
};

void PrintTo(const Borne& c, std::ostream* os) {
  *os << c.nom;
}

class NiveauxBornes : public testing::TestWithParam<Borne> {};

TEST_P(NiveauxBornes, StopAtTheBound) {
  const Borne& c = GetParam();
  const std::vector<float> l = Niveaux(c.progression, c.min, c.max, c.pas, {});
  ASSERT_FALSE(l.empty());
  EXPECT_LE(l.size(), static_cast<size_t>(kNiveauxMax));
  EXPECT_EQ(l[0], c.min);
}

INSTANTIATE_TEST_SUITE_P(Pathologiques, NiveauxBornes,
                         testing::Values(Borne{"FacteurDemi", 2, 1, 10, 0.5f},
                                         Borne{"FacteurPresqueUn", 2, 1, 10, 0.9999f},
                                         Borne{"DepartNegatif", 2, -1, 10, 10},
                                         Borne{"PasMinuscule", 1, 0, 1, 1e-9f},
                                         Borne{"VersLInfini", 1, 0, 3e38f, 1e34f}),
                         [](const testing::TestParamInfo<Borne>& info) { return info.param.nom; });

TEST(NiveauxTest, ATinyStepIsCutAtTheBound) {
  const std::vector<float> l = Niveaux(1, 0.0f, 1.0f, 1e-6f, {});
  ASSERT_EQ(l.size(), static_cast<size_t>(kNiveauxMax));
  EXPECT_NEAR(l.back(), 9999e-6f, 1e-5f);  // ten thousand roundings
}

}  // namespace
