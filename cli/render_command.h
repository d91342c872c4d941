// cli/render_command.h: facetry-cli render, a view as the window draws it, to a picture.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace facetry {

// render MODEL --view front|top|side|survey --shading wire|flat|gouraud|phong [--zoom P]
//   [--light X,Y,Z] [--shadow max|normal|none] [--layout three|front]
//   [--angles X,Y,Z] [--scale K] -o OUT.bmp|OUT.jpg
// render MODEL --view walk [--shading ...] [--speed quick|normal|slow] [--walk STEP,...]
//   -o OUT.bmp
int renderCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace facetry
