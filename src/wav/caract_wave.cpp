#include "wav/caract_wave.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "engine/number_text.h"

namespace {

constexpr int64_t kTailleRiff = 12;
constexpr int64_t kTailleEnteteChunk = 8;
constexpr uint32_t kTailleFmtMinimale = 16;
constexpr uint32_t kTailleFmtExtensible = 40;
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// KSDATAFORMAT_SUBTYPE_PCM, as stored at offset 24 of an extensible format.
constexpr std::array<uint8_t, 16> kSousFormatPcm = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                    0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Bytes read at a time from a file: big enough that the system calls cost
// nothing next to the decoding, a multiple of every frame size.
constexpr size_t kTailleBloc = size_t{1} << 20;

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
std::string Texte4(const uint8_t* p) {
  return std::string(reinterpret_cast<const char*>(p), 4);
}

// Random access to the bytes of a file or of a buffer.
class Source {
 public:
  virtual ~Source() = default;
  virtual int64_t Taille() const = 0;
  // Reads n bytes at pos; false when they are not all there.
  virtual bool Lire(int64_t pos, size_t n, uint8_t* dst) = 0;
};

class SourceMemoire : public Source {
 public:
  explicit SourceMemoire(std::span<const uint8_t> octets) : octets_(octets) {}
  int64_t Taille() const override { return static_cast<int64_t>(octets_.size()); }
  bool Lire(int64_t pos, size_t n, uint8_t* dst) override {
    if (pos < 0 || static_cast<uint64_t>(pos) > octets_.size() || n > octets_.size() - pos) {
      return false;
    }
    std::memcpy(dst, octets_.data() + pos, n);
    return true;
  }

 private:
  std::span<const uint8_t> octets_;
};

class SourceFichier : public Source {
 public:
  explicit SourceFichier(const std::string& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) return;
    const auto taille = std::filesystem::file_size(chemin, ec);
    if (ec) return;
    flux_.open(chemin, std::ios::binary);
    if (flux_) taille_ = static_cast<int64_t>(taille);
  }
  bool Ouvert() const { return taille_ >= 0; }
  int64_t Taille() const override { return taille_; }
  bool Lire(int64_t pos, size_t n, uint8_t* dst) override {
    if (pos < 0 || pos > taille_ || static_cast<int64_t>(n) > taille_ - pos) return false;
    flux_.clear();
    flux_.seekg(pos);
    flux_.read(reinterpret_cast<char*>(dst), static_cast<std::streamsize>(n));
    return static_cast<size_t>(flux_.gcount()) == n;
  }

 private:
  std::ifstream flux_;
  int64_t taille_ = -1;
};

void LireFormat(const uint8_t* corps, uint32_t tailleChunk, FichierWave& f) {
  WaveEntete& e = f.entete;
  const uint16_t format = U16(corps);
  e.Format = static_cast<int16_t>(format);
  e.Channels = static_cast<int16_t>(U16(corps + 2));
  e.SampleRate = static_cast<int32_t>(U32(corps + 4));
  e.AvgBytes = static_cast<int32_t>(U32(corps + 8));
  e.Align = static_cast<int16_t>(U16(corps + 12));
  e.BitsPerSample = static_cast<int16_t>(U16(corps + 14));
  f.pcm = format == kFormatPcm ||
          (format == kFormatExtensible && tailleChunk >= kTailleFmtExtensible &&
           std::equal(kSousFormatPcm.begin(), kSousFormatPcm.end(), corps + 24));
}

