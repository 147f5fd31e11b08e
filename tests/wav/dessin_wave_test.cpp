#include "wav/dessin_wave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wav/entete_texte.h"
#include "wav/wave_octets.h"

namespace {

// Records the drawing calls, with the scale arithmetic of a real picture.
class SurfaceEnregistreuse : public Surface {
 public:
  struct Appel {
    char quoi;  // 'P' point, 'T' line to, 'L' line
    double x1, y1, x2, y2;
  };

  explicit SurfaceEnregistreuse(int largeur) {
    scale_.pixelWidth = largeur;
    scale_.pixelHeight = 100;
  }
  void SetScale(double left, double top, double width, double height) override {
    scale_.left = left;
    scale_.top = top;
    scale_.width = width;
    scale_.height = height;
  }
  WorldScale Scale() const override { return scale_; }
  void Clear() override {
    ++effacements;
    appels.clear();
  }
  void SetForeColor(Couleur c) override { couleur = c; }
  Couleur ForeColor() const override { return couleur; }
  void SetDrawWidth(int) override {}
  void SetDrawStyle(LineStyle) override {}
  void SetDrawMode(DrawMode) override {}
  void Line(double x1, double y1, double x2, double y2) override {
    appels.push_back({'L', x1, y1, x2, y2});
  }
  void LineTo(double x, double y) override { appels.push_back({'T', x, y, 0, 0}); }
  void PSet(double x, double y) override { appels.push_back({'P', x, y, 0, 0}); }
  void Box(double, double, double, double) override {}
  void FilledBox(double, double, double, double, Couleur) override {}
  void SetFont(double, bool) override {}
  void SetTextPosition(double, double) override {}
  void Print(std::string_view) override {}
  double TextWidth(std::string_view) const override { return 0; }
  double TextHeight(std::string_view) const override { return 0; }

  WorldScale scale_;
  Couleur couleur = 0;
  int effacements = 0;
  std::vector<Appel> appels;
};

SignalWave Lire(uint16_t channels, uint16_t bits, std::vector<uint8_t> donnees, ChoixCanal choix) {
  PlanWave p;
  p.channels = channels;
  p.bitsPerSample = bits;
  p.donnees = std::move(donnees);
  return LireSignalWave(ConstruireWave(p), choix).valeur();
}

TEST(DessineWave, MixedStereoJoinsLeftRightInTurnAtSuccessiveX) {
  SurfaceEnregistreuse s(640);
  DessineWave(s, Lire(2, 8, {11, 21, 12, 22}, ChoixCanal::Option2), 8);
  EXPECT_EQ(s.couleur, RGB(0, 0, 255));
  EXPECT_EQ(s.effacements, 1);
  EXPECT_EQ(s.scale_.left, 0.0);
  EXPECT_EQ(s.scale_.width, 4.0);
  EXPECT_EQ(s.scale_.top, 275.0);
  EXPECT_EQ(s.scale_.height, -300.0);
  ASSERT_EQ(s.appels.size(), 4u);
  const char quoi[] = {'P', 'T', 'T', 'T'};
  const double y[] = {11, 21, 12, 22};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(s.appels[k].quoi, quoi[k]);
    EXPECT_EQ(s.appels[k].x1, k + 1.0);
    EXPECT_EQ(s.appels[k].y1, y[k]);
  }
}

TEST(DessineWave, SecondChannelAndSixteenBitScale) {
  SurfaceEnregistreuse s(640);
  DessineWave(s, Lire(2, 16, OctetsPcm16({1, -7, 2, 9}), ChoixCanal::Option3), 16);
  EXPECT_EQ(s.scale_.top, 35000.0);
  EXPECT_EQ(s.scale_.height, -70000.0);
  EXPECT_EQ(s.scale_.width, 2.0);
  ASSERT_EQ(s.appels.size(), 2u);
  EXPECT_EQ(s.appels[0].y1, -7.0);
  EXPECT_EQ(s.appels[1].y1, 9.0);
}

TEST(DessineWave, EmptySeriesClearsAndKeepsADrawableScale) {
  SurfaceEnregistreuse s(640);
  DessineWave(s, Lire(1, 16, {}, ChoixCanal::Option1), 16);
  EXPECT_EQ(s.effacements, 1);
  EXPECT_EQ(s.scale_.width, 1.0);
  EXPECT_TRUE(s.appels.empty());
}

TEST(DessineWave, ManySamplesPerColumnGiveOneStrokePerColumnSpanningItsSamples) {
  // 100 columns, 5000 samples of a saw tooth of period 50 (8-bit values 0, 5,
  // ..., 245): column c holds x = 50c .. 50c + 49, and x = 5000 lies on the
  // right edge, in column 100.
  std::vector<uint8_t> d(5000);
  for (size_t i = 0; i < d.size(); ++i) d[i] = static_cast<uint8_t>((i % 50) * 5);
  SurfaceEnregistreuse s(100);
  DessineWave(s, Lire(1, 8, d, ChoixCanal::Option1), 8);
  ASSERT_EQ(s.appels.size(), 101u);
  for (size_t c = 0; c < s.appels.size(); ++c) {
    const auto& a = s.appels[c];
    EXPECT_EQ(a.quoi, 'L');
    EXPECT_EQ(a.x1, a.x2);
    EXPECT_EQ(static_cast<size_t>(s.scale_.PixelX(a.x1)), c);
    // Column 0 starts at x = 1 (value 0) and ends at x = 49 (240); every
    // other column also holds the 245 of the sample before it.
    const double bas = c == 100 ? 240.0 : 0.0;
    const double haut = c == 0 ? 240.0 : 245.0;
    EXPECT_EQ(std::min(a.y1, a.y2), bas) << c;
    EXPECT_EQ(std::max(a.y1, a.y2), haut) << c;
  }
}

TEST(LignesEntete, EveryLabelIsItsTextThenTheValue) {
  PlanWave p;
  p.channels = 2;
  p.sampleRate = 22050;
  p.donnees = OctetsPcm16({1, 2, 3, 4});
  p.chunksAvantDonnees = {{"LIST", std::vector<uint8_t>(4, 'a')}};
  const auto f = LireEnteteWave(ConstruireWave(p)).valeur();
  const std::array<std::string, 16> attendu = {
      "Signature= RIFF",
      "RiffSize(in bytes)=  56",
      "Type= WAVE",
      "Fmtchunk= fmt ",
      "FmtSize (16) =  16",
      "Format (1=PCM) = 1",
      "Channels(1:mono 2:stereo)=  2",
      "SampleRate (Hz) =  22050",
      "Average bytes/second (samplerate*channels*b_p_sample/8)=  88200",
      "Align (1=byte aligned, 2=word aligned) =  4",
      "Bitspersample (should be 8 or 16) =  16",
      "Datachunk ('data')= data",
      "Number of samples =  8",
      "Len of file (LOF) in bytes 64",
      "Len of header(in bytes) =  56",
      "Bytes after header =  8",
  };
  EXPECT_EQ(LignesEntete(f), attendu);
}

}  // namespace
