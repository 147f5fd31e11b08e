#include "wav/caract_wave.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "wav/wave_octets.h"

namespace {

using Octets = std::vector<uint8_t>;

const ErreurWave kLecture{" Erreur de lecture ", "Lecture Waves"};
const ErreurWave kLargeur{"Ce programme n'accepte que les échantillons 8 ou 16 bits",
                          "Fichier Incompatible"};
const ErreurWave kCanaux{"Ce programme n'accepte que les fichiers mono ou stéréo",
                         "Fichier Incompatible"};
const ErreurWave kFormat{"Ce programme n'accepte que les fichiers PCM non compressés",
                         "Fichier Incompatible"};

PlanWave Plan(uint16_t channels, uint16_t bits, Octets donnees) {
  PlanWave p;
  p.channels = channels;
  p.bitsPerSample = bits;
  p.donnees = std::move(donnees);
  return p;
}

Octets Wave(const PlanWave& p) {
  return ConstruireWave(p);
}

void Ecrire32(Octets& o, size_t pos, uint32_t v) {
  for (int i = 0; i < 4; ++i) o[pos + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The 1-based series without its unused element 0.
std::vector<float> Serie(const SignalWave& s) {
  return std::vector<float>(s.SignalLu.begin() + 1, s.SignalLu.end());
}

// 500 distinct signed values covering both signs and the extremes.
std::vector<int16_t> Rampe500() {
  std::vector<int16_t> v;
  for (int i = 0; i < 500; ++i) v.push_back(static_cast<int16_t>(-32768 + i * 131));
  v[499] = 32767;
  return v;
}
std::vector<float> EnFloat(const std::vector<int16_t>& v) {
  return std::vector<float>(v.begin(), v.end());
}

TEST(WaveEntete, CanonicalHeaderIsTheFirst44Bytes) {
  PlanWave p = Plan(2, 16, OctetsPcm16({1, -1, 2, -2, 3, -3}));
  p.sampleRate = 44100;
  const Octets o = Wave(p);
  ASSERT_EQ(o.size(), 44u + 12u);
  const auto lu = LireEnteteWave(o);
  ASSERT_TRUE(lu.ok());
  const FichierWave& f = lu.valeur();
  WaveEntete attendu;
  attendu.Signature = "RIFF";
  attendu.RiffSize = 36 + 12;
  attendu.Type = "WAVE";
  attendu.Fmtchunk = "fmt ";
  attendu.FmtSize = 16;
  attendu.Format = 1;
  attendu.Channels = 2;
  attendu.SampleRate = 44100;
  attendu.AvgBytes = 176400;
  attendu.Align = 4;
  attendu.BitsPerSample = 16;
  attendu.Datachunk = "data";
  attendu.DataSize = 12;
  EXPECT_EQ(f.entete, attendu);
  EXPECT_TRUE(f.pcm);
  EXPECT_EQ(f.longueurFichier, 56);
  EXPECT_EQ(f.longueurEntete, 44);
  EXPECT_EQ(f.octetsApresEntete, 12);
  EXPECT_EQ(f.octetsDonnees, 12);
  EXPECT_FALSE(Incompatibilite(f));
}

TEST(WaveEntete, ChunksBeforeTheDataMoveTheHeaderLength) {
  PlanWave p = Plan(1, 8, {10, 20, 30});
  p.chunksAvantDonnees = {{"LIST", Octets(13, 'x')}, {"fact", {3, 0, 0, 0}}};
  const auto lu = LireEnteteWave(Wave(p));
  ASSERT_TRUE(lu.ok());
  const FichierWave& f = lu.valeur();
  // 36 + LIST (8 + 13 + pad) + fact (8 + 4) + data header.
  EXPECT_EQ(f.longueurEntete, 36 + 22 + 12 + 8);
  EXPECT_EQ(f.entete.Datachunk, "data");
  EXPECT_EQ(f.entete.DataSize, 3);
  EXPECT_EQ(f.octetsApresEntete, 4);  // 3 samples and the pad byte
  EXPECT_EQ(f.octetsDonnees, 3);
}

TEST(WaveEntete, ForgedSizesAreShownAsStoredAndCappedForReading) {
  PlanWave p = Plan(1, 16, OctetsPcm16({1, 2}));
  p.dataSize = 0xFFFFFFFFu;
  p.riffSize = 0x7FFFFFFFu;
  const auto lu = LireEnteteWave(Wave(p));
  ASSERT_TRUE(lu.ok());
  EXPECT_EQ(lu.valeur().entete.DataSize, -1);
  EXPECT_EQ(lu.valeur().entete.RiffSize, 0x7FFFFFFF);
  EXPECT_EQ(lu.valeur().octetsDonnees, 4);
}

TEST(WaveEntete, ExtensibleFormatWithPcmSubformatIsPcm) {
  PlanWave p = Plan(2, 16, OctetsPcm16({5, 6}));
  p.format = 0xFFFE;
  const auto lu = LireEnteteWave(Wave(p));
  ASSERT_TRUE(lu.ok());
  EXPECT_EQ(lu.valeur().entete.Format, -2);
  EXPECT_EQ(lu.valeur().entete.FmtSize, 40);
  EXPECT_TRUE(lu.valeur().pcm);
  EXPECT_EQ(lu.valeur().longueurEntete, 68);
}

// Files of a kind the workbench cannot load still show their header; the
// refusal comes with the load.
struct CasIncompatible {
  const char* nom;
  uint16_t format;
  uint16_t channels;
  uint16_t bits;
  uint16_t sousFormat;
  ErreurWave erreur;
};

class WaveIncompatible : public testing::TestWithParam<CasIncompatible> {};

TEST_P(WaveIncompatible, HeaderReadsButSamplesAreRefused) {
  const CasIncompatible& c = GetParam();
  PlanWave p = Plan(c.channels, c.bits, Octets(48, 0x11));
  p.format = c.format;
  p.sousFormat = c.sousFormat;
  const Octets o = Wave(p);
  const auto lu = LireEnteteWave(o);
  ASSERT_TRUE(lu.ok());
  EXPECT_EQ(lu.valeur().entete.BitsPerSample, c.bits);
  EXPECT_EQ(Incompatibilite(lu.valeur()), c.erreur);
  for (ChoixCanal choix : {ChoixCanal::Option1, ChoixCanal::Option2, ChoixCanal::Option3}) {
    EXPECT_EQ(NombreEchantillons(lu.valeur(), choix), CompteWave{});
    const auto s = LireSignalWave(o, choix);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.erreur(), c.erreur);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveIncompatible,
    testing::Values(CasIncompatible{"bits24", 1, 1, 24, 1, kLargeur},
                    CasIncompatible{"bits24ThreeChannels", 1, 3, 24, 1, kLargeur},
                    CasIncompatible{"float32", 3, 1, 32, 1, kLargeur},
                    CasIncompatible{"bits0", 1, 1, 0, 1, kLargeur},
                    CasIncompatible{"threeChannels", 1, 3, 16, 1, kCanaux},
                    CasIncompatible{"noChannel", 1, 0, 8, 1, kCanaux},
                    CasIncompatible{"aLaw", 6, 1, 8, 1, kFormat},
                    CasIncompatible{"adpcm16", 2, 2, 16, 1, kFormat},
                    CasIncompatible{"extensibleFloat", 0xFFFE, 2, 16, 3, kFormat}),
    [](const auto& info) { return std::string(info.param.nom); });

// Inputs that are not readable WAV files: the read error, never a crash.
struct CasIllisible {
  const char* nom;
  Octets octets;
};

Octets Canonique() {
  return Wave(Plan(1, 16, OctetsPcm16({1, 2, 3, 4})));
}
Octets Tronque(Octets o, size_t n) {
  o.resize(n);
  return o;
}
Octets AvecTaux(uint32_t taux) {
  PlanWave p = Plan(1, 16, OctetsPcm16({1}));
  p.sampleRate = taux;
  return Wave(p);
}
Octets TailleListeForgee() {
  PlanWave p = Plan(1, 8, {1, 2, 3});
  p.chunksAvantDonnees = {{"LIST", Octets(4, 0)}};
  Octets o = Wave(p);
  Ecrire32(o, 40, 0xFFFFFFF0u);  // the LIST size field
  return o;
}
Octets TailleFmt(uint32_t taille) {
  Octets o = Canonique();
  Ecrire32(o, 16, taille);
  return o;
}
Octets SansDonnees() {
  Octets o = Canonique();
  o[36] = 'D';  // "Data" is not the data chunk
  return o;
}
Octets SansFormat() {
  Octets o = Canonique();
  o[12] = 'F';
  return o;
}
Octets Hasard(size_t n, unsigned graine) {
  std::mt19937 gen(graine);
  Octets o(n);
  for (auto& b : o) b = static_cast<uint8_t>(gen());
  return o;
}
Octets RiffHasard() {
  Octets o = Hasard(4000, 7);
  const Octets debut = Tronque(Canonique(), 12);
  std::copy(debut.begin(), debut.end(), o.begin());
  return o;
}

class WaveIllisible : public testing::TestWithParam<CasIllisible> {};

TEST_P(WaveIllisible, GivesTheReadError) {
  const Octets& o = GetParam().octets;
  const auto lu = LireEnteteWave(o);
  ASSERT_FALSE(lu.ok());
  EXPECT_EQ(lu.erreur(), kLecture);
  const auto s = LireSignalWave(o, ChoixCanal::Option2);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.erreur(), kLecture);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveIllisible,
    testing::Values(
        CasIllisible{"empty", {}}, CasIllisible{"riffOnly", Tronque(Canonique(), 12)},
        CasIllisible{"cutInFormat", Tronque(Canonique(), 30)},
        CasIllisible{"cutBeforeDataHeader", Tronque(Canonique(), 40)},
        CasIllisible{"zeroRate", AvecTaux(0)}, CasIllisible{"negativeRate", AvecTaux(0x80000000u)},
        CasIllisible{"listSizePastEnd", TailleListeForgee()},
        CasIllisible{"formatTooShort", TailleFmt(14)},
        CasIllisible{"formatSizePastEnd", TailleFmt(0xFFFFFFF0u)},
        CasIllisible{"noDataChunk", SansDonnees()}, CasIllisible{"noFormatChunk", SansFormat()},
        CasIllisible{"garbage", Hasard(4000, 1)}, CasIllisible{"riffThenGarbage", RiffHasard()}),
    [](const auto& info) { return std::string(info.param.nom); });

// Loads that succeed: the series, its count and step, for each choice.
struct CasLecture {
  const char* nom;
  Octets octets;
  ChoixCanal choix;
  std::vector<float> serie;
  int pasCanal;
};

const Octets kStereo8 = {11, 21, 12, 22, 13, 23};  // L1 R1 L2 R2 L3 R3
const std::vector<int16_t> kStereo16 = {-300, 300, 32767, -32768, 7, -7};

Octets AvecChunks(const Octets& donnees, uint16_t channels, uint16_t bits) {
  PlanWave p = Plan(channels, bits, donnees);
  p.chunksAvantDonnees = {{"LIST", Octets(9, 'i')}, {"fact", {7, 0, 0, 0}}};
  return Wave(p);
}
Octets AvecTailleDonnees(const Octets& donnees, uint32_t taille) {
  PlanWave p = Plan(1, 8, donnees);
  p.dataSize = taille;
  return Wave(p);
}
Octets SuiviDUnChunk() {
  Octets o = Wave(Plan(1, 8, {1, 2, 3}));  // ends with the pad byte
  const Octets liste = {'L', 'I', 'S', 'T', 4, 0, 0, 0, 9, 9, 9, 9};
  o.insert(o.end(), liste.begin(), liste.end());
  return o;
}

class WaveLecture : public testing::TestWithParam<CasLecture> {};

TEST_P(WaveLecture, ReadsTheSeries) {
  const CasLecture& c = GetParam();
  const auto lu = LireSignalWave(c.octets, c.choix);
  ASSERT_TRUE(lu.ok()) << lu.erreur().message;
  const SignalWave& s = lu.valeur();
  EXPECT_EQ(s.Nreel, static_cast<int32_t>(c.serie.size()));
  EXPECT_EQ(s.SignalLu.size(), c.serie.size() + 1);
  EXPECT_EQ(Serie(s), c.serie);
  EXPECT_EQ(s.PasCanal, c.pasCanal);
  const auto entete = LireEnteteWave(c.octets);
  ASSERT_TRUE(entete.ok());
  EXPECT_EQ(NombreEchantillons(entete.valeur(), c.choix),
            (CompteWave{static_cast<int64_t>(c.serie.size()), c.pasCanal}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveLecture,
    testing::Values(
        CasLecture{"mono16Of1000Bytes", Wave(Plan(1, 16, OctetsPcm16(Rampe500()))),
                   ChoixCanal::Option1, EnFloat(Rampe500()), 1},
        CasLecture{"mono8Unshifted",
                   Wave(Plan(1, 8, {0, 1, 127, 128, 255})),
                   ChoixCanal::Option1,
                   {0, 1, 127, 128, 255},
                   1},
        CasLecture{"mono8Silence", Wave(Plan(1, 8, Octets(6, 128))), ChoixCanal::Option1,
                   std::vector<float>(6, 128.0f), 1},
        CasLecture{"monoIgnoresSecondChannelChoice",
                   Wave(Plan(1, 8, {4, 5})),
                   ChoixCanal::Option3,
                   {4, 5},
                   1},
        CasLecture{
            "monoIgnoresMixChoice", Wave(Plan(1, 8, {4, 5})), ChoixCanal::Option2, {4, 5}, 1},
        CasLecture{
            "stereo8First", Wave(Plan(2, 8, kStereo8)), ChoixCanal::Option1, {11, 12, 13}, 1},
        CasLecture{
            "stereo8Second", Wave(Plan(2, 8, kStereo8)), ChoixCanal::Option3, {21, 22, 23}, 1},
        CasLecture{"stereo8Mixed",
                   Wave(Plan(2, 8, kStereo8)),
                   ChoixCanal::Option2,
                   {11, 21, 12, 22, 13, 23},
                   2},
        CasLecture{"stereo16First",
                   Wave(Plan(2, 16, OctetsPcm16(kStereo16))),
                   ChoixCanal::Option1,
                   {-300, 32767, 7},
                   1},
        CasLecture{"stereo16Second",
                   Wave(Plan(2, 16, OctetsPcm16(kStereo16))),
                   ChoixCanal::Option3,
                   {300, -32768, -7},
                   1},
        CasLecture{"stereo16Mixed", Wave(Plan(2, 16, OctetsPcm16(kStereo16))), ChoixCanal::Option2,
                   EnFloat(kStereo16), 2},
        CasLecture{"listAndFactBeforeData",
                   AvecChunks(kStereo8, 2, 8),
                   ChoixCanal::Option2,
                   {11, 21, 12, 22, 13, 23},
                   2},
        CasLecture{"listAndFactBeforeData16",
                   AvecChunks(OctetsPcm16({-5, 9}), 1, 16),
                   ChoixCanal::Option1,
                   {-5, 9},
                   1},
        CasLecture{
            "chunkAfterDataIsNotSamples", SuiviDUnChunk(), ChoixCanal::Option1, {1, 2, 3}, 1},
        CasLecture{"dataSizePastEndIsCapped",
                   AvecTailleDonnees({1, 2, 3, 4}, 1000),
                   ChoixCanal::Option1,
                   {1, 2, 3, 4},
                   1},
        CasLecture{"hugeDataSizeIsCapped",
                   AvecTailleDonnees({1, 2}, 0xFFFFFFFFu),
                   ChoixCanal::Option1,
                   {1, 2},
                   1},
        CasLecture{"smallerDataSizeLimits",
                   AvecTailleDonnees({1, 2, 3, 4}, 2),
                   ChoixCanal::Option1,
                   {1, 2},
                   1},
        CasLecture{"emptyData", Wave(Plan(1, 16, {})), ChoixCanal::Option1, {}, 1},
        CasLecture{"oddBytesMono16",
                   Tronque(Wave(Plan(1, 16, OctetsPcm16({100, 200, 300}))), 49),
                   ChoixCanal::Option1,
                   {100, 200},
                   1},
        CasLecture{"partialFrameStereo16",
                   Tronque(Wave(Plan(2, 16, OctetsPcm16({1, 2, 3, 4}))), 50),
                   ChoixCanal::Option2,
                   {1, 2},
                   2},
        CasLecture{"partialFrameStereo8",
                   Tronque(Wave(Plan(2, 8, kStereo8)), 49),
                   ChoixCanal::Option3,
                   {21, 22},
                   1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(WaveDessin, RangeIsFixedByTheSampleWidth) {
  const PlageWave p8 = PlageDessinWave(8);
  EXPECT_EQ(p8.LuMax, 275.0f);
  EXPECT_EQ(p8.LuMin, -20.0f);
  const PlageWave p16 = PlageDessinWave(16);
  EXPECT_EQ(p16.LuMax, 35000.0f);
  EXPECT_EQ(p16.LuMin, -35000.0f);

  const auto s8 = LireSignalWave(Wave(Plan(1, 8, Octets(4, 128))), ChoixCanal::Option1);
  ASSERT_TRUE(s8.ok());
  EXPECT_EQ(s8.valeur().plage.LuMax, 275.0f);
  EXPECT_EQ(s8.valeur().plage.LuMin, -20.0f);
  const auto s16 = LireSignalWave(Wave(Plan(2, 16, OctetsPcm16({0, 0}))), ChoixCanal::Option1);
  ASSERT_TRUE(s16.ok());
  EXPECT_EQ(s16.valeur().plage.LuMax, 35000.0f);
  EXPECT_EQ(s16.valeur().plage.LuMin, -35000.0f);
}

TEST(WaveText5, IsTheSamplingIntervalInStrForm) {
  WaveEntete e;
  e.SampleRate = 8000;
  EXPECT_EQ(Text5Wave(e), " .000125");
  e.SampleRate = 1;
  EXPECT_EQ(Text5Wave(e), " 1");
  e.SampleRate = 2;
  EXPECT_EQ(Text5Wave(e), " .5");
}

TEST(WaveChoix, CaptionsAreTheDialogTexts) {
  EXPECT_STREQ(LegendeCanal(ChoixCanal::Option1), "Un canal mono");
  EXPECT_STREQ(LegendeCanal(ChoixCanal::Option2), "Mixer les deux stereo");
  EXPECT_STREQ(LegendeCanal(ChoixCanal::Option3), "2eme canal stereo");
}

// The same readers on files.
class WaveFichier : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = std::filesystem::temp_directory_path() /
               ("marv_wav_test_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dossier_);
  }
  void TearDown() override { std::filesystem::remove_all(dossier_); }
  std::string Ecrire(const std::string& nom, const Octets& o) {
    const auto chemin = dossier_ / nom;
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    return chemin.string();
  }
  std::filesystem::path dossier_;
};

TEST_F(WaveFichier, FileGivesWhatTheBufferGives) {
  // Several read blocks, an odd frame count and a LIST chunk before the data.
  std::vector<int16_t> v(2 * 300001);
  for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<int16_t>(i * 7919u);
  PlanWave p = Plan(2, 16, OctetsPcm16(v));
  p.chunksAvantDonnees = {{"LIST", Octets(27, 'a')}};
  const Octets o = Wave(p);
  const std::string chemin = Ecrire("long.wav", o);

  const auto enteteFichier = LireEnteteWave(chemin);
  ASSERT_TRUE(enteteFichier.ok());
  EXPECT_EQ(enteteFichier.valeur().entete, LireEnteteWave(o).valeur().entete);
  EXPECT_EQ(enteteFichier.valeur().longueurFichier, static_cast<int64_t>(o.size()));
  EXPECT_EQ(enteteFichier.valeur().longueurEntete, 36 + 8 + 28 + 8);

  for (ChoixCanal choix : {ChoixCanal::Option1, ChoixCanal::Option2, ChoixCanal::Option3}) {
    const auto deFichier = LireSignalWave(chemin, choix);
    const auto deMemoire = LireSignalWave(o, choix);
    ASSERT_TRUE(deFichier.ok());
    ASSERT_TRUE(deMemoire.ok());
    EXPECT_EQ(deFichier.valeur().Nreel, deMemoire.valeur().Nreel);
    EXPECT_EQ(deFichier.valeur().PasCanal, deMemoire.valeur().PasCanal);
    EXPECT_TRUE(deFichier.valeur().SignalLu == deMemoire.valeur().SignalLu);
  }
  const auto mixe = LireSignalWave(chemin, ChoixCanal::Option2);
  EXPECT_EQ(mixe.valeur().Nreel, static_cast<int32_t>(v.size()));
  EXPECT_EQ(mixe.valeur().SignalLu.back(), static_cast<float>(v.back()));
}

TEST_F(WaveFichier, MissingTruncatedOrDirectoryGivesTheReadError) {
  EXPECT_EQ(LireEnteteWave((dossier_ / "absent.wav").string()).erreur(), kLecture);
  EXPECT_EQ(LireSignalWave((dossier_ / "absent.wav").string(), ChoixCanal::Option1).erreur(),
            kLecture);
  EXPECT_EQ(LireEnteteWave(dossier_.string()).erreur(), kLecture);
  const std::string court = Ecrire("court.wav", Tronque(Canonique(), 20));
  EXPECT_EQ(LireEnteteWave(court).erreur(), kLecture);
  const std::string incompatible = Ecrire("24.wav", Wave(Plan(1, 24, Octets(9, 0))));
  EXPECT_TRUE(LireEnteteWave(incompatible).ok());
  EXPECT_EQ(LireSignalWave(incompatible, ChoixCanal::Option1).erreur(), kLargeur);
}

}  // namespace
