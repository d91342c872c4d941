// app_test_support.h: what the window tests share: a fresh start directory per test with
// the whole set of windows started in it, and a driver that answers modal dialogs.
#pragma once
#include <QDir>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "main_window.h"

namespace facetry::testing {

// Answers modal dialogs as they appear, in the order they were expected. Every modal seen
// is recorded ("title: text" for message boxes); one that nobody expected is recorded as
// "UNEXPECTED ..." and rejected, so that a test fails instead of hanging.
class DialogDriver : public QObject {
  Q_OBJECT
 public:
  using Answer = std::function<void(QWidget*)>;
  DialogDriver();

  void expect(Answer answer) { answers_.push_back(std::move(answer)); }
  int unanswered() const { return static_cast<int>(answers_.size()); }
  QStringList seen;

 private:
  void poll();
  std::deque<Answer> answers_;
  QTimer timer_;
  QPointer<QWidget> current_;  // cleared when the dialog is destroyed
};

// Answers.
DialogDriver::Answer pressButton(QMessageBox::StandardButton button);
DialogDriver::Answer chooseFile(const QString& path, int filter_index);
DialogDriver::Answer cancelDialog();
// Runs `act` on the dialog (typed into its widgets, say) before pressing `button_name`.
DialogDriver::Answer fillAndPress(std::function<void(QWidget*)> act, const QString& button_name);

// The mouse as a user moves it over view `view` (1 front, 2 top, 3 side) of `main`, at
// image pixel `at`: a move there, then a click (press and release), or a drag.
QWidget* viewImage(TMainview& main, int view);
void clickView(TMainview& main, int view, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void dragView(TMainview& main, int view, QPoint from, QPoint to);
// A click on the toolbox button or box named `name`.
void clickTool(TMainview& main, const char* name);
// A key pressed with the keyboard focus where the main window keeps it between commands.
void pressKey(TMainview& main, Qt::Key key);

// A start directory of its own (the working directory while the windows are created), with
// HOME pointed at an empty "home" folder inside it, and optionally a configuration file.
class AppFixture {
 public:
  explicit AppFixture(const std::string& configuration = {});
  ~AppFixture();
  AppFixture(const AppFixture&) = delete;
  AppFixture& operator=(const AppFixture&) = delete;

  // Shows the main window and runs its activation.
  void start();
  TMainview& main() { return *main_; }
  Workspace& ws() { return main_->workspace(); }
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString home() const { return dir_.filePath(QStringLiteral("home")); }
  template <typename T>
  T* find(const QString& name) const {
    return main_->findChild<T*>(name);
  }

  DialogDriver driver;

 private:
  QTemporaryDir dir_;
  QString previous_directory_;
  QByteArray previous_home_;
  std::unique_ptr<TMainview> main_;
};

}  // namespace facetry::testing
