#include "engine/analyse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/complexes_et_divers.h"
#include "engine/number_text.h"
#include "engine/run_error.h"

namespace {

constexpr double kPiD = std::numbers::pi;
// The program's pi, a Single, in double.
constexpr double kPiD32 = 3.14159274f;

std::vector<float> Signal(int32_t n, auto&& f) {
  std::vector<float> y(static_cast<size_t>(n) + 1, 0.0f);
  for (int32_t i = 1; i <= n; ++i) y[i] = static_cast<float>(f(i));
  return y;
}

std::vector<float> Chirp(int32_t n) {
  return Signal(n, [n](int i) { return std::sin(0.05 * i + 1.5 * i * i / n); });
}

EntreesAnalyse Entrees(const std::vector<float>& signal) {
  EntreesAnalyse in;  // the main window's default texts, Morlet
  in.Signal = signal;
  in.Nmax = static_cast<int32_t>(signal.size()) - 1;
  return in;
}

// The grid filled node by node, i outer and j inner, each node in the order
// Time, Périod, Fréquencies, Power spectrum, Amplitude, Phase, from the
// coefficients of the stand-alone transform; the first run-time error stops
// the fill where it is.
Grille NoeudParNoeud(const EntreesAnalyse& in, const EtatAnalyse& e) {
  const int32_t n = in.Nmax, J = e.NbEchelles;
  EntreeWavelet w{n, in.Signal, e.Dt, e.EchelleDepart, e.Dj, J, e.NFFT};
  int32_t mother = in.list1Index;
  float param = static_cast<float>(LireNombre(in.Text1));
  TableauOndelette wave(n, J);
  std::vector<float> scale(J + 1), period(J + 1), coi(n + 1);
  SpectreWavelet spectre;
  std::vector<MessageMoteur> messages;
  WAVELET(w, mother, param, wave, scale, period, coi, spectre, messages);
  Grille g(6, n, J);
  try {
    for (int32_t i = 1; i <= n; ++i) {
      for (int32_t j = 1; j <= J; ++j) {
        g(1, i, j) = VersSingle(static_cast<double>(e.Dt) * i);
        g(3, i, j) = period[j];
        g(2, i, j) = VersSingle(1.0 / period[j]);
        float m = CModule(wave(i, j));
        g(4, i, j) = VersSingle(static_cast<double>(m) * m);
        g(5, i, j) = CModule(wave(i, j));
        g(6, i, j) = VersSingle(static_cast<double>(CPhase(CImag(wave(i, j)), CReel(wave(i, j)))) *
                                (180 / kPiD32));
      }
    }
  } catch (const RunError&) {
  }
  return g;
}

void ExpectGrillesEgales(const Grille& a, const Grille& b) {
  ASSERT_EQ(a.NVar(), b.NVar());
  ASSERT_EQ(a.NI(), b.NI());
  ASSERT_EQ(a.NJ(), b.NJ());
  int differences = 0;
  for (int k = 0; k <= a.NVar(); ++k)
    for (int j = 0; j <= a.NJ(); ++j)
      for (int i = 0; i <= a.NI(); ++i)
        if (a(k, i, j) != b(k, i, j) && ++differences <= 5)
          ADD_FAILURE() << "k=" << k << " i=" << i << " j=" << j << ": " << a(k, i, j)
                        << " != " << b(k, i, j);
  EXPECT_EQ(differences, 0);
}

const std::vector<std::string> kNoms = {
    "", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};

TEST(Analyse, DefaultTexts) {
  const std::vector<float> signal = Chirp(200);
  ResultatAnalyse r = Analyse(Entrees(signal), EtatAnalyse{});
  ASSERT_TRUE(r.messages.empty());
  EXPECT_FALSE(r.erreur);
  EXPECT_TRUE(r.nomVarEcrits);
  const EtatAnalyse& e = r.etat;
  EXPECT_EQ(e.Dt, 5e-6f);
  EXPECT_EQ(e.EchelleDepart, 1e-5f);
  EXPECT_EQ(e.SousEchelles, 4);
  EXPECT_EQ(e.Dj, 0.25f);
  EXPECT_EQ(e.NbEchelles, 44);
  EXPECT_EQ(e.NFFT, 256);
  EXPECT_EQ(e.NomVar, kNoms);
  ASSERT_EQ(e.grille.NVar(), 6);
  ASSERT_EQ(e.grille.NI(), 200);
  ASSERT_EQ(e.grille.NJ(), 44);
  // Period of the first scale: 1e-5 s times the Morlet Fourier factor; two
  // Single roundings.
  const double p1 = 1e-5 * 1.0330436;
  for (int32_t i : {1, 77, 200}) {
    EXPECT_NEAR(e.grille(3, i, 1), p1, 2.5e-7 * p1) << i;
    EXPECT_NEAR(e.grille(2, i, 1), 1 / p1, 2.5e-7 / p1) << i;
  }
  for (int32_t j = 1; j <= 44; ++j) {
    for (int32_t i = 1; i <= 200; ++i) {
      EXPECT_EQ(e.grille(1, i, j), static_cast<float>(5e-6f * static_cast<double>(i)));
      EXPECT_EQ(e.grille(2, i, j), e.grille(2, 1, j));
      EXPECT_EQ(e.grille(3, i, j), e.grille(3, 1, j));
    }
    // Scales a quarter octave apart.
    if (j > 1) {
      EXPECT_NEAR(e.grille(3, 1, j) / e.grille(3, 1, j - 1), std::pow(2.0, 0.25), 1e-6);
    }
  }
  // The spectrum left behind: NFFT bins of the mean-removed signal.
  EXPECT_GT(e.spectre.SpectreMax, 0.0f);
}

TEST(Analyse, GridIsTheNodeByNodeFill) {
  struct Cas {
    const char* nom;
    int32_t n;
    int32_t mother;
    const char* text1;
  };
  const Cas cases[] = {{"morlet", 150, 0, "6"},
                       {"paul", 97, 1, "4"},
                       {"gauss", 64, 2, "2"},
                       {"none selected", 33, -1, "6"},
                       {"gauss odd", 40, 2, "1"}};
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.nom);
    const std::vector<float> signal = Chirp(c.n);
    EntreesAnalyse in = Entrees(signal);
    in.list1Index = c.mother;
    in.Text1 = c.text1;
    ResultatAnalyse r = Analyse(in, EtatAnalyse{});
    ASSERT_FALSE(r.erreur);
    ExpectGrillesEgales(r.etat.grille, NoeudParNoeud(in, r.etat));
  }
}

