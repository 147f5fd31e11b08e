#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "dialogs/ui/branche_reglages.h"
#include "plot/ui/newtrace_fixture.h"

// The dialog in front, so that a move of the focus inside it is a focus
// loss as the user makes it.
inline void Active(QWidget* dialogue) {
  QApplication::setActiveWindow(dialogue);
  ASSERT_TRUE(dialogue->isActiveWindow());
}

// Replaces the text of a field as a user does: focus, select all, type.
inline void Taper(QLineEdit* champ, const QString& texte) {
  champ->setFocus();
  champ->selectAll();
  if (!champ->text().isEmpty()) QTest::keyClick(champ, Qt::Key_Delete);
  if (!texte.isEmpty()) QTest::keyClicks(champ, texte);
}

inline void Cliquer(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton);
}

inline void CliquerLigne(QListWidget* liste, int ligne,
                         Qt::KeyboardModifiers touches = Qt::NoModifier) {
  const QRect r = liste->visualItemRect(liste->item(ligne));
  QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches, r.center());
}

// A plot window of a small analysis-shaped grid with its settings dialogs
// given, as the workbench gives them.
class ReglagesTest : public NewtraceTest {
 protected:
  void SetUp() override {
    NewtraceTest::SetUp();
    BrancheReglages(*w, tp);
    QCoreApplication::processEvents();
  }

  // The plot window's dialog of type F, null until its command opened it.
  template <class F>
  F* Dialogue() const {
    return w->findChild<F*>(QString(), Qt::FindDirectChildrenOnly);
  }

  // Redraws of the plot so far (each one runs under the busy pointer).
  int Redessins() const { return tp.desktop.busyOn; }
  QImage Image() const { return w->Picture->surface().image(); }
};
