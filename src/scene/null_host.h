// scene/null_host.h: a Host that shows nothing and asks nothing: every message takes its
// first button and the name dialog is closed without a name. For batch work, benchmarks
// and fuzzing.
#pragma once
#include <string>

#include "scene/host.h"

namespace facetry {

class NullHost : public Host {
 public:
  Answer message(const std::string&, const std::string&, MessageIcon,
                 MessageButtons buttons) override {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? Answer::Yes
                                                                                      : Answer::Ok;
  }
  bool askObjectName(std::string&, bool&) override { return false; }
};

}  // namespace facetry
