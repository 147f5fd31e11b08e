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

#include "grille_run.h"

namespace {

using grille_run::GrilleRun;
using grille_run::kDt;
using grille_run::kSamples;
using grille_run::kScales;

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
    w = Ouvre(GrilleRun());
  }

  // A plot window of the run, loaded, shown and painted.
  Newtrace* Ouvre(Grille g) {
    CurveInputs c;
    c.Signal = signal;
    c.Nmax = kSamples;
    c.Dt = kDt;
    c.SignalMin = -1;
    c.SignalMax = 1;
    auto* fenetre = new Newtrace(tp);
    fenetre->Picture->setFixedSize(1200, 800);
    fenetre->Charge(std::move(g),
                    {"", "Time", "Fréquencies", "Périod", "Power spectrum", "Amplitude", "Phase"},
                    c, "/bench/run.txt");
    fenetre->show();
    QCoreApplication::processEvents();
    return fenetre;
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
  for (auto _ : state) {
    state.PauseTiming();
    Grille g = GrilleRun();
    state.ResumeTiming();
    Newtrace* w = f.Ouvre(std::move(g));
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
