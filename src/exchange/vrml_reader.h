// exchange/vrml_reader.h: reading VRML 1.0 and 2.0 worlds into the scene.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// Adds every indexed face set and every sphere, cube, box, cone and cylinder of the VRML
// file at `path` as one object each, without asking for names, then scales everything
// read so that its x-y diagonal measures 150 sqrt(2) and moves the centre of its extent
// onto views.CentrePoint. Objects are named by the nearest DEF on the shape or the nodes
// holding it, faces take the last diffuseColor in scope (else CurrentColour); the model's
// y is VRML's y turned over. Steps host.readingCount(FaceCount) for each face added.
// Bad numbers, indices beyond the points and deep nesting are skipped with one message
// each. Throws IoError when the file cannot be opened.
void readVrml(Scene& scene, Host& host, const ViewState& views, const std::string& path);

}  // namespace facetry
