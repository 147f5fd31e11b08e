#include "platform/ui/file_filters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <string>
#include <vector>

namespace {

struct FilterCase {
  std::string filter;
  std::vector<std::string> expected;
};

// The patterns a Qt file dialog reads from a name filter: the blank-separated
// list inside its last pair of parentheses.
QStringList PatternsQtReads(const QString& nameFilter) {
  static const QRegularExpression trailing(QStringLiteral("\\(([^()]*)\\)$"));
  const QRegularExpressionMatch m = trailing.match(nameFilter);
  return m.hasMatch() ? m.captured(1).split(u' ', Qt::SkipEmptyParts) : QStringList();
}

TEST(NameFilters, TranslatesDescriptionPatternPairs) {
  const FilterCase cases[] = {
      {"Tous les fichiers (*.*)|*.*|Fichiers texte(*.txt)|*.txt|Fichiers data (*.dat)|*.dat",
       {"Tous les fichiers (*)", "Fichiers texte(*.txt)", "Fichiers data (*.dat)"}},
      {"Fichiers Filtre CB  (*.fcb)|*.fcb", {"Fichiers Filtre CB  (*.fcb)"}},
      {"Fichiers wav (*.wav)|*.wav", {"Fichiers wav (*.wav)"}},
      {"Fichiers bitmap (*.bmp)|*.bmp", {"Fichiers bitmap (*.bmp)"}},
      {"Signaux|*.txt;*.dat", {"Signaux (*.txt *.dat)"}},
      {"Signaux (*.txt;*.dat)|*.txt;*.dat", {"Signaux (*.txt *.dat)"}},
      {"Bitmap (BMP)|*.bmp", {"Bitmap (BMP) (*.bmp)"}},
      {"Tout|", {"Tout (*)"}},
      {"|*.txt", {"(*.txt)"}},
      {"Texte|*.txt|Orphelin", {"Texte (*.txt)"}},
      {"", {}},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.filter);
    const QStringList filters = NameFilters(c.filter);
    ASSERT_EQ(filters.size(), static_cast<qsizetype>(c.expected.size()));
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(filters[i].toStdString(), c.expected[i]);
  }
}

TEST(NameFilters, QtReadsThePatternsOfEachPair) {
  const QStringList filters = NameFilters(
      "Tous les fichiers (*.*)|*.*|Fichiers texte(*.txt)|*.txt|Bitmap (BMP)|*.bmp;*.dib");
  ASSERT_EQ(filters.size(), 3);
  EXPECT_EQ(PatternsQtReads(filters[0]), QStringList{"*"});
  EXPECT_EQ(PatternsQtReads(filters[1]), QStringList{"*.txt"});
  EXPECT_EQ(PatternsQtReads(filters[2]), (QStringList{"*.bmp", "*.dib"}));
}

TEST(SelectedNameFilter, PicksTheOneBasedIndexOrTheFirst) {
  const QStringList filters{"a (*.a)", "b (*.b)", "c (*.c)"};
  EXPECT_EQ(SelectedNameFilter(filters, 1), "a (*.a)");
  EXPECT_EQ(SelectedNameFilter(filters, 2), "b (*.b)");
  EXPECT_EQ(SelectedNameFilter(filters, 3), "c (*.c)");
  EXPECT_EQ(SelectedNameFilter(filters, 0), "a (*.a)");
  EXPECT_EQ(SelectedNameFilter(filters, 4), "a (*.a)");
  EXPECT_EQ(SelectedNameFilter(filters, -1), "a (*.a)");
  EXPECT_TRUE(SelectedNameFilter(QStringList(), 1).isEmpty());
}

}  // namespace
