#pragma once

#include <QString>
#include <memory>

#include "platform/services.h"

class QSoundEffect;

// The Qt implementations of the platform services. Every modal window is
// parented to the active window of the application.

class QtMessageService : public MessageService {
 public:
  using MessageService::Show;
  // An empty title shows kTitreParDefaut.
  Reponse Show(const std::string& text, const std::string& title, Icone icon,
               Boutons buttons) override;
};

// Qt's own (non-native) file dialogs, so that they behave the same on every
// desktop. The folder of the last chosen file is where the next dialog opens.
class QtFileDialogService : public FileDialogService {
 public:
  std::optional<std::string> Open(const FileDialogSpec& spec) override;
  std::optional<std::string> Save(const FileDialogSpec& spec) override;

 private:
  std::optional<std::string> Run(const FileDialogSpec& spec, bool save);
  QString directory_;
};

// Qt's own colour dialog, opened on the initial colour.
class QtColourPicker : public ColourPicker {
 public:
  std::optional<Couleur> Pick(Couleur initial) override;
};

class QtDesktop : public Desktop {
 public:
  void SetBusy(bool busy) override;
  void ProcessPendingEvents() override;
  void Beep() override;

 private:
  int busyDepth_ = 0;
};

// Plays WAV files through Qt Multimedia. Without an audio output device (or
// with a missing file) nothing is played and nothing is reported.
class QtSoundPlayer : public SoundPlayer {
 public:
  QtSoundPlayer();
  ~QtSoundPlayer() override;
  void Play(const std::string& path) override;
  void Stop() override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

// Prints on the default printer, the picture scaled to the page.
class QtPrinterService : public PrinterService {
 public:
  std::optional<std::string> Print(const ImageSurface& picture) override;
};

inline constexpr const char* kAucuneImprimante = "Aucune imprimante n'est disponible.";
inline constexpr const char* kImpressionImpossible = "L'impression a échoué.";

// Owns one of each Qt service for the life of the application.
class QtPlatform {
 public:
  QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  Platform& platform() { return platform_; }

 private:
  QtMessageService messages_;
  QtFileDialogService files_;
  QtColourPicker colours_;
  QtDesktop desktop_;
  QtSoundPlayer sound_;
  QtPrinterService printer_;
  Platform platform_;
};
