// cli/build_command.h: facetry-cli build, primitives built from scripted clicks through the
// same click path the mouse uses.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace facetry {

// build OUT.fcy [--in MODEL] [--view V] [--step S] [--open] [--snap] [--name N]
//   [--select on|off|points|faces] --TOOL CLICK... ; CLICK is X,Y or right.
int buildCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace facetry
