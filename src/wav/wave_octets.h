#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of a WAV file, built in memory: the example generator writes
// them to files, the tests and the fuzz seeds use them as they are. Besides
// canonical files it builds the unusual ones a reader must survive: extra
// chunks before the data, forged size fields, odd formats.

struct ChunkWave {
  std::string id;  // 4 characters
  std::vector<uint8_t> corps;
};

struct PlanWave {
  uint16_t format = 1;
  uint16_t channels = 1;
  uint32_t sampleRate = 8000;
  uint16_t bitsPerSample = 16;
  // For the extensible format (0xFFFE): the format code its subformat GUID
  // starts with (1 for PCM).
  uint16_t sousFormat = 1;
  // The sample bytes, frames in file order.
  std::vector<uint8_t> donnees;
  // Chunks written between the format chunk and the data chunk.
  std::vector<ChunkWave> chunksAvantDonnees;
  // Forged size fields; by default the true sizes are written.
  std::optional<uint32_t> dataSize;
  std::optional<uint32_t> riffSize;
};

// RIFF header, "fmt " chunk (16 bytes, 40 for the extensible format), the extra chunks (each padded
// to an even size), then the "data" chunk (padded too).
std::vector<uint8_t> ConstruireWave(const PlanWave& plan);

// Sample bytes of 16-bit signed values, little-endian.
std::vector<uint8_t> OctetsPcm16(const std::vector<int16_t>& valeurs);
