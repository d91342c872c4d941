// app/help_window.h: the help window, which shows the manual bundled with the program.
#pragma once
#include <QWidget>

class QTextBrowser;

namespace facetry {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // The manual's contents page inside the program's resources.
  static constexpr const char* kContents = "qrc:/manual/index.md";
  explicit HelpWindow(QWidget* parent);
  // Shows the window at the manual's contents.
  void showContents();
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace facetry
