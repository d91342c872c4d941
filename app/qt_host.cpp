// app/qt_host.cpp: message boxes and dialogs for the core.
#include "qt_host.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include "progress_window.h"
#include "small_dialogs.h"

namespace facetry {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

void QtHost::setWindows(TForm14* name_object, TForm6* reading) {
  name_object_ = name_object;
  reading_ = reading;
}

Answer QtHost::message(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) {
  QMessageBox box(boxIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                  boxButtons(buttons), parent_);
  // A question must be answered even while the hourglass is up.
  const bool was_busy = QApplication::overrideCursor() != nullptr;
  if (was_busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  if (was_busy) QApplication::restoreOverrideCursor();
  switch (pressed) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      // Closed without a button: the safe answer of each kind of box.
      return buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
  }
}

bool QtHost::askObjectName(std::string& name, bool& dont_ask) {
  if (!name_object_) return false;
  return name_object_->ask(name, dont_ask);
}

void QtHost::showReading(bool visible) {
  if (!reading_) return;
  reading_->setVisible(visible);
  if (visible) reading_->repaint();
}

void QtHost::readingCount(int face_count) {
  if (reading_) reading_->step(face_count);
}

void QtHost::busy(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
  }
}

void QtHost::progress(int percent) {
  if (progress_) progress_->setPercent(percent);
}

void QtHost::showProgress(bool visible) {
  if (!progress_) return;
  if (visible) {
    progress_->show();
    progress_->raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  } else {
    progress_->hide();
  }
}

void QtHost::progressStage(const std::string& label) {
  if (progress_) progress_->setStage(QString::fromStdString(label));
}

void QtHost::status(const std::string& text) {
  if (auto* window = qobject_cast<QMainWindow*>(parent_)) {
    window->statusBar()->showMessage(QString::fromStdString(text), 5000);
  }
}

}  // namespace facetry
