// cli/cli_commands.h: facetry-cli, the core without a window.
//   facetry-cli info MODEL                 counts, objects, face ranges, bounds
//   facetry-cli demo OUT.fcy [--faces N] [--objects K]
//                                          writes a closed smooth demo mesh
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace facetry {

// Runs one command line (without the program name). Prints results to `out` and errors to
// `err` (one line each); returns the exit status, 0 on success, 1 on any failure.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace facetry
