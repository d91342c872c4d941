// cli/edit_command.h: facetry-cli edit IN.fcy -o OUT.fcy STEP...: loads IN, runs the menu
// commands of the steps in order and saves OUT (written beside it and renamed over it).
// An unknown step or a bad argument stops before anything is written.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace facetry {

int editCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace facetry
