#include "dialogs/calage_nombre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

TEST(CalageNombreTest, ShowsPlainDecimalsWithAPoint) {
  EXPECT_EQ(TexteDecimal(0.5f), "0.5");
  EXPECT_EQ(TexteDecimal(-2.25f), "-2.25");
  EXPECT_EQ(TexteDecimal(1000.0f), "1000");
  EXPECT_EQ(TexteDecimal(0.1f), "0.1");
  EXPECT_EQ(TexteDecimal(1e-4f), "0.0001");
  EXPECT_EQ(TexteDecimal(0.0f), "0");
  EXPECT_EQ(TexteDecimal(16777216.0f), "16777216");
}

// Showing a value and reading the text back gives the same Single, bit for
// bit, across the whole range.
TEST(CalageNombreTest, ShowingAndReadingBackNeverChangesAValue) {
  const float valeurs[] = {0.5f,
                           0.1f,
                           1.0f / 3,
                           -2.0f / 7,
                           1e-7f,
                           0.9000001f,
                           123456.79f,
                           16777215.0f,
                           3e38f,
                           std::numeric_limits<float>::max(),
                           std::numeric_limits<float>::min(),
                           std::numeric_limits<float>::denorm_min(),
                           -0.0f};
  for (float v : valeurs) {
    const NombreLu lu = RelitNombre(TexteDecimal(v));
    EXPECT_EQ(std::memcmp(&lu.valeur, &v, sizeof v), 0) << TexteDecimal(v);
    EXPECT_EQ(lu.texte, TexteDecimal(v));
  }
}

TEST(CalageNombreTest, ReadsTheLeadingNumberAndRewritesIt) {
  EXPECT_EQ(RelitNombre("12,5").texte, "12");
  EXPECT_EQ(RelitNombre("abc").valeur, 0.0f);
  EXPECT_EQ(RelitNombre("abc").texte, "0");
  // Beyond the Single range: an infinity of the sign typed.
  EXPECT_EQ(RelitNombre("1e39").valeur, std::numeric_limits<float>::infinity());
  EXPECT_EQ(RelitNombre("-1e39").valeur, -std::numeric_limits<float>::infinity());
}

}  // namespace
