#include "platform/ui/qt_services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/image_surface.h"

namespace {

// Runs `act` on the first modal window of type T once it is up, so that the
// service under test returns without anyone at the keyboard.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
    }
  });
  timer->start();
}

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
  for (QAbstractButton* b : box->buttons())
    if (b->text() == text) return b;
  return nullptr;
}

TEST(QtMessageService, ShowsTextTitleIconAndOk) {
  QtMessageService service;
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(service.Show(" Erreur de lecture ", "Lecture Tableau", Icone::Critique, Boutons::Ok),
            Reponse::Ok);
  EXPECT_EQ(text, " Erreur de lecture ");
  EXPECT_EQ(title, "Lecture Tableau");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
}

TEST(QtMessageService, AsksYesOrNoUnderTheDefaultTitle) {
  QtMessageService service;
  for (const char* answer : {"Oui", "Non"}) {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool both = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      icon = box->icon();
      both = ButtonWithText(box, "Oui") != nullptr && ButtonWithText(box, "Non") != nullptr;
      ButtonWithText(box, answer)->click();
    });
    const Reponse r = service.Show("Continuer ?", "", Icone::Question, Boutons::OuiNon);
    EXPECT_EQ(r, answer == std::string("Oui") ? Reponse::Oui : Reponse::Non);
    EXPECT_EQ(title, kTitreParDefaut);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_TRUE(both);
  }
}

TEST(QtFileDialogService, OffersTheFiltersAndReturnsTheChosenFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("signal.txt");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("1\n2\n");
  f.close();

  QtFileDialogService service;
  QStringList filters;
  QString selected, title;
  bool native = true;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    filters = dialog->nameFilters();
    selected = dialog->selectedNameFilter();
    title = dialog->windowTitle();
    native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // as the Open or Save button does
  });
  const FileDialogSpec spec{
      "Tous les fichiers (*.*)|*.*|Fichiers texte(*.txt)|*.txt|Fichiers data (*.dat)|*.dat", 2,
      " Lire les data ..."};
  const std::optional<std::string> chosen = service.Open(spec);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, path.toStdString());
  EXPECT_EQ(filters, (QStringList{"Tous les fichiers (*)", "Fichiers texte(*.txt)",
                                  "Fichiers data (*.dat)"}));
  EXPECT_EQ(selected, "Fichiers texte(*.txt)");
  EXPECT_EQ(title, " Lire les data ...");
  EXPECT_FALSE(native);

  // The next dialog opens where the last file was chosen.
  QString directory;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    directory = dialog->directory().absolutePath();
    dialog->reject();
  });
  EXPECT_FALSE(service.Save({"Fichiers bitmap (*.bmp)|*.bmp", 1, " Enregistrer le graphique"}));
  EXPECT_EQ(directory, QDir(dir.path()).absolutePath());
}

TEST(QtFileDialogService, SaveReturnsANewFileWithoutAskingToOverwrite) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("coupe.fcb");
  QtFileDialogService service;
  bool save = false, confirms = true;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    save = dialog->acceptMode() == QFileDialog::AcceptSave;
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // as the Open or Save button does
  });
  const auto chosen =
      service.Save({"Fichiers Filtre CB  (*.fcb)|*.fcb", 1, " Enregistrer un filtre coupe bandes"});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, path.toStdString());
  EXPECT_TRUE(save);
  EXPECT_FALSE(confirms);
}

TEST(QtColourPicker, StartsOnTheInitialColourAndReturnsTheChosenOne) {
  QtColourPicker picker;
  QColor shown;
  WhenModal<QColorDialog>([&](QColorDialog* dialog) {
    shown = dialog->currentColor();
    dialog->setCurrentColor(QColor(10, 200, 30));
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(picker.Pick(RGB(255, 128, 0)), std::optional<Couleur>(RGB(10, 200, 30)));
  EXPECT_EQ(shown, QColor(255, 128, 0));

  WhenModal<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(picker.Pick(RGB(1, 2, 3)), std::nullopt);
}

TEST(QtDesktop, BusyPointerNests) {
  QtDesktop desktop;
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  desktop.SetBusy(true);
  desktop.SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  desktop.SetBusy(false);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  desktop.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  desktop.SetBusy(false);  // one off too many changes nothing
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  {
    BusyScope scope(desktop);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtDesktop, ProcessPendingEventsRunsQueuedWork) {
  QtDesktop desktop;
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  desktop.ProcessPendingEvents();
  EXPECT_TRUE(ran);
  desktop.Beep();
}

// Whether or not the machine has an audio device, playing returns at once and
// nothing breaks; a missing file plays nothing.
TEST(QtSoundPlayer, PlaysAndStopsWithoutHanging) {
  QtSoundPlayer player;
  player.Stop();
  player.Play("/no/such/file.wav");
  player.Play("");
  player.Play(MARV_EXAMPLES_DIR "/tone_mono16.wav");
  QTest::qWait(20);
  player.Play(MARV_EXAMPLES_DIR "/tones_stereo8.wav");
  player.Stop();
  player.Stop();
}

TEST(QtPrinterService, WithoutAPrinterSaysSo) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
  QtPrinterService printer;
  ImageSurface picture(50, 40);
  EXPECT_EQ(printer.Print(picture),
            std::optional<std::string>("Aucune imprimante n'est disponible."));
}

TEST(QtPlatform, GivesOneOfEachService) {
  QtPlatform qt;
  Platform& p = qt.platform();
  EXPECT_NE(dynamic_cast<QtMessageService*>(&p.messages), nullptr);
  EXPECT_NE(dynamic_cast<QtFileDialogService*>(&p.files), nullptr);
  EXPECT_NE(dynamic_cast<QtColourPicker*>(&p.colours), nullptr);
  EXPECT_NE(dynamic_cast<QtDesktop*>(&p.desktop), nullptr);
  EXPECT_NE(dynamic_cast<QtSoundPlayer*>(&p.sound), nullptr);
  EXPECT_NE(dynamic_cast<QtPrinterService*>(&p.printer), nullptr);
}

}  // namespace
