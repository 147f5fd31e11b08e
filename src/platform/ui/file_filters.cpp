#include "platform/ui/file_filters.h"

namespace {

// "*.txt;*.dat" -> "*.txt *.dat", with "*.*" (every file) as "*".
QString QtPatterns(const QString& patterns) {
  QStringList list;
  for (const QString& p : patterns.split(u';', Qt::SkipEmptyParts)) {
    const QString trimmed = p.trimmed();
    if (trimmed.isEmpty()) continue;
    list << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
  }
  return list.isEmpty() ? QStringLiteral("*") : list.join(u' ');
}

}  // namespace

QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString patterns = parts[i + 1].trimmed();
    // A description that already shows its patterns keeps its wording.
    const QString shown = u'(' + patterns + u')';
    if (!patterns.isEmpty() && description.trimmed().endsWith(shown)) {
      description = description.trimmed();
      description.chop(shown.size());
    } else if (!description.isEmpty() && !description.endsWith(u' ')) {
      description += u' ';
    }
    filters << description + u'(' + QtPatterns(patterns) + u')';
  }
  return filters;
}

QString SelectedNameFilter(const QStringList& filters, int filterIndex) {
  if (filters.isEmpty()) return QString();
  if (filterIndex < 1 || filterIndex > filters.size()) return filters.front();
  return filters[filterIndex - 1];
}
