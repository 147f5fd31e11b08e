// The command line of marvillons-batch: what it accepts, what it refuses
// and why, before any file is read.
#include "options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Mots(const std::string& ligne) {
  std::istringstream in(ligne);
  std::vector<std::string> mots;
  for (std::string m; in >> m;) mots.push_back(m);
  return mots;
}

TEST(BatchOptions, ReadsTheNewOptions) {
  const LectureOptions r = LireOptions(
      Mots("in.wav --channel mix --png p.png --bmp p.bmp --size 320x200 "
           "--filter f.fcb --divisor 2.5 --fourier f.csv "
           "--contours power:1,2.5,1E3 --contours 5:a:0,0.5,5 --contours time:g:1,2,8"));
  ASSERT_EQ(r.erreur, "");
  const OptionsBatch& o = r.options;
  EXPECT_EQ(o.fichier, "in.wav");
  EXPECT_EQ(o.canal, ChoixCanal::Option2);
  EXPECT_EQ(o.png, "p.png");
  EXPECT_EQ(o.bmp, "p.bmp");
  EXPECT_EQ(o.largeur, 320);
  EXPECT_EQ(o.hauteur, 200);
  EXPECT_EQ(o.filtre, "f.fcb");
  EXPECT_EQ(o.diviseur, "2.5");
  EXPECT_TRUE(o.ModeFourier());
  EXPECT_EQ(o.fourier, "f.csv");
  ASSERT_EQ(o.contours.size(), 3u);
  EXPECT_EQ(o.contours[0].variable, "power");
  EXPECT_EQ(o.contours[0].progression, 3);
  EXPECT_EQ(o.contours[0].nombres, (std::vector<std::string>{"1", "2.5", "1E3"}));
  EXPECT_EQ(o.contours[1].variable, "5");
  EXPECT_EQ(o.contours[1].progression, 1);
  EXPECT_EQ(o.contours[2].progression, 2);
  EXPECT_EQ(o.contours[2].nombres, (std::vector<std::string>{"1", "2", "8"}));

  const OptionsBatch defauts = LireOptions({"in.txt", "--png", "p.png"}).options;
  EXPECT_EQ(defauts.largeur, kLargeurImageDefaut);
  EXPECT_EQ(defauts.hauteur, kHauteurImageDefaut);
  EXPECT_EQ(defauts.canal, ChoixCanal::Option1);
  EXPECT_FALSE(defauts.ModeFourier());
  EXPECT_FALSE(defauts.dt.has_value());
}

TEST(BatchOptions, RefusesWithAMessage) {
  struct Cas {
    const char* ligne;
    const char* message;
  };
  const Cas cases[] = {
      {"in.txt --png p.png --size 640", "--size expects WxH"},
      {"in.txt --png p.png --size 0x10", "--size expects WxH"},
      {"in.txt --png p.png --size 9000x10", "each from 1 to 8192"},
      {"in.txt --size 640x400", "--size needs --png or --bmp"},
      {"in.txt --divisor 0.5", "--divisor expects a number of at least 1, got 0.5"},
      {"in.txt --divisor deux", "--divisor expects a number of at least 1"},
      {"in.txt --filter f.fcb --step 2", "no --step or --mean"},
      {"in.txt --divisor 2 --mean", "no --step or --mean"},
      {"in.wav --channel left", "--channel expects mono, second or mix, got left"},
      {"in.txt --contours power:1,2", "--contours draws over the picture of --png or --bmp"},
      {"in.txt --png p.png --contours power", "expects v:levels"},
      {"in.txt --png p.png --contours :1,2", "expects v:levels"},
      {"in.txt --png p.png --contours power:1,x", "'x' is not a number"},
      {"in.txt --png p.png --contours power:1,,2", "'' is not a number"},
      {"in.txt --png p.png --contours power:a:1,2", "a progression is start,step,end"},
      {"in.txt --png p.png --contours "
       "power:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26",
       "at most 25 levels"},
      // Progressions that would never end are refused with the network
      // dialog's own messages.
      {"in.txt --png p.png --contours power:a:0,0,1",
       "Pas Choisi : un pas nul ne donne aucune fin"},
      {"in.txt --png p.png --contours power:a:0,-1,1",
       "Pas Choisi : ce pas ne mène pas du minimum au maximum"},
      {"in.txt --png p.png --contours power:a:5,1,1",
       "Pas Choisi : ce pas ne mène pas du minimum au maximum"},
      {"in.txt --png p.png --contours power:g:1,1,10",
       "Pas Choisi : la raison d'une progression géométrique doit dépasser 1"},
      {"in.txt --png p.png --contours power:g:1,0.5,10",
       "Pas Choisi : la raison d'une progression géométrique doit dépasser 1"},
      {"in.txt --png p.png --contours power:g:0,2,10",
       "Minimum Choisi : une progression géométrique part d'un minimum positif"},
      {"in.txt --png p.png --contours power:g:-1,2,10",
       "Minimum Choisi : une progression géométrique part d'un minimum positif"},
  };
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.ligne);
    const LectureOptions r = LireOptions(Mots(c.ligne));
    EXPECT_NE(r.erreur.find(c.message), std::string::npos) << r.erreur;
  }
}

}  // namespace