TEST(Analyse, SubscalesRoundHalfToEven) {
  struct Cas {
    const char* text3;
    int32_t sous;
    float dj;
    int32_t J;
  };
  const Cas cases[] = {{"2.5", 2, 0.5f, 22}, {"3.5", 4, 0.25f, 44}, {"1", 1, 1.0f, 11}};
  const std::vector<float> signal = Chirp(20);
  for (const Cas& c : cases) {
    EntreesAnalyse in = Entrees(signal);
    in.Text3 = c.text3;
    ResultatAnalyse r = Analyse(in, EtatAnalyse{});
    EXPECT_FALSE(r.erreur) << c.text3;
    EXPECT_EQ(r.etat.SousEchelles, c.sous) << c.text3;
    EXPECT_EQ(r.etat.Dj, c.dj) << c.text3;
    EXPECT_EQ(r.etat.NbEchelles, c.J) << c.text3;
  }
}

TEST(Analyse, PaddedLength) {
  struct Cas {
    int32_t nmax, nfft;
  };
  const Cas cases[] = {{1024, 2048}, {1000, 1024}, {1, 2}, {1500, 2048}, {2, 4}, {3, 4}};
  for (const Cas& c : cases) {
    const std::vector<float> signal = Chirp(c.nmax);
    EntreesAnalyse in = Entrees(signal);
    in.Text4 = "1";
    ResultatAnalyse r = Analyse(in, EtatAnalyse{});
    EXPECT_EQ(r.etat.NFFT, c.nfft) << c.nmax;
  }
}

TEST(Analyse, ResamplingFactorComesFromTheChosenOption) {
  const std::vector<float> signal = Chirp(20);
  EntreesAnalyse in = Entrees(signal);
  in.Text7 = "3";
  in.Text6 = "4";
  EXPECT_EQ(Analyse(in, EtatAnalyse{}).etat.Dt, 1.5e-5f);
  in.OptionFourrierOff = false;
  ResultatAnalyse r = Analyse(in, EtatAnalyse{});
  EXPECT_EQ(r.etat.Dt, 2e-5f);
  EXPECT_EQ(r.etat.EchelleDepart, 4e-5f);
}

EtatAnalyse EtatPrecedent() {
  EtatAnalyse e;
  e.Dt = 9;
  e.Dj = 7;
  e.NbEchelles = 3;
  e.NFFT = 8;
  e.grille = Grille(6, 4, 3);
  e.grille(5, 2, 2) = 42.0f;
  e.NomVar = {"", "a", "b", "c", "d", "e", "f"};
  return e;
}

