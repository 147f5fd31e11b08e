#include "wav/wave_octets.h"

#include <array>

namespace {

constexpr uint16_t kFormatExtensible = 0xFFFE;
// The 14 bytes that follow the format code in a KSDATAFORMAT subtype GUID.
constexpr std::array<uint8_t, 14> kSuiteGuid = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

void Ajouter16(std::vector<uint8_t>& o, uint16_t v) {
  o.push_back(static_cast<uint8_t>(v));
  o.push_back(static_cast<uint8_t>(v >> 8));
}
void Ajouter32(std::vector<uint8_t>& o, uint32_t v) {
  for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void AjouterId(std::vector<uint8_t>& o, const std::string& id) {
  for (size_t i = 0; i < 4; ++i) o.push_back(i < id.size() ? static_cast<uint8_t>(id[i]) : ' ');
}
void AjouterChunk(std::vector<uint8_t>& o, const std::string& id, const std::vector<uint8_t>& corps,
                  uint32_t taille) {
  AjouterId(o, id);
  Ajouter32(o, taille);
  o.insert(o.end(), corps.begin(), corps.end());
  if (corps.size() % 2 != 0) o.push_back(0);
}

}  // namespace

std::vector<uint8_t> ConstruireWave(const PlanWave& plan) {
  std::vector<uint8_t> fmt;
  const uint16_t align = static_cast<uint16_t>(plan.channels * (plan.bitsPerSample / 8));
  Ajouter16(fmt, plan.format);
  Ajouter16(fmt, plan.channels);
  Ajouter32(fmt, plan.sampleRate);
  Ajouter32(fmt, plan.sampleRate * align);
  Ajouter16(fmt, align);
  Ajouter16(fmt, plan.bitsPerSample);
  if (plan.format == kFormatExtensible) {
    Ajouter16(fmt, 22);
    Ajouter16(fmt, plan.bitsPerSample);
    Ajouter32(fmt, 0);
    Ajouter16(fmt, plan.sousFormat);
    fmt.insert(fmt.end(), kSuiteGuid.begin(), kSuiteGuid.end());
  }

  std::vector<uint8_t> corps;
  AjouterId(corps, "WAVE");
  AjouterChunk(corps, "fmt ", fmt, static_cast<uint32_t>(fmt.size()));
  for (const ChunkWave& c : plan.chunksAvantDonnees) {
    AjouterChunk(corps, c.id, c.corps, static_cast<uint32_t>(c.corps.size()));
  }
  AjouterChunk(corps, "data", plan.donnees,
               plan.dataSize.value_or(static_cast<uint32_t>(plan.donnees.size())));

  std::vector<uint8_t> fichier;
  AjouterId(fichier, "RIFF");
  Ajouter32(fichier, plan.riffSize.value_or(static_cast<uint32_t>(corps.size())));
  fichier.insert(fichier.end(), corps.begin(), corps.end());
  return fichier;
}

std::vector<uint8_t> OctetsPcm16(const std::vector<int16_t>& valeurs) {
  std::vector<uint8_t> o;
  o.reserve(valeurs.size() * 2);
  for (int16_t v : valeurs) Ajouter16(o, static_cast<uint16_t>(v));
  return o;
}
