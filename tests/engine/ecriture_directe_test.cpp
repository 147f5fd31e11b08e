#include "engine/ecriture_directe.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

constexpr float kSentinelle = -7.0f;

// Every length up to a few vectors, at every position relative to a 16-byte
// boundary: exactly [0, count) is written.
TEST(EcritureDirecte, WritesExactlyTheRange) {
  for (size_t decalage = 0; decalage < 8; ++decalage) {
    for (size_t count = 0; count <= 21; ++count) {
      SCOPED_TRACE(testing::Message() << "offset " << decalage << " count " << count);
      std::vector<float> source(count);
      for (size_t i = 0; i < count; ++i) source[i] = 1.5f + static_cast<float>(i);
      std::vector<float> copie(count + 16, kSentinelle), rempli(count + 16, kSentinelle);
      CopieDirecte(source.data(), count, copie.data() + decalage);
      RemplitDirect(rempli.data() + decalage, count, 3.25f);
      for (size_t i = 0; i < copie.size(); ++i) {
        const bool dedans = i >= decalage && i < decalage + count;
        EXPECT_EQ(copie[i], dedans ? source[i - decalage] : kSentinelle) << i;
        EXPECT_EQ(rempli[i], dedans ? 3.25f : kSentinelle) << i;
      }
    }
  }
}

}  // namespace
