// app_test_support.cpp: the dialog driver and the per-test start directory.
#include "app_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "windows.h"

namespace facetry::testing {

DialogDriver::DialogDriver() {
  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
  timer_.start();
}

void DialogDriver::poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) {
    current_ = nullptr;
    return;
  }
  if (modal == current_) return;  // answered already, still closing
  current_ = modal;
  // A dialog that lives on is shown again later: once this showing ends it counts as new.
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    connect(
        dialog, &QDialog::finished, this, [this] { current_ = nullptr; }, Qt::SingleShotConnection);
  }
  QString entry = modal->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) entry += QStringLiteral(": ") + box->text();
  if (answers_.empty()) {
    seen << QStringLiteral("UNEXPECTED ") + entry;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    return;
  }
  seen << entry;
  // Answered from its own event, so that a dialog the answer opens in turn (a message box
  // from a button) is seen by this timer while the answer waits for it.
  QTimer::singleShot(0, modal, [modal, answer = std::move(answers_.front())] { answer(modal); });
  answers_.pop_front();
}

DialogDriver::Answer pressButton(QMessageBox::StandardButton button) {
  return [button](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    QVERIFY2(box, "a message box was expected");
    QAbstractButton* b = box->button(button);
    QVERIFY2(b, "the message box lacks the expected button");
    b->click();
  };
}

DialogDriver::Answer chooseFile(const QString& path, int filter_index) {
  return [path, filter_index](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    QVERIFY2(dialog, "a file dialog was expected");
    dialog->selectNameFilter(dialog->nameFilters().value(filter_index - 1));
    // Typed into the name box: selectFile would race with the dialog's directory listing,
    // which may still replace the name while it loads.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY2(name, "the file dialog's name box");
    name->setText(QDir(dialog->directory()).absoluteFilePath(path));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the name
  };
}

DialogDriver::Answer cancelDialog() {
  return [](QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->reject();
  };
}

DialogDriver::Answer fillAndPress(std::function<void(QWidget*)> act, const QString& button_name) {
  return [act = std::move(act), button_name](QWidget* w) {
    act(w);
    auto* button = w->findChild<QAbstractButton*>(button_name);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + button_name));
    button->click();
  };
}

QWidget* viewImage(TMainview& main, int view) {
  return main.findChild<QWidget*>(QStringLiteral("Image%1").arg(view));
}

void clickView(TMainview& main, int view, QPoint at, Qt::MouseButton button) {
  QWidget* image = viewImage(main, view);
  QTest::mouseMove(image, at);
  QTest::mouseClick(image, button, {}, at);
}

void dragView(TMainview& main, int view, QPoint from, QPoint to) {
  QWidget* image = viewImage(main, view);
  QTest::mouseMove(image, from);
  QTest::mousePress(image, Qt::LeftButton, {}, from);
  // Through a point half-way, as a hand moves.
  QTest::mouseMove(image, (from + to) / 2);
  QTest::mouseMove(image, to);
  QTest::mouseRelease(image, Qt::LeftButton, {}, to);
}

void clickTool(TMainview& main, const char* name) {
  auto* control = main.findChild<QWidget*>(QString::fromLatin1(name));
  QVERIFY2(control, name);
  QVERIFY2(control->isEnabled(), name);
  // Check boxes and radio buttons take clicks on their box and caption, which start at
  // the left however wide the layout made them.
  const bool box = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control);
  const QPoint at = box ? QPoint(6, control->height() / 2) : control->rect().center();
  QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

void pressKey(TMainview& main, Qt::Key key) {
  QTest::keyClick(main.findChild<QWidget*>(QStringLiteral("focusverlies")), key);
}

AppFixture::AppFixture(const std::string& configuration) {
  previous_directory_ = QDir::currentPath();
  previous_home_ = qgetenv("HOME");
  QDir(dir_.path()).mkdir(QStringLiteral("home"));
  qputenv("HOME", home().toLocal8Bit());
  if (!configuration.empty()) {
    QFile file(path(QStringLiteral("facetry.cfg")));
    if (file.open(QIODevice::WriteOnly)) {
      file.write(configuration.data(), static_cast<qint64>(configuration.size()));
    }
  }
  QDir::setCurrent(dir_.path());
  main_ = createWindows();
}

AppFixture::~AppFixture() {
  // Destroying the windows asks nothing; only closing them would.
  main_.reset();
  QDir::setCurrent(previous_directory_);
  qputenv("HOME", previous_home_);
}

void AppFixture::start() {
  main_->resize(1600, 1000);
  main_->show();
  main_->activateWindow();
  if (!QTest::qWaitForWindowActive(main_.get(), 2000)) main_->FormActivate();
}

}  // namespace facetry::testing