ResultatWave<FichierWave> Analyser(Source& source) {
  const int64_t lof = source.Taille();
  uint8_t riff[kTailleRiff];
  if (lof < kTailleRiff || !source.Lire(0, sizeof riff, riff)) return ErreurLectureWave();

  FichierWave f;
  f.longueurFichier = lof;
  f.entete.Signature = Texte4(riff);
  f.entete.RiffSize = static_cast<int32_t>(U32(riff + 4));
  f.entete.Type = Texte4(riff + 8);

  bool formatLu = false;
  bool donneesTrouvees = false;
  // Each step moves past a chunk header at least, so the walk ends after at
  // most lof / 8 steps whatever the size fields say.
  for (int64_t pos = kTailleRiff; pos + kTailleEnteteChunk <= lof;) {
    uint8_t chunk[kTailleEnteteChunk];
    if (!source.Lire(pos, sizeof chunk, chunk)) return ErreurLectureWave();
    const std::string id = Texte4(chunk);
    const uint32_t taille = U32(chunk + 4);
    const int64_t corps = pos + kTailleEnteteChunk;
    if (id == "fmt " && !formatLu) {
      if (taille < kTailleFmtMinimale) return ErreurLectureWave();
      uint8_t fmt[kTailleFmtExtensible] = {};
      const size_t aLire = std::min<size_t>(taille, kTailleFmtExtensible);
      if (!source.Lire(corps, aLire, fmt)) return ErreurLectureWave();
      f.entete.Fmtchunk = id;
      f.entete.FmtSize = static_cast<int32_t>(taille);
      LireFormat(fmt, static_cast<uint32_t>(aLire), f);
      formatLu = true;
    } else if (id == "data" && !donneesTrouvees) {
      f.entete.Datachunk = id;
      f.entete.DataSize = static_cast<int32_t>(taille);
      f.longueurEntete = corps;
      f.octetsApresEntete = lof - corps;
      f.octetsDonnees = std::min<int64_t>(taille, f.octetsApresEntete);
      donneesTrouvees = true;
    }
    if (formatLu && donneesTrouvees) break;
    // Chunks are word aligned: an odd size is followed by a pad byte.
    pos = corps + static_cast<int64_t>(taille) + (taille & 1);
  }
  if (!formatLu || !donneesTrouvees || f.entete.SampleRate <= 0) return ErreurLectureWave();
  return f;
}

int OctetsParEchantillon(const WaveEntete& e) {
  return e.BitsPerSample / 8;
}

// Decodes whole frames into the series, starting after the k-th value.
class Decodeur {
 public:
  Decodeur(const WaveEntete& e, ChoixCanal choix, std::vector<float>& sortie)
      : octets_(OctetsParEchantillon(e)),
        stereo_(e.Channels == 2),
        choix_(stereo_ ? choix : ChoixCanal::Option1),
        sortie_(sortie) {}

  size_t OctetsParTrame() const { return static_cast<size_t>(octets_) * (stereo_ ? 2 : 1); }

  void Decoder(const uint8_t* p, size_t trames) {
    if (octets_ == 1) {
      Boucle(p, trames, [](const uint8_t* q) { return static_cast<float>(*q); });
    } else {
      Boucle(p, trames,
             [](const uint8_t* q) { return static_cast<float>(static_cast<int16_t>(U16(q))); });
    }
  }

 private:
  template <class Lecture>
  void Boucle(const uint8_t* p, size_t trames, Lecture lire) {
    float* out = sortie_.data() + k_;
    const size_t pas = OctetsParTrame();
    if (!stereo_) {
      for (size_t j = 0; j < trames; ++j, p += pas) out[j + 1] = lire(p);
      k_ += trames;
    } else if (choix_ == ChoixCanal::Option2) {
      for (size_t j = 0; j < trames; ++j, p += pas) {
        out[2 * j + 1] = lire(p);
        out[2 * j + 2] = lire(p + octets_);
      }
      k_ += 2 * trames;
    } else {
      const int decalage = choix_ == ChoixCanal::Option3 ? octets_ : 0;
      for (size_t j = 0; j < trames; ++j, p += pas) out[j + 1] = lire(p + decalage);
      k_ += trames;
    }
  }

  int octets_;
  bool stereo_;
  ChoixCanal choix_;
  std::vector<float>& sortie_;
  size_t k_ = 0;
};

