// cli/demo_mesh.h: a demo scene for tests, benchmarks and the first run: a closed, smooth
// sphere-like mesh (a rounded box) of about the requested number of faces.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

// Appends a closed mesh of about `faces` faces (at least 8, at most the free capacity)
// centred on `centre` with radius `radius`, closed into one object named `name`, in
// `objects` objects of about equal size when more than one is asked for (each a band of
// the sphere). Returns the number of faces added.
int addDemoMesh(Scene& scene, Host& host, int faces, const Point3& centre, float radius,
                int objects = 1);

}  // namespace facetry
