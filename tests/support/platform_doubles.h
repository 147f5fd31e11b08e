#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

// Test doubles of the platform services: they record what the code under
// test asked for and answer from a script, so no test waits on a modal
// window. Every field is public so that tests script and inspect directly.

struct MessageRecord {
  std::string text;
  std::string title;
  Icone icon = Icone::Aucune;
  Boutons buttons = Boutons::Ok;
};

// Answers from `answers` in order; once they run out, Ok for an OK box and
// Oui for a Yes/No box. A scripted answer that does not fit the buttons (Ok
// for Yes/No, Oui or Non for OK) is still returned as scripted.
class RecordingMessages : public MessageService {
 public:
  using MessageService::Show;
  Reponse Show(const std::string& text, const std::string& title, Icone icon,
               Boutons buttons) override;

  std::vector<MessageRecord> shown;
  std::deque<Reponse> answers;
};

// Answers Open and Save from their own queues (a path, or std::nullopt for
// a cancel); an empty queue cancels. The specs asked for are kept.
class ScriptedFiles : public FileDialogService {
 public:
  std::optional<std::string> Open(const FileDialogSpec& spec) override;
  std::optional<std::string> Save(const FileDialogSpec& spec) override;

  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::vector<FileDialogSpec> opened;
  std::vector<FileDialogSpec> saved;
};

// Answers from `answers`; an empty queue cancels. The initial colours are
// kept.
class ScriptedColours : public ColourPicker {
 public:
  std::optional<Couleur> Pick(Couleur initial) override;

  std::deque<std::optional<Couleur>> answers;
  std::vector<Couleur> asked;
};

class RecordingDesktop : public Desktop {
 public:
  void SetBusy(bool busy) override;
  void ProcessPendingEvents() override { ++pendingEventRuns; }
  void Beep() override { ++beeps; }

  bool busy() const { return depth > 0; }

  int busyOn = 0;
  int busyOff = 0;
  int depth = 0;  // nesting now; negative when more offs than ons came
  int maxDepth = 0;
  int pendingEventRuns = 0;
  int beeps = 0;
};

class RecordingSound : public SoundPlayer {
 public:
  void Play(const std::string& path) override { played.push_back(path); }
  void Stop() override { ++stops; }

  std::vector<std::string> played;
  int stops = 0;
};

// Returns `result` for every print; counts the prints and keeps the size of
// the last picture.
class FakePrinter : public PrinterService {
 public:
  std::optional<std::string> Print(const ImageSurface& picture) override;

  std::optional<std::string> result;
  int prints = 0;
  int lastWidth = 0;
  int lastHeight = 0;
};

// One of each double, as a Platform.
class TestPlatform {
 public:
  TestPlatform() = default;
  TestPlatform(const TestPlatform&) = delete;
  TestPlatform& operator=(const TestPlatform&) = delete;

  Platform& platform() { return platform_; }
  operator Platform&() { return platform_; }

  RecordingMessages messages;
  ScriptedFiles files;
  ScriptedColours colours;
  RecordingDesktop desktop;
  RecordingSound sound;
  FakePrinter printer;

 private:
  Platform platform_{messages, files, colours, desktop, sound, printer};
};
