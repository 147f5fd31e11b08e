#include "dialogs/ui/choix_couleurs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "platform/ui/picture_box.h"
#include "support/platform_doubles.h"

namespace {

class ChoixCouleursTest : public testing::Test {
 protected:
  void SetUp() override {
    d.Charge_FeuilleCouleurs();
    d.show();
    QCoreApplication::processEvents();
  }

  QRgb Apercu(double y) {
    const ImageSurface& s = d.Piccolor->surface();
    const WorldScale ws = s.Scale();
    return s.PixelAt(static_cast<int>(ws.PixelX(0.5)), static_cast<int>(ws.PixelY(y)));
  }

  static QRgb Rgb(Couleur c) { return qRgb(RougeDe(c), VertDe(c), BleuDe(c)); }

  ColourScale echelle;
  ScriptedColours picker;
  ChoixCouleurs d{echelle, picker};
};

TEST_F(ChoixCouleursTest, LoadingShowsTheDefaultScaleReversedFromFiery) {
  EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Choix du dégradé de couleurs"));
  const QStringList schemas = {"Rainbow", "Fiery", "Earth", "Marine"};
  const QStringList melanges = {"2 Color Linear", "3 Color Linear", "3 Color Automatic Mix",
                                "3 Color Manual Mix"};
  ASSERT_EQ(d.CmbColorSchemes->count(), 4);
  ASSERT_EQ(d.CmbMix->count(), 4);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(d.CmbColorSchemes->itemText(k), schemas[k]);
    EXPECT_EQ(d.CmbMix->itemText(k), melanges[k]);
  }
  EXPECT_EQ(d.CmbColorSchemes->currentText(), "Fiery");
  EXPECT_EQ(d.CmbMix->currentText(), "3 Color Manual Mix");
  EXPECT_EQ(d.TxtLevels->text(), "100");
  EXPECT_EQ(d.Label7->text(), "Cliquez sur les boutons pour choisir les couleurs");
  EXPECT_EQ(echelle.NbCouleurs, 0);  // published only by Accepte
  // Level 1 cyan at the bottom of the preview, the last level at its top.
  EXPECT_EQ(Apercu(0.5), qRgb(0, 255, 255));
  EXPECT_EQ(Apercu(99.5), qRgb(255, 245, 0));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(d.pic1[i]->isVisible()) << i;
}

TEST_F(ChoixCouleursTest, SwatchesStandInGradientOrderFromTopToBottom) {
  const int ordre[] = {2, 4, 1, 3, 0};
  for (int k = 1; k < 5; ++k) {
    EXPECT_LT(d.pic1[ordre[k - 1]]->y(), d.pic1[ordre[k]]->y()) << ordre[k];
  }
}

TEST_F(ChoixCouleursTest, ThePickerChangesOneSwatchAndCancelChangesNothing) {
  const Couleur avant = d.Logique().Teinte(0);
  const auto niveau1 = echelle.Niveau(1);
  QTest::mouseClick(d.pic1[0], Qt::LeftButton);
  ASSERT_EQ(picker.asked.size(), 1u);
  EXPECT_EQ(picker.asked[0], avant);
  EXPECT_EQ(d.Logique().Teinte(0), avant);
  EXPECT_EQ(echelle.Niveau(1), niveau1);

  picker.answers.push_back(RGB(10, 20, 30));
  QTest::mouseClick(d.pic1[0], Qt::LeftButton);
  EXPECT_EQ(d.Logique().Teinte(0), RGB(10, 20, 30));
  EXPECT_EQ(echelle.Niveau(1), RGB(10, 20, 30));
  EXPECT_EQ(Apercu(0.5), qRgb(10, 20, 30));
}

TEST_F(ChoixCouleursTest, PresetsAndMixModesRecomputeAndShowTheirSwatches) {
  emit d.CmbColorSchemes->activated(0);  // Rainbow
  EXPECT_EQ(d.CmbMix->currentText(), "3 Color Automatic Mix");
  EXPECT_EQ(echelle.Niveau(1), RGB(0, 0, 255));
  EXPECT_FALSE(d.pic1[3]->isVisible());
  emit d.CmbMix->activated(0);  // 2 Color Linear
  EXPECT_FALSE(d.pic1[1]->isVisible());
  EXPECT_TRUE(d.pic1[2]->isVisible());
  QTest::mouseClick(d.CmdReverse, Qt::LeftButton);
  EXPECT_EQ(echelle.Niveau(1), RGB(255, 0, 0));
  EXPECT_EQ(Apercu(0.5), qRgb(255, 0, 0));
}

TEST_F(ChoixCouleursTest, ALevelCountOutOfRangeOrNotANumberBecomes100) {
  const struct {
    const char* tape;
    const char* reste;
    int nb;
  } cas[] = {{"1", "100", 100},   {"0", "100", 100},   {"201", "100", 100},
             {"abc", "100", 100}, {"1e9", "100", 100}, {"-5", "100", 100},
             {"2", "2", 2},       {"200", "200", 200}, {"37.5", "37.5", 38}};
  for (const auto& c : cas) {
    d.TxtLevels->setText(c.tape);
    emit d.TxtLevels->editingFinished();
    EXPECT_EQ(d.TxtLevels->text(), c.reste) << c.tape;
    d.TxtLevels->setText(c.tape);
    d.Command1_Click();
    EXPECT_EQ(echelle.NbCouleurs, c.nb) << c.tape;
  }
}

TEST_F(ChoixCouleursTest, AccepteHidesTheDialogAndPublishesTheCount) {
  QSignalSpy accepte(&d, &ChoixCouleurs::accepte);
  d.TxtLevels->setText("8");
  QTest::mouseClick(d.Command1, Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(echelle.NbCouleurs, 8);
  EXPECT_EQ(echelle.Niveau(2), RGB(0, 170, 255));
  EXPECT_EQ(accepte.count(), 1);
  d.show();
  EXPECT_EQ(d.TxtLevels->text(), "8");  // the controls keep their state
}

TEST_F(ChoixCouleursTest, ThePointerOverThePreviewNamesTheLevel) {
  d.Piccolor_MouseMove(41.5);
  EXPECT_EQ(d.Label7->text(), "Niveau 42");
  d.Piccolor_MouseMove(40.5);
  EXPECT_EQ(d.Label7->text(), "Niveau 40");
  QTest::mouseMove(&d, QPoint(2, 2));
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&d, &move);
  EXPECT_EQ(d.Label7->text(), "Cliquez sur les boutons pour choisir les couleurs");
}

}  // namespace
