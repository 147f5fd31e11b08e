// Writes the seed corpus of the WAV reader fuzz target into a folder: small
// files of every supported kind, with extra chunks, forged sizes and
// unsupported formats, so the fuzzer starts from inputs that reach every
// branch of the reader.
//
//   wav_seeds <folder>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "wav/wave_octets.h"

namespace {

PlanWave Plan(uint16_t format, uint16_t channels, uint16_t bits, size_t octets) {
  PlanWave p;
  p.format = format;
  p.channels = channels;
  p.bitsPerSample = bits;
  for (size_t i = 0; i < octets; ++i) p.donnees.push_back(static_cast<uint8_t>(i * 37 + 5));
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wav_seeds <folder>\n");
    return 2;
  }
  std::vector<PlanWave> plans = {Plan(1, 1, 8, 16),  Plan(1, 1, 16, 16),      Plan(1, 2, 8, 16),
                                 Plan(1, 2, 16, 17), Plan(1, 1, 24, 18),      Plan(1, 3, 16, 12),
                                 Plan(3, 1, 32, 16), Plan(0xFFFE, 2, 16, 16), Plan(1, 1, 16, 0)};
  PlanWave avecChunks = Plan(1, 2, 16, 24);
  avecChunks.chunksAvantDonnees = {{"LIST", std::vector<uint8_t>(11, 'i')}, {"fact", {6, 0, 0, 0}}};
  plans.push_back(avecChunks);
  PlanWave forge = Plan(1, 1, 8, 8);
  forge.dataSize = 0xFFFFFFF0u;
  plans.push_back(forge);

  const std::filesystem::path dossier = argv[1];
  for (size_t i = 0; i < plans.size(); ++i) {
    const std::vector<uint8_t> o = ConstruireWave(plans[i]);
    std::ofstream f(dossier / ("seed" + std::to_string(i) + ".wav"), std::ios::binary);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    if (!f) return 1;
  }
  return 0;
}
