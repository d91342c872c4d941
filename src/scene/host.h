// scene/host.h: what the core asks of the program around it. The core never opens a window;
// whatever an operation must show or ask in the middle of its work goes through a Host.
// The window program answers with dialogs, tests with a scripted fake, the command-line
// tool without asking.
#pragma once
#include <string>

namespace facetry {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Host {
 public:
  virtual ~Host() = default;

  // A message box with `text` under `title`; returns the button pressed.
  virtual Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                         MessageButtons buttons) = 0;

  // The "Name object" dialog. `name` comes in as the name buffer and `dont_ask` as the state
  // of its "Don't ask for this operation" box; both may be edited. Returns true for "&Ok"
  // (the name is then taken), false when the dialog was closed any other way.
  virtual bool askObjectName(std::string& name, bool& dont_ask) = 0;

  // The "Reading" window of the importers: shown, counter set, hidden.
  virtual void showReading(bool /*visible*/) {}
  virtual void readingCount(int /*face_count*/) {}

  // The progress gauge of long operations, 0..100, and the busy (hourglass) cursor.
  virtual void progress(int /*percent*/) {}
  // The progress window of the cutting operations (booleans, punch): shown or hidden, and
  // the stage its label names ("Progress first object", "Calculate space", ...).
  virtual void showProgress(bool /*visible*/) {}
  virtual void progressStage(const std::string& /*label*/) {}
  virtual void busy(bool /*on*/) {}
  // A short note in the window's status line (a click a tool cannot take, ...).
  virtual void status(const std::string& /*text*/) {}
};

}  // namespace facetry
