#include "engine/analyse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "engine/complexes_et_divers.h"
#include "engine/ecriture_directe.h"
#include "engine/noeuds.h"
#include "engine/number_text.h"
#include "engine/run_error.h"

// The grid is filled one scale column at a time, straight from the
// transform's column while it is in cache, instead of node by node (i outer,
// j inner). The values are the same; so is the grid left by a failure: every
// failure of a node is noted, and the nodes that the node-by-node order would
// not have reached before the first of them are set back to 0.

namespace {

// The variables of a node in the order they are computed.
constexpr int kOrdre[6] = {1, 3, 2, 4, 5, 6};
// Positions in that order of the variables whose computation can fail.
constexpr int kPositionTemps = 0;      // k = 1: Dt i
constexpr int kPositionFrequence = 2;  // k = 2: 1 / period
constexpr int kPositionPuissance = 3;  // k = 4: modulus and its square

// The first node, in the node-by-node order, whose computation fails.
struct Echec {
  int32_t i = std::numeric_limits<int32_t>::max();
  int32_t j = 0;
  int position = 0;

  bool Avant(int32_t i2, int32_t j2, int position2) const {
    if (i != i2) return i < i2;
    if (j != j2) return j < j2;
    return position < position2;
  }
  void Garde(int32_t i2, int32_t j2, int position2) {
    if (!Avant(i2, j2, position2)) *this = Echec{i2, j2, position2};
  }
};

class Remplissage {
 public:
  Remplissage(Grille& g, float dt, std::span<const float> period)
      : g_(g), n_(g.NI()), period_(period), temps_(static_cast<size_t>(n_) + 1, 0.0f) {
    for (int32_t i = 1; i <= n_; ++i) {
      float t = static_cast<float>(static_cast<double>(dt) * i);
      if (!std::isfinite(t)) {
        premierTempsFaux_ = i;
        break;
      }
      temps_[i] = t;
    }
    recue_.assign(static_cast<size_t>(g.NJ()) + 1, 0);
    echecs_.resize(static_cast<size_t>(g.NJ()) + 1);
  }

  // Variables 1..6 of column j from the coefficients w[1..n]; columns may
  // be filled concurrently.
  void Colonne(int32_t j, std::span<const Complexe> w) {
    Echec& echec = echecs_[j];
    echec = Echec{};
    recue_[j] = 1;
    const float per = period_[j];
    // The grid is far larger than the caches and not read back in the run.
    CopieDirecte(temps_.data() + 1, n_, g_.Row(1, j) + 1);
    RemplitDirect(g_.Row(3, j) + 1, n_, per);
    float f = per == 0.0f ? 0.0f : static_cast<float>(1.0 / per);
    if (per == 0.0f || !std::isfinite(f)) {
      f = 0.0f;
      echec.Garde(1, j, kPositionFrequence);
    }
    RemplitDirect(g_.Row(2, j) + 1, n_, f);
    if (premierTempsFaux_ <= n_) echec.Garde(premierTempsFaux_, j, kPositionTemps);

    const float* puissance = g_.Row(4, j);
    const bool infini = !VariablesNoeuds(w, n_, g_.Row(4, j), g_.Row(5, j), g_.Row(6, j));
    if (infini) {
      for (int32_t i = 1; i <= n_; ++i) {
        if (!(std::fabs(puissance[i]) <= std::numeric_limits<float>::max())) {
          echec.Garde(i, j, kPositionPuissance);
          break;
        }
      }
    }
  }

  // The columns after the complete ones hold coefficients 0 (the run's
  // coefficient array is never written there); then, if a node failed, the
  // nodes after it go back to 0. True when none failed.
  bool Termine(int32_t complets) {
    std::vector<Complexe> zeros;
    for (int32_t j = 1; j <= g_.NJ(); ++j) {
      if (recue_[j] && j <= complets) continue;
      zeros.resize(static_cast<size_t>(n_) + 1);
      Colonne(j, zeros);
    }
    Echec premier;
    for (int32_t j = 1; j <= g_.NJ(); ++j) {
      const Echec& e = echecs_[j];
      if (e.i <= n_) premier.Garde(e.i, e.j, e.position);
    }
    if (premier.i > n_) return true;
    for (int32_t j = 1; j <= g_.NJ(); ++j) {
      const int32_t debut = j <= premier.j ? premier.i + 1 : premier.i;
      for (int k = 1; k <= 6; ++k) std::fill(g_.Row(k, j) + debut, g_.Row(k, j) + n_ + 1, 0.0f);
    }
    for (int p = premier.position; p < 6; ++p) g_(kOrdre[p], premier.i, premier.j) = 0.0f;
    return false;
  }

