#include "platform/ui/qt_services.h"

#include <QApplication>
#include <QAudioDevice>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

#include "platform/image_surface.h"
#include "platform/ui/file_filters.h"

namespace {

QMessageBox::Icon ToQtIcon(Icone icon) {
  switch (icon) {
    case Icone::Critique:
      return QMessageBox::Critical;
    case Icone::Question:
      return QMessageBox::Question;
    case Icone::Exclamation:
      return QMessageBox::Warning;
    case Icone::Information:
      return QMessageBox::Information;
    case Icone::Aucune:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Reponse QtMessageService::Show(const std::string& text, const std::string& title, Icone icon,
                               Boutons buttons) {
  QMessageBox box(
      ToQtIcon(icon), QString::fromStdString(title.empty() ? std::string(kTitreParDefaut) : title),
      QString::fromStdString(text), QMessageBox::NoButton, QApplication::activeWindow());
  if (buttons == Boutons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Reponse::Ok;
  }
  QPushButton* oui = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
  QPushButton* non = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
  box.setDefaultButton(oui);
  box.setEscapeButton(non);
  box.exec();
  return box.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
}

std::optional<std::string> QtFileDialogService::Open(const FileDialogSpec& spec) {
  return Run(spec, false);
}

std::optional<std::string> QtFileDialogService::Save(const FileDialogSpec& spec) {
  return Run(spec, true);
}

std::optional<std::string> QtFileDialogService::Run(const FileDialogSpec& spec, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(spec.title), directory_);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The commands overwrite a chosen file without asking, as they always have.
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(spec.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(SelectedNameFilter(filters, spec.filterIndex));
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  directory_ = QFileInfo(chosen.front()).absolutePath();
  return chosen.front().toStdString();
}

std::optional<Couleur> QtColourPicker::Pick(Couleur initial) {
  QColorDialog dialog(QColor(RougeDe(initial), VertDe(initial), BleuDe(initial)),
                      QApplication::activeWindow());
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return std::nullopt;
  return RGB(chosen.red(), chosen.green(), chosen.blue());
}

void QtDesktop::SetBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

void QtDesktop::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

void QtDesktop::Beep() {
  QApplication::beep();
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const std::string& path) {
  Stop();
  const QString file = QString::fromStdString(path);
  if (path.empty() || !QFileInfo(file).isFile()) return;
  if (!effect_) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    effect_ = std::make_unique<QSoundEffect>(device);
  }
  effect_->setSource(QUrl::fromLocalFile(file));
  effect_->play();
}

void QtSoundPlayer::Stop() {
  if (effect_) effect_->stop();
}

std::optional<std::string> QtPrinterService::Print(const ImageSurface& picture) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::string(kAucuneImprimante);
  QPrinter printer(info, QPrinter::HighResolution);
  QPainter painter;
  if (!painter.begin(&printer)) return std::string(kImpressionImpossible);
  const QImage& image = picture.image();
  const QRect page = painter.viewport();
  const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(image.rect());
  painter.drawImage(0, 0, image);
  if (!painter.end()) return std::string(kImpressionImpossible);
  return std::nullopt;
}

QtPlatform::QtPlatform() : platform_{messages_, files_, colours_, desktop_, sound_, printer_} {}
