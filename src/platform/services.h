#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

// The platform services that commands call on. The windows receive them
// through `Platform`; the application passes the Qt implementations, tests
// pass doubles that record what was asked and answer from a script, so no
// test ever waits on a modal window.

enum class Icone { Aucune, Critique, Question, Exclamation, Information };
enum class Boutons { Ok, OuiNon };
enum class Reponse { Ok, Oui, Non };

// Title used where a message names none.
inline constexpr const char* kTitreParDefaut = "Marvillons";

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual Reponse Show(const std::string& text, const std::string& title, Icone icon,
                       Boutons buttons) = 0;
  Reponse Show(const std::string& text, const std::string& title) {
    return Show(text, title, Icone::Aucune, Boutons::Ok);
  }
};

// filter: "description|pattern|description|pattern..."; filterIndex is
// 1-based. An empty optional means the user cancelled.
struct FileDialogSpec {
  std::string filter;
  int filterIndex = 1;
  std::string title;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual std::optional<std::string> Open(const FileDialogSpec& spec) = 0;
  virtual std::optional<std::string> Save(const FileDialogSpec& spec) = 0;
};

class ColourPicker {
 public:
  virtual ~ColourPicker() = default;
  // Empty when the user cancelled.
  virtual std::optional<Couleur> Pick(Couleur initial) = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // The hourglass pointer on or off (nesting is counted).
  virtual void SetBusy(bool busy) = 0;
  // Let pending window events run from inside a long handler.
  virtual void ProcessPendingEvents() = 0;
  virtual void Beep() = 0;
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing a WAV file and returns at once; any sound already playing
  // stops first. Failures are silent.
  virtual void Play(const std::string& path) = 0;
  virtual void Stop() = 0;
};

class ImageSurface;
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  // Sends the picture to the default printer; empty on success, otherwise
  // the French message to show.
  virtual std::optional<std::string> Print(const ImageSurface& picture) = 0;
};

struct Platform {
  MessageService& messages;
  FileDialogService& files;
  ColourPicker& colours;
  Desktop& desktop;
  SoundPlayer& sound;
  PrinterService& printer;
};

// Busy pointer for the lifetime of a scope, restored on every exit path.
class BusyScope {
 public:
  explicit BusyScope(Desktop& d) : desktop_(d) { desktop_.SetBusy(true); }
  ~BusyScope() { desktop_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Desktop& desktop_;
};