 private:
  Grille& g_;
  const int32_t n_;
  std::span<const float> period_;
  std::vector<float> temps_;
  int32_t premierTempsFaux_ = std::numeric_limits<int32_t>::max();
  std::vector<char> recue_;
  std::vector<Echec> echecs_;  // per column, its first failing node
};

// The grid re-dimensioned: every element 0. A grid of the same shape is
// reused; the fill writes every node, so only the storage positions need
// clearing.
void Redimensionne(Grille& g, int32_t n, int32_t J) {
  if (g.NVar() == 6 && g.NI() == n && g.NJ() == J) {
    std::fill(g.Row(0, 0), g.Row(0, 0) + static_cast<size_t>(n + 1) * (J + 1), 0.0f);
    for (int k = 1; k <= 6; ++k) {
      std::fill(g.Row(k, 0), g.Row(k, 0) + n + 1, 0.0f);
      for (int32_t j = 1; j <= J; ++j) g(k, 0, j) = 0.0f;
    }
    return;
  }
  g = Grille();
  g = Grille(6, n, J);
}

void Execute(const EntreesAnalyse& in, EtatAnalyse& e, ResultatAnalyse& r) {
  const double k = LireNombre(in.OptionFourrierOff ? in.Text7 : in.Text6);
  e.Dt = VersSingle(LireNombre(in.Text5) * k);
  e.EchelleDepart = VersSingle(static_cast<double>(e.Dt) * LireNombre(in.Text2));
  e.SousEchelles = VersLong(LireNombre(in.Text3));
  if (e.SousEchelles == 0) throw RunError(RunErrorKind::DivisionByZero, "Division by zero");
  e.Dj = VersSingle(1.0 / e.SousEchelles);
  e.NbEchelles = VersLong(LireNombre(in.Text4) * e.SousEchelles);

  const int32_t n = in.Nmax;
  const int32_t J = e.NbEchelles;
  if (J < 0 || n < 0) throw RunError(RunErrorKind::BadIndex, "Subscript out of range");
  std::vector<float> scale(static_cast<size_t>(J) + 1), period(static_cast<size_t>(J) + 1),
      coi(static_cast<size_t>(n) + 1);

  if (n == 0) throw RunError(RunErrorKind::InvalidArgument, "Invalid procedure call");
  const double puissance =
      std::pow(2.0, std::floor(std::log(static_cast<double>(n)) / std::log(2.0)) + 1);
  if (puissance > std::numeric_limits<int32_t>::max()) {
    throw RunError(RunErrorKind::Overflow, "Overflow");
  }
  e.NFFT = static_cast<int32_t>(puissance);

  if (in.Signal.size() < static_cast<size_t>(n) + 1) {
    throw RunError(RunErrorKind::BadIndex, "Subscript out of range");
  }
  Redimensionne(e.grille, n, J);

  int32_t mother = in.list1Index;
  float param = VersSingle(LireNombre(in.Text1));
  EntreeWavelet w;
  w.n = n;
  w.y = in.Signal;
  w.dt = e.Dt;
  w.s0 = e.EchelleDepart;
  w.dj = e.Dj;
  w.jtot = J;
  w.npad = e.NFFT;
  Remplissage remplissage(e.grille, e.Dt, period);
  const int32_t complets = WaveletParColonnes(
      w, mother, param,
      [&remplissage](int32_t j, std::span<const Complexe> column) {
        remplissage.Colonne(j, column);
      },
      scale, period, coi, e.spectre, r.messages, in.threads);
  if (!remplissage.Termine(complets)) throw RunError(RunErrorKind::Overflow, "Overflow");

  e.NomVar = {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"};
  r.nomVarEcrits = true;
}

}  // namespace

ResultatAnalyse Analyse(const EntreesAnalyse& in, EtatAnalyse precedent) {
  ResultatAnalyse r;
  r.etat = std::move(precedent);
  try {
    Execute(in, r.etat, r);
  } catch (const RunError&) {
    r.erreur = true;
  } catch (const std::bad_alloc&) {
    r.erreur = true;
  }
  if (r.erreur) r.messages.push_back({kMessageErreurAnalyse, kTitreArret, Icone::Critique});
  return r;
}
