// cli/silent_host.cpp: messages to stderr, first button as the answer.
#include "silent_host.h"

namespace facetry {

Answer SilentHost::message(const std::string& text, const std::string& title, MessageIcon /*icon*/,
                           MessageButtons buttons) {
  errors_ << title << ": " << text << '\n';
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return Answer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return Answer::Yes;
  }
  return Answer::Ok;
}

bool SilentHost::askObjectName(std::string& /*name*/, bool& /*dont_ask*/) {
  return false;
}

}  // namespace facetry
