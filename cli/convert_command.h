// cli/convert_command.h: facetry-cli convert, between the native model file (.fcy), DXF
// (.dxf) and 3D Studio (.3ds) files in any direction.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace facetry {

// facetry-cli convert IN OUT [--format fcy|dxf|3ds]: reads IN by its extension and writes
// OUT in the format its extension names, or the one --format names. The readers and
// writers are the window program's; the scratch files a DXF import leaves are removed.
// Prints "wrote OUT: N faces in K objects" to `out` and returns 0. Throws UsageError for a
// mistake in the command line, facetry::Error for a file that cannot be read or written.
int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace facetry