ResultatWave<SignalWave> Charger(Source& source, ChoixCanal choix) {
  auto lu = Analyser(source);
  if (!lu.ok()) return lu.erreur();
  const FichierWave& f = lu.valeur();
  if (auto refus = Incompatibilite(f)) return *refus;
  const CompteWave compte = NombreEchantillons(f, choix);
  if (compte.n > std::numeric_limits<int32_t>::max()) return ErreurLectureWave();

  SignalWave s;
  s.Nreel = static_cast<int32_t>(compte.n);
  s.PasCanal = compte.pasCanal;
  s.plage = PlageDessinWave(f.entete.BitsPerSample);
  s.SignalLu.assign(static_cast<size_t>(s.Nreel) + 1, 0.0f);

  Decodeur decodeur(f.entete, choix, s.SignalLu);
  const size_t parTrame = decodeur.OctetsParTrame();
  size_t trames = static_cast<size_t>(f.octetsDonnees) / parTrame;
  std::vector<uint8_t> bloc(std::min(kTailleBloc, trames * parTrame));
  int64_t pos = f.longueurEntete;
  while (trames > 0) {
    const size_t n = std::min(trames, bloc.size() / parTrame);
    if (!source.Lire(pos, n * parTrame, bloc.data())) return ErreurLectureWave();
    decodeur.Decoder(bloc.data(), n);
    pos += static_cast<int64_t>(n * parTrame);
    trames -= n;
  }
  return s;
}

}  // namespace

ErreurWave ErreurLectureWave() {
  return {kErreurLectureWaves, kTitreLectureWaves};
}

ResultatWave<FichierWave> LireEnteteWave(std::span<const uint8_t> octets) {
  SourceMemoire source(octets);
  return Analyser(source);
}

ResultatWave<FichierWave> LireEnteteWave(const std::string& chemin) {
  SourceFichier source(chemin);
  if (!source.Ouvert()) return ErreurLectureWave();
  return Analyser(source);
}

std::optional<ErreurWave> Incompatibilite(const FichierWave& fichier) {
  const WaveEntete& e = fichier.entete;
  if (e.BitsPerSample != 8 && e.BitsPerSample != 16) {
    return ErreurWave{kLargeurIncompatible, kTitreFichierIncompatible};
  }
  if (e.Channels != 1 && e.Channels != 2) {
    return ErreurWave{kCanauxIncompatibles, kTitreFichierIncompatible};
  }
  if (!fichier.pcm) return ErreurWave{kFormatIncompatible, kTitreFichierIncompatible};
  return std::nullopt;
}

const char* LegendeCanal(ChoixCanal choix) {
  for (const auto& l : kLegendesChoixCanal) {
    if (l.choix == choix) return l.legende;
  }
  return "";
}

CompteWave NombreEchantillons(const FichierWave& fichier, ChoixCanal choix) {
  const WaveEntete& e = fichier.entete;
  CompteWave c;
  if (Incompatibilite(fichier)) return c;
  const int64_t parTrame = int64_t{OctetsParEchantillon(e)} * e.Channels;
  c.n = fichier.octetsDonnees / parTrame;
  if (e.Channels == 2 && choix == ChoixCanal::Option2) {
    c.n *= 2;
    c.pasCanal = 2;
  }
  return c;
}

PlageWave PlageDessinWave(int16_t bitsPerSample) {
  if (bitsPerSample == 8) return {275.0f, -20.0f};
  return {35000.0f, -35000.0f};
}

std::string Text5Wave(const WaveEntete& entete) {
  return StrDouble(1.0 / entete.SampleRate);
}

ResultatWave<SignalWave> LireSignalWave(std::span<const uint8_t> octets, ChoixCanal choix) {
  SourceMemoire source(octets);
  return Charger(source, choix);
}

ResultatWave<SignalWave> LireSignalWave(const std::string& chemin, ChoixCanal choix) {
  SourceFichier source(chemin);
  if (!source.Ouvert()) return ErreurLectureWave();
  return Charger(source, choix);
}
