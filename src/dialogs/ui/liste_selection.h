#pragma once

#include <QListWidget>

// The row of the selected entry of a single-choice list; -1 when nothing is
// selected (a current row without selection does not count).
inline int LigneChoisie(const QListWidget& liste) {
  const QList<QListWidgetItem*> choisis = liste.selectedItems();
  return choisis.isEmpty() ? -1 : liste.row(choisis.front());
}
