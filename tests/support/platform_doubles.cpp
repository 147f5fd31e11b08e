#include "support/platform_doubles.h"

#include <algorithm>

#include "platform/image_surface.h"

namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> answer = queue.front();
  queue.pop_front();
  return answer;
}

}  // namespace

Reponse RecordingMessages::Show(const std::string& text, const std::string& title, Icone icon,
                                Boutons buttons) {
  shown.push_back(MessageRecord{text, title, icon, buttons});
  if (answers.empty()) return buttons == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
  const Reponse answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedFiles::Open(const FileDialogSpec& spec) {
  opened.push_back(spec);
  return Next(openAnswers);
}

std::optional<std::string> ScriptedFiles::Save(const FileDialogSpec& spec) {
  saved.push_back(spec);
  return Next(saveAnswers);
}

std::optional<Couleur> ScriptedColours::Pick(Couleur initial) {
  asked.push_back(initial);
  return Next(answers);
}

void RecordingDesktop::SetBusy(bool busy) {
  if (busy) {
    ++busyOn;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
  } else {
    ++busyOff;
    --depth;
  }
}

std::optional<std::string> FakePrinter::Print(const ImageSurface& picture) {
  ++prints;
  lastWidth = picture.width();
  lastHeight = picture.height();
  return result;
}
