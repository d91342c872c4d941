// support/scripted_host.cpp: the recording, scripted Host.
#include "support/scripted_host.h"

namespace facetry::testing {

Answer ScriptedHost::message(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) {
  messages.push_back({text, title, icon, buttons});
  if (!answers.empty()) {
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? Answer::Yes
                                                                                    : Answer::Ok;
}

bool ScriptedHost::askObjectName(std::string& name, bool& dont_ask) {
  name_prompts.push_back(name);
  if (names.empty()) return false;
  const NameReply reply = names.front();
  names.pop_front();
  dont_ask = reply.dont_ask;
  if (reply.ok) name = reply.name;
  return reply.ok;
}

}  // namespace facetry::testing
