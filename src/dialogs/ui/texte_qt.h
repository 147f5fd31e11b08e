#pragma once

#include <QString>
#include <string>
#include <string_view>

// Captions and model strings are UTF-8 on both sides.
inline QString TexteQt(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string TexteStd(const QString& s) {
  return s.toStdString();
}
