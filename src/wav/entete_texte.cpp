#include "wav/entete_texte.h"

#include "engine/number_text.h"

namespace {

std::string Str(int64_t v) {
  return StrDouble(static_cast<double>(v));
}

}  // namespace

std::array<std::string, 16> LignesEntete(const FichierWave& f) {
  const WaveEntete& e = f.entete;
  return {
      "Signature= " + e.Signature,
      "RiffSize(in bytes)= " + Str(e.RiffSize),
      "Type= " + e.Type,
      "Fmtchunk= " + e.Fmtchunk,
      "FmtSize (16) = " + Str(e.FmtSize),
      "Format (1=PCM) =" + Str(e.Format),
      "Channels(1:mono 2:stereo)= " + Str(e.Channels),
      "SampleRate (Hz) = " + Str(e.SampleRate),
      "Average bytes/second (samplerate*channels*b_p_sample/8)= " + Str(e.AvgBytes),
      "Align (1=byte aligned, 2=word aligned) = " + Str(e.Align),
      "Bitspersample (should be 8 or 16) = " + Str(e.BitsPerSample),
      "Datachunk ('data')= " + e.Datachunk,
      "Number of samples = " + Str(e.DataSize),
      "Len of file (LOF) in bytes" + Str(f.longueurFichier),
      "Len of header(in bytes) = " + Str(f.longueurEntete),
      "Bytes after header = " + Str(f.octetsApresEntete),
  };
}
