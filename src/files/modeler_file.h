// files/modeler_file.h: modeler files (.mdd), an indexed triangle mesh with whole-number
// coordinates, exchanged with the Modeling window. Little-endian, no header:
//   int32 point count P, P points of three int32 (x, y, z);
//   int32 face count F, F faces of three int32 point indices (0-based).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

struct ModelerMesh {
  std::vector<std::array<std::int32_t, 3>> points;
  std::vector<std::array<std::int32_t, 3>> faces;  // indices into `points`
};

// Writes `mesh` to `path` as it is (no extension added, an existing file replaced).
// Throws IoError.
void writeModelerFile(const ModelerMesh& mesh, const std::string& path);
// Reads a whole modeler file. A negative count, a count beyond the bytes left or a face
// index outside 0..P-1 throws FormatError naming it; IoError when the file cannot be read.
ModelerMesh readModelerMesh(const std::string& path);

// The selected faces (every face with `every_face`) in index order as a mesh without
// shared points: face k uses points 3k, 3k+1, 3k+2, each coordinate truncated toward zero
// (2.9 gives 2, -2.9 gives -2). Throws RangeError for a coordinate beyond the int32 range.
ModelerMesh facesMesh(const Scene& scene, bool every_face);
// "Export selected faces" once its dialog is closed: writes the selected faces' mesh to `path`.
// Does nothing and returns false when the scene has no faces or none is selected.
bool exportSelectedFaces(const Scene& scene, const std::string& path);

// The corner order of a face made from modeler points, given the reference point the mesh
// is seen from: the corner of least x first (earlier corners win ties), then clockwise in
// x-y, then rotated so that the corner whose light angle towards `reference` is smallest
// leads (ties keep the earlier candidate).
void orderModelerCorners(const Point3& reference, FaceCorner& p0, FaceCorner& p1, FaceCorner& p2);

// "Import" of a modeler file once its dialog is closed (`path` empty: cancelled): with a
// file an undo snapshot, then addModelerFile.
int importModelerFile(Scene& scene, Host& host, const Point3& centre, const std::string& path);
// The faces of modeler file `path` (none when it is empty) added as one object: its points, each
// (x, y, z + centre.z), go to the scratch file "moddd.tmp" as 24-byte corner records, which is left
// behind; each face fetches its three corners from there, is ordered by orderModelerCorners and
// appended with addFace. In every case the open object is then closed (oriented, deselected), the
// new faces moved so that the mean of their corners lies on `centre`, and the new object's bounds
// refreshed. Returns the number of faces added. Bad input (see readModelerMesh) throws FormatError;
// the faces added before stay in the open object.
int addModelerFile(Scene& scene, Host& host, const Point3& centre, const std::string& path);

}  // namespace facetry
