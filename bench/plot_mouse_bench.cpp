// One pointer move over the plot window, offscreen: the plot of a
// 65535-sample, 44-scale analysis run in a 1200 x 800 picture, the pointer
// moving inside the frame. A move updates the coordinate read-out and the
// four inverting cross-hair lines, and the window repaints what changed; it
// must not repaint the map. Peers in the same run: the same move delivered as
// a real mouse event, and the full redraw a move would cost if it repainted
// the map.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/ui/picture_box.h"
#include "plot/ui/newtrace.h"

namespace {

constexpr int kSamples = 65535;
constexpr int kScales = 44;
constexpr float kDt = 5e-6f;

Grille GrilleRun() {
  Grille g(6, kSamples, kScales);
  for (int j = 1; j <= kScales; ++j) {
    const float period = static_cast<float>(1.0330436 * 2 * kDt * std::pow(2.0, (j - 1) / 4.0));
    for (int i = 1; i <= kSamples; ++i) {
      const double s = std::sin(6.283185307 * i / 5000.0) * std::cos(j / 7.0);
      g(1, i, j) = kDt * static_cast<float>(i);
      g(2, i, j) = 1.0f / period;
      g(3, i, j) = period;
      g(4, i, j) = static_cast<float>((1 + s) * (1 + s));
      g(5, i, j) = static_cast<float>(1 + s);
      g(6, i, j) = static_cast<float>(std::fmod(0.7 * i, 360.0) - 180.0);
    }
  }
  return g;
}

// Services that answer at once: nothing here opens a dialog.
struct Silence : MessageService,
                 FileDialogService,
                 ColourPicker,
                 Desktop,
                 SoundPlayer,
                 PrinterService {
  using MessageService::Show;
  Reponse Show(const std::string&, const std::string&, Icone, Boutons) override {
    return Reponse::Ok;
  }
  std::optional<std::string> Open(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> Save(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<Couleur> Pick(Couleur) override { return std::nullopt; }
  void SetBusy(bool) override {}
  void ProcessPendingEvents() override {}
  void Beep() override {}
  void Play(const std::string&) override {}
  void Stop() override {}
  std::optional<std::string> Print(const ImageSurface&) override { return std::nullopt; }
};

struct Fenetre {
  Silence s;
  Platform tp{s, s, s, s, s, s};
  std::vector<float> signal;
  Newtrace* w = nullptr;

  Fenetre() {
    signal.resize(kSamples + 1);
    for (int n = 1; n <= kSamples; ++n) signal[n] = static_cast<float>(std::sin(0.001 * n));
    CurveInputs c;
    c.Signal = signal;
    c.Nmax = kSamples;
    c.Dt = kDt;
    c.SignalMin = -1;
    c.SignalMax = 1;
    w = new Newtrace(tp);
    w->Picture->setFixedSize(1200, 800);
    w->Charge(GrilleRun(),
              {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"}, c,
              "/bench/run.txt");
    w->show();
    QCoreApplication::processEvents();
  }
};

Fenetre& LaFenetre() {
  static Fenetre f;
  return f;
}

// Pointer pixels along a diagonal inside the frame.
QPointF Position(int n) {
  return QPointF(320 + (n % 700), 120 + (n % 500));
}

void BM_MoveReadOutAndCrossHair(benchmark::State& state) {
  Fenetre& f = LaFenetre();
  PictureBox* p = f.w->Picture;
  int n = 0;
  for (auto _ : state) {
    const QPointF pos = Position(n++);
    f.w->Picture_MouseMove(p->WorldX(pos.x()), p->WorldY(pos.y()), Qt::NoButton);
    QCoreApplication::processEvents();  // the repaint of what moved
  }
}

void BM_MoveAsMouseEvent(benchmark::State& state) {
  Fenetre& f = LaFenetre();
  int n = 0;
  for (auto _ : state) {
    const QPointF pos = Position(n++);
    QMouseEvent e(QEvent::MouseMove, pos, f.w->Picture->mapToGlobal(pos), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.w->Picture, &e);
    QCoreApplication::processEvents();
  }
}

void BM_FullRedraw(benchmark::State& state) {
  Fenetre& f = LaFenetre();
  for (auto _ : state) {
    f.w->Tracemollier();
    QCoreApplication::processEvents();
  }
}

// From the end of the analysis to the first complete picture: a new window
// takes the run's grid, loads its colour dialog and default scale, draws and
// shows. Building the grid itself belongs to the analysis, so it is outside
// the timing.
void BM_OpenWindowAfterRun(benchmark::State& state) {
  Fenetre& f = LaFenetre();
  CurveInputs c;
  c.Signal = f.signal;
  c.Nmax = kSamples;
  c.Dt = kDt;
  c.SignalMin = -1;
  c.SignalMax = 1;
  for (auto _ : state) {
    state.PauseTiming();
    Grille g = GrilleRun();
    state.ResumeTiming();
    auto* w = new Newtrace(f.tp);
    w->Picture->setFixedSize(1200, 800);
    w->Charge(std::move(g),
              {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"}, c,
              "/bench/run.txt");
    w->show();
    QCoreApplication::processEvents();
    state.PauseTiming();
    delete w;
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_MoveReadOutAndCrossHair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveAsMouseEvent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindowAfterRun)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  delete LaFenetre().w;
  benchmark::Shutdown();
  return 0;
}