TEST(Analyse, ZeroSubscalesStopsBeforeTheGrid) {
  const std::vector<float> signal = Chirp(20);
  EntreesAnalyse in = Entrees(signal);
  in.Text3 = "0";
  ResultatAnalyse r = Analyse(in, EtatPrecedent());
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], (MessageMoteur{"ERREUR ! ", "ARRET", Icone::Critique}));
  EXPECT_TRUE(r.erreur);
  EXPECT_FALSE(r.nomVarEcrits);
  // Replaced up to the failing step, kept after it.
  EXPECT_EQ(r.etat.Dt, 5e-6f);
  EXPECT_EQ(r.etat.SousEchelles, 0);
  EXPECT_EQ(r.etat.Dj, 7.0f);
  EXPECT_EQ(r.etat.NbEchelles, 3);
  EXPECT_EQ(r.etat.NFFT, 8);
  EXPECT_EQ(r.etat.grille.NI(), 4);
  EXPECT_EQ(r.etat.grille(5, 2, 2), 42.0f);
  EXPECT_EQ(r.etat.NomVar[1], "a");
}

TEST(Analyse, EarlyFailures) {
  struct Cas {
    const char* nom;
    int32_t n;
    const char* text4;
  };
  // No sample (its logarithm is undefined); a negative number of scales.
  const Cas cases[] = {{"no sample", 0, "11"}, {"negative scales", 10, "-2"}};
  for (const Cas& c : cases) {
    const std::vector<float> signal = Chirp(c.n);
    EntreesAnalyse in = Entrees(signal);
    in.Text4 = c.text4;
    ResultatAnalyse r = Analyse(in, EtatPrecedent());
    EXPECT_TRUE(r.erreur) << c.nom;
    ASSERT_EQ(r.messages.size(), 1u) << c.nom;
    EXPECT_EQ(r.messages[0].texte, kMessageErreurAnalyse) << c.nom;
    EXPECT_EQ(r.etat.grille(5, 2, 2), 42.0f) << c.nom;
    EXPECT_EQ(r.etat.NomVar[1], "a") << c.nom;
  }
}

TEST(Analyse, FailuresLeaveTheGridTheNodeByNodeFillWouldLeave) {
  struct Cas {
    const char* nom;
    std::vector<float> signal;
    const char* text3;
    const char* text4;
    const char* text5;
    std::vector<std::string> messages;
  };
  const std::vector<std::string> both = {kMessageCapacite, kMessageErreurAnalyse};
  const std::vector<std::string> run = {kMessageErreurAnalyse};
  const Cas cases[] = {
      // The 64th scale (2^63 start scales) overflows the Morlet exponent: the
      // first row keeps its 63 complete nodes.
      {"scale overflow", Chirp(30), "1", "100", "5.E-6", both},
      // A signal of 1e19 from sample 41 on: the power leaves the Single range
      // in the middle of the grid (node 47, 8).
      {"power overflow",
       Signal(60, [](int i) { return 1e19 * std::sin(0.9 * i) * (i > 40 ? 1 : 1e-3); }), "4", "4",
       "5.E-6", run},
      // Dt i leaves the Single range from i = 4 on, the scales from the fifth.
      {"time overflow", Chirp(12), "4", "2", "1E38", both},
  };
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.nom);
    EntreesAnalyse in = Entrees(c.signal);
    in.Text3 = c.text3;
    in.Text4 = c.text4;
    in.Text5 = c.text5;
    ResultatAnalyse r = Analyse(in, EtatPrecedent());
    EXPECT_TRUE(r.erreur);
    EXPECT_FALSE(r.nomVarEcrits);
    EXPECT_EQ(r.etat.NomVar[1], "a");
    std::vector<std::string> textes;
    for (const MessageMoteur& m : r.messages) textes.push_back(m.texte);
    EXPECT_EQ(textes, c.messages);
    ExpectGrillesEgales(r.etat.grille, NoeudParNoeud(in, r.etat));
  }
}

TEST(Analyse, TooLongForTheTransform) {
  // 65536 samples pad to 131072 points, beyond the transform's capacity.
  const std::vector<float> signal = Chirp(65536);
  EntreesAnalyse in = Entrees(signal);
  in.Text4 = "1";
  ResultatAnalyse r = Analyse(in, EtatPrecedent());
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(r.messages[0],
            (MessageMoteur{"Erreur probable: dépassement de capacité", "ARRET", Icone::Critique}));
  EXPECT_EQ(r.messages[1], (MessageMoteur{"ERREUR ! ", "ARRET", Icone::Critique}));
  EXPECT_EQ(r.etat.NFFT, 131072);
  EXPECT_EQ(r.etat.NomVar[1], "a");
  // Only the first node's time and (zero) period were written.
  const Grille& g = r.etat.grille;
  ASSERT_EQ(g.NI(), 65536);
  EXPECT_EQ(g(1, 1, 1), 5e-6f);
  EXPECT_EQ(g(1, 2, 1), 0.0f);
  EXPECT_EQ(g(1, 1, 2), 0.0f);
  EXPECT_EQ(g(2, 1, 1), 0.0f);
  EXPECT_EQ(g(3, 1, 1), 0.0f);
}

