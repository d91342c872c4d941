// app/command_guard.h: the general error handler. Every user command of the window program
// runs through runCommand: an error raised by the core ends that command, its message is
// shown in a message box, and the program goes on with the scene as far as the command had
// come.
#pragma once
#include <QObject>
#include <functional>

class QString;
class QWidget;

namespace facetry {

// The application title, also the title of error messages.
inline constexpr const char* kApplicationTitle = "Facetry : the quick modeler";

// Runs `command`. A facetry::Error or std::exception is shown to the user (parent
// `parent`) and false is returned; true when the command ran to its end.
bool runCommand(QWidget* parent, const std::function<void()>& command);

// Shows `message` the way the general error handler does (stop icon, application title).
void showError(QWidget* parent, const QString& message);

// Connects `signal` of `sender` to `command`, run through runCommand with `parent` as the
// owner of the message box. The signal's arguments are ignored; the command reads widgets.
template <typename Sender, typename Signal>
QMetaObject::Connection connectCommand(Sender* sender, Signal signal, QWidget* parent,
                                       std::function<void()> command) {
  return QObject::connect(sender, signal, parent,
                          [parent, command = std::move(command)] { runCommand(parent, command); });
}

}  // namespace facetry
