#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// Reading PCM WAV files into the workbench: the header record shown by the
// header dialog, the sample count for a channel choice, and the samples
// themselves (8-bit values 0..255 unshifted, 16-bit values signed, no
// scaling). The RIFF chunks are walked: the format comes from the "fmt "
// chunk and the samples from the "data" chunk wherever it lies, so LIST or
// fact chunks before the data are skipped. Every size field is checked
// against the bytes present, so a forged header can neither make the reader
// run past its input nor allocate more than the input can fill.
//
// Every reader works on a byte buffer as well as on a file.

// A failure shown to the user: the message box text and its title.
struct ErreurWave {
  std::string message;
  std::string titre;
  bool operator==(const ErreurWave&) const = default;
};

inline constexpr const char* kTitreLectureWaves = "Lecture Waves";
inline constexpr const char* kErreurLectureWaves = " Erreur de lecture ";
inline constexpr const char* kTitreFichierIncompatible = "Fichier Incompatible";
inline constexpr const char* kLargeurIncompatible =
    "Ce programme n'accepte que les échantillons 8 ou 16 bits";
inline constexpr const char* kCanauxIncompatibles =
    "Ce programme n'accepte que les fichiers mono ou stéréo";
inline constexpr const char* kFormatIncompatible =
    "Ce programme n'accepte que les fichiers PCM non compressés";

ErreurWave ErreurLectureWave();

// Either a value or the failure that prevented it.
template <class T>
class ResultatWave {
 public:
  ResultatWave(T valeur) : contenu_(std::move(valeur)) {}
  ResultatWave(ErreurWave erreur) : contenu_(std::move(erreur)) {}
  bool ok() const { return std::holds_alternative<T>(contenu_); }
  const T& valeur() const { return std::get<T>(contenu_); }
  T& valeur() { return std::get<T>(contenu_); }
  const ErreurWave& erreur() const { return std::get<ErreurWave>(contenu_); }

 private:
  std::variant<T, ErreurWave> contenu_;
};

// The header as the dialog shows it. Signature, RiffSize and Type come from
// the first 12 bytes; Fmtchunk, FmtSize and the format fields from the
// "fmt " chunk; Datachunk and DataSize are the id and size field of the
// "data" chunk. For a canonical 44-byte header this is the 44 bytes as
// they stand.
struct WaveEntete {
  std::string Signature;
  int32_t RiffSize = 0;
  std::string Type;
  std::string Fmtchunk;
  int32_t FmtSize = 0;
  int16_t Format = 0;
  int16_t Channels = 0;
  int32_t SampleRate = 0;
  int32_t AvgBytes = 0;
  int16_t Align = 0;
  int16_t BitsPerSample = 0;
  std::string Datachunk;
  int32_t DataSize = 0;
  bool operator==(const WaveEntete&) const = default;
};

// A walked WAV file: its header and where its samples are.
struct FichierWave {
  WaveEntete entete;
  // Format 1, or the extensible format with the PCM subformat.
  bool pcm = false;
  int64_t longueurFichier = 0;
  // Offset of the first sample byte: 44 for a canonical file.
  int64_t longueurEntete = 0;
  // longueurFichier - longueurEntete (OctetsApresEntete).
  int64_t octetsApresEntete = 0;
  // Sample bytes present: the data chunk's size field capped by the bytes
  // that follow it in the file.
  int64_t octetsDonnees = 0;
};

// Walks the chunks. Fails with the read error when the input is shorter than
// its header, has no "fmt " chunk of at least 16 bytes or no "data" chunk,
// or has a sample rate that is not positive. A file of an unsupported kind
// still reads (the dialog shows its header): see Incompatibilite.
ResultatWave<FichierWave> LireEnteteWave(std::span<const uint8_t> octets);
ResultatWave<FichierWave> LireEnteteWave(const std::string& chemin);

// Why the samples of this file cannot be loaded: a width other than 8 or
// 16 bits, a channel count other than 1 or 2, a compressed format.
std::optional<ErreurWave> Incompatibilite(const FichierWave& fichier);

// How the channels become one series. Option1 (the default): the only
// channel of a mono file, the first of a stereo one; Option3: the second
// channel; Option2: both, interleaved (left 1, right 1, left 2, ...).
enum class ChoixCanal { Option1, Option2, Option3 };

struct LegendeChoixCanal {
  ChoixCanal choix;
  const char* legende;
};
inline constexpr std::array<LegendeChoixCanal, 3> kLegendesChoixCanal = {{
    {ChoixCanal::Option1, "Un canal mono"},
    {ChoixCanal::Option2, "Mixer les deux stereo"},
    {ChoixCanal::Option3, "2eme canal stereo"},
}};
const char* LegendeCanal(ChoixCanal choix);

// The number of samples of the series and the index step per frame
// (PasCanal: 2 when both stereo channels go in, else 1). Only whole frames
// count, so an odd byte count reads up to the last whole sample. An
// unsupported file gives 0.
struct CompteWave {
  int64_t n = 0;
  int pasCanal = 1;
  bool operator==(const CompteWave&) const = default;
};
CompteWave NombreEchantillons(const FichierWave& fichier, ChoixCanal choix);

// The vertical range the signal is drawn in: fixed by the sample width,
// framing every possible sample (the samples are not scanned).
struct PlageWave {
  float LuMax = 0.0f;
  float LuMin = 0.0f;
};
PlageWave PlageDessinWave(int16_t bitsPerSample);

// The sampling interval, 1 / SampleRate, as the text of the interval field
// (the Str form of the double quotient: 8000 Hz gives " .000125").
std::string Text5Wave(const WaveEntete& entete);

// The loaded series. SignalLu is indexed 1..Nreel (element 0 unused).
struct SignalWave {
  std::vector<float> SignalLu;
  int32_t Nreel = 0;
  int PasCanal = 1;
  PlageWave plage;
};

// Reads the header, refuses an unsupported file with its message, then
// reads every sample of the data chunk for the channel choice (a choice
// other than Option1 counts only for a stereo file). The file is read in
// large blocks.
ResultatWave<SignalWave> LireSignalWave(std::span<const uint8_t> octets, ChoixCanal choix);
ResultatWave<SignalWave> LireSignalWave(const std::string& chemin, ChoixCanal choix);