TEST(Analyse, ConstantSignalHasPhaseZero) {
  // All coefficients are 0; the phase of 0 is 0, so the run completes.
  const std::vector<float> signal = Signal(40, [](int) { return 1.5; });
  ResultatAnalyse r = Analyse(Entrees(signal), EtatAnalyse{});
  EXPECT_FALSE(r.erreur);
  EXPECT_TRUE(r.messages.empty());
  for (int32_t j = 1; j <= r.etat.NbEchelles; ++j) {
    for (int32_t i = 1; i <= 40; ++i) {
      EXPECT_EQ(r.etat.grille(4, i, j), 0.0f);
      EXPECT_EQ(r.etat.grille(5, i, j), 0.0f);
      EXPECT_EQ(r.etat.grille(6, i, j), 0.0f);
    }
  }
}

TEST(Analyse, CosinePhaseAdvancesWithTime) {
  // Period 64 samples: 360 dt / P = 5.625 degrees per sample where the
  // power is large (the column nearest the period), within 0.5 degree.
  const int32_t n = 512;
  const std::vector<float> signal = Signal(n, [](int i) { return std::cos(2 * kPiD * i / 64); });
  ResultatAnalyse r = Analyse(Entrees(signal), EtatAnalyse{});
  ASSERT_FALSE(r.erreur);
  const Grille& g = r.etat.grille;
  int32_t best = 1;
  for (int32_t j = 1; j <= r.etat.NbEchelles; ++j)
    if (g(4, n / 2, j) > g(4, n / 2, best)) best = j;
  for (int32_t i = n / 4; i < 3 * n / 4; ++i) {
    double d = g(6, i + 1, best) - g(6, i, best);
    if (d < -180) d += 360;
    EXPECT_NEAR(d, 5.625, 0.5) << i;
    EXPECT_GE(g(6, i, best), -180.0f);
    EXPECT_LT(g(6, i, best), 180.0f);
  }
}

TEST(Analyse, ReusedGridIsClearedLikeANewOne) {
  const std::vector<float> a = Chirp(50);
  const std::vector<float> b = Signal(50, [](int i) { return std::cos(0.3 * i); });
  ResultatAnalyse first = Analyse(Entrees(a), EtatAnalyse{});
  Grille& g = first.etat.grille;
  g(0, 3, 3) = 1;
  g(2, 0, 5) = 1;
  g(4, 7, 0) = 1;
  ResultatAnalyse again = Analyse(Entrees(b), std::move(first.etat));
  ResultatAnalyse fresh = Analyse(Entrees(b), EtatAnalyse{});
  ExpectGrillesEgales(again.etat.grille, fresh.etat.grille);
}

}  // namespace

namespace {

TEST(Analyse, ThreadsGiveTheSameResults) {
  struct Cas {
    const char* nom;
    std::vector<float> signal;
    const char* text3;
    const char* text4;
    int32_t mother;
  };
  const Cas cases[] = {
      {"morlet", Chirp(300), "4", "11", 0},
      {"gauss", Chirp(100), "3", "4", 2},
      // Failures at the 64th scale and in the middle of the grid.
      {"scale overflow", Chirp(30), "1", "100", 0},
      {"power overflow", Signal(60, [](int i) { return 1e19 * std::sin(0.9 * i) * (i > 40); }), "4",
       "4", 0},
  };
  for (const Cas& c : cases) {
    SCOPED_TRACE(c.nom);
    EntreesAnalyse in = Entrees(c.signal);
    in.Text3 = c.text3;
    in.Text4 = c.text4;
    in.list1Index = c.mother;
    const ResultatAnalyse un = Analyse(in, EtatPrecedent());
    for (int threads : {2, 3, 7}) {
      in.threads = threads;
      const ResultatAnalyse r = Analyse(in, EtatPrecedent());
      EXPECT_EQ(r.messages, un.messages) << threads;
      EXPECT_EQ(r.erreur, un.erreur) << threads;
      EXPECT_EQ(r.etat.NomVar, un.etat.NomVar) << threads;
      ExpectGrillesEgales(r.etat.grille, un.etat.grille);
      for (int32_t k = 1; k <= un.etat.NFFT; ++k) {
        EXPECT_EQ(r.etat.spectre.Spectre[k].Re, un.etat.spectre.Spectre[k].Re);
      }
    }
  }
}

}  // namespace
