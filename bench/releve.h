#pragma once

// Runs the registered benchmarks and keeps the real time of each, by name
// (the median when the runs are repeated), for the ratios printed after.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class Releve : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Iteration ||
          (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")) {
        temps[run.run_name.str()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> temps;
};

// The times by name; false when the command line holds unknown arguments.
inline bool MesureTout(int argc, char** argv, std::map<std::string, double>& temps) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  Releve releve;
  benchmark::RunSpecifiedBenchmarks(&releve);
  benchmark::Shutdown();
  temps = std::move(releve.temps);
  return true;
}
