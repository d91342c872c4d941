// app/command_guard.cpp: the general error handler.
#include "command_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <exception>
#include <new>

#include "scene/errors.h"

namespace facetry {

bool runCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const Error& error) {
    showError(parent, QString::fromStdString(error.what()));
  } catch (const std::bad_alloc&) {
    showError(parent, QStringLiteral("Not enough memory to finish the command."));
  } catch (const std::exception& error) {
    showError(parent, QString::fromLocal8Bit(error.what()));
  }
  return false;
}

void showError(QWidget* parent, const QString& message) {
  // A busy cursor left by the failed command would outlive it.
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), message,
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("errorMessage"));
  box.exec();
}

}  // namespace facetry
