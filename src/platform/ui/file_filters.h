#pragma once

#include <QStringList>
#include <string>

// Turns a filter "description|pattern|description|pattern..." into Qt name
// filters "description (patterns)", one per pair. Patterns separated by ";"
// become a blank-separated list and "*.*" (every file) becomes "*". A
// description that already ends with its own patterns in parentheses keeps
// its text, with those patterns translated; otherwise the patterns are
// appended in parentheses. A trailing description without a pattern is
// dropped.
QStringList NameFilters(const std::string& filter);

// The Qt name filter for a 1-based filter index, the first one when the index
// is out of range; empty when there is none.
QString SelectedNameFilter(const QStringList& filters, int filterIndex);
