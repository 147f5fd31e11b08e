#include "engine/flottants_nuls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <new>
#include <utility>

namespace {

// A small block and blocks large enough to be mapped, one of them not a
// whole number of large pages.
constexpr size_t kTailles[] = {1, 1000, size_t{3} << 20, (size_t{9} << 20) + 12345};

bool ToutNul(const FlottantsNuls& b) {
  for (size_t i = 0; i < b.size(); ++i)
    if (b[i] != 0.0f || std::signbit(b[i])) return false;
  return true;
}

TEST(FlottantsNuls, StartsAtZeroAndKeepsWhatIsWritten) {
  for (size_t n : kTailles) {
    FlottantsNuls b(n);
    ASSERT_EQ(b.size(), n);
    EXPECT_FALSE(b.empty());
    EXPECT_TRUE(ToutNul(b)) << n;
    b[n - 1] = 2.0f;
    EXPECT_EQ(b.data()[n - 1], 2.0f);
    b[0] = 1.0f;
    EXPECT_EQ(b.data()[0], 1.0f);
  }
  FlottantsNuls vide(0);
  EXPECT_TRUE(vide.empty());
  EXPECT_TRUE(FlottantsNuls().empty());
}

TEST(FlottantsNuls, CopiesAreDeepAndMovesLeaveAnEmptyBlock) {
  for (size_t n : kTailles) {
    SCOPED_TRACE(n);
    FlottantsNuls a(n);
    a[n / 2] = 5.0f;
    FlottantsNuls copie(a);
    copie[n / 2] = 6.0f;
    EXPECT_EQ(a[n / 2], 5.0f);
    FlottantsNuls affecte(3);
    affecte = a;
    ASSERT_EQ(affecte.size(), n);
    EXPECT_EQ(affecte[n / 2], 5.0f);
    EXPECT_NE(affecte.data(), a.data());
    affecte = affecte;  // self-assignment keeps the block
    EXPECT_EQ(affecte[n / 2], 5.0f);

    const float* donnees = a.data();
    FlottantsNuls deplace(std::move(a));
    EXPECT_EQ(deplace.data(), donnees);
    EXPECT_TRUE(a.empty());
    FlottantsNuls cible(7);
    cible = std::move(deplace);
    EXPECT_EQ(cible.data(), donnees);
    EXPECT_EQ(cible[n / 2], 5.0f);
    EXPECT_TRUE(deplace.empty());
  }
}

TEST(FlottantsNuls, SizeWhoseBytesOverflowThrowsBadAlloc) {
  EXPECT_THROW(FlottantsNuls(std::numeric_limits<size_t>::max() / 2), std::bad_alloc);
}

}  // namespace
