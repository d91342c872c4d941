// support/scripted_host.h: a Host for tests. It records every call and answers from
// prepared queues (default: the first button, the name dialog cancelled).
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "scene/host.h"

namespace facetry::testing {

struct MessageCall {
  std::string text, title;
  MessageIcon icon;
  MessageButtons buttons;
};

class ScriptedHost : public Host {
 public:
  Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                 MessageButtons buttons) override;
  bool askObjectName(std::string& name, bool& dont_ask) override;

  // Prepared answers, taken in order.
  std::deque<Answer> answers;
  struct NameReply {
    bool ok;
    std::string name;
    bool dont_ask;
  };
  std::deque<NameReply> names;

  std::vector<MessageCall> messages;
  std::vector<std::string> name_prompts;  // the name shown each time the dialog opened
};

}  // namespace facetry::testing
