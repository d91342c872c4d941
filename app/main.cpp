// app/main.cpp: the program entry: the application, its windows, the message loop.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <exception>

#include "command_guard.h"
#include "main_window.h"
#include "windows.h"

namespace {

// Commands catch their own errors; this catches what escapes any other event handler, so
// that the program goes on after showing the message.
class FacetryApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      facetry::showError(activeWindow(), QString::fromLocal8Bit(error.what()));
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  FacetryApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("facetry"));
  QApplication::setApplicationDisplayName(QStringLiteral("Facetry : the quick modeler"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/facetry.png")));
  const auto windows = facetry::createWindows();
  // "facetry MODEL.fcy" opens a model, as the desktop does when a model file is opened.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) windows->loadAtStart(arguments.at(1));
  // The whole screen also where no window manager maximises the window.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    windows->setGeometry(screen->availableGeometry());
  }
  windows->showMaximized();
  return QApplication::exec();
}
