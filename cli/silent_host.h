// cli/silent_host.h: the Host of the command-line tool. It never waits for a person:
// messages go to the error stream, questions take their first button, names are kept.
#pragma once
#include <ostream>

#include "scene/host.h"

namespace facetry {

class SilentHost : public Host {
 public:
  explicit SilentHost(std::ostream& errors) : errors_(errors) {}
  Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                 MessageButtons buttons) override;
  bool askObjectName(std::string& name, bool& dont_ask) override;

 private:
  std::ostream& errors_;
};

}  // namespace facetry
