#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "wav/caract_wave.h"

namespace {

const std::string kExemples = MARV_EXAMPLES_DIR;

// The committed example WAV files load, and hold the tones they are said to.
TEST(WaveExemples, MonoSixteenBitToneLoads) {
  const auto entete = LireEnteteWave(kExemples + "/tone_mono16.wav");
  ASSERT_TRUE(entete.ok());
  EXPECT_EQ(entete.valeur().entete.Channels, 1);
  EXPECT_EQ(entete.valeur().entete.BitsPerSample, 16);
  EXPECT_EQ(entete.valeur().entete.SampleRate, 8000);
  EXPECT_EQ(entete.valeur().longueurEntete, 44);
  EXPECT_EQ(Text5Wave(entete.valeur().entete), " .000125");

  const auto s = LireSignalWave(kExemples + "/tone_mono16.wav", ChoixCanal::Option1);
  ASSERT_TRUE(s.ok());
  ASSERT_EQ(s.valeur().Nreel, 8000);
  // 440 Hz of amplitude 16000, to within the rounding to integers.
  for (int i = 1; i <= 8000; i += 97) {
    const double attendu = 16000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * (i - 1) / 8000.0);
    EXPECT_NEAR(s.valeur().SignalLu[i], attendu, 0.5) << i;
  }
}

TEST(WaveExemples, StereoEightBitTonesLoadPerChannel) {
  const std::string chemin = kExemples + "/tones_stereo8.wav";
  const auto gauche = LireSignalWave(chemin, ChoixCanal::Option1);
  const auto droite = LireSignalWave(chemin, ChoixCanal::Option3);
  const auto mixe = LireSignalWave(chemin, ChoixCanal::Option2);
  ASSERT_TRUE(gauche.ok() && droite.ok() && mixe.ok());
  EXPECT_EQ(gauche.valeur().Nreel, 4000);
  EXPECT_EQ(droite.valeur().Nreel, 4000);
  EXPECT_EQ(mixe.valeur().Nreel, 8000);
  EXPECT_EQ(mixe.valeur().PasCanal, 2);
  for (int i = 1; i <= 4000; i += 61) {
    const double t = (i - 1) / 8000.0;
    EXPECT_NEAR(gauche.valeur().SignalLu[i],
                128.0 + 100.0 * std::sin(2 * std::numbers::pi * 440 * t), 0.5);
    EXPECT_NEAR(droite.valeur().SignalLu[i],
                128.0 + 100.0 * std::sin(2 * std::numbers::pi * 660 * t), 0.5);
    EXPECT_EQ(mixe.valeur().SignalLu[2 * i - 1], gauche.valeur().SignalLu[i]);
    EXPECT_EQ(mixe.valeur().SignalLu[2 * i], droite.valeur().SignalLu[i]);
  }
}

}  // namespace
