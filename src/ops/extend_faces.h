// ops/extend_faces.h: "Extend faces": the four fixed subdivision patterns. Each replaces
// every eligible face (a face of a selected object whose three corners are selected) by
// smaller faces that cover the same area with the same winding and colour. The face itself
// is rewritten as the first piece; the other pieces go directly after the object's last
// face, so each object's pieces follow its own faces in the order of the faces they came
// from. New corners are computed from the float corners in double precision and stored as
// float; their texture position is the same average of the corners' texture positions and
// they are selected, as is every corner of an inserted piece, so a repeat refines again.
#pragma once
#include <array>
#include <vector>

#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

enum class ExtendPattern {
  Simple,   // 1 face becomes 3: round the centroid
  Normal,   // 1 becomes 4: the edge midpoints
  Complex,  // 1 becomes 7: the centroid and the midpoints towards it
  Complex2  // 1 becomes 5: the longest edge halved and quartered
};

// The pieces of one face (a, b, c) in the pattern's order, the first being what the face
// becomes. Complex2 turns the corners first (see extendPieces in the .cpp).
std::vector<std::array<FaceCorner, 3>> extendPieces(ExtendPattern pattern, const FaceCorner& a,
                                                    const FaceCorner& b, const FaceCorner& c);

// How many pieces one face of the pattern becomes (3, 4, 7 or 5).
int extendPieceCount(ExtendPattern pattern);

// "Do simple", "Do normal", "Do complex", "Do complex2": the undo snapshot, then every
// eligible face of every object, in object-table order, split; faces inserted by the run
// are not split again. When the pieces would take the scene past 99 999 faces nothing
// changes (no snapshot either) and the host shows why. Returns true when the views must be
// redrawn (always, but for the refusal). Throws IoError when the snapshot fails.
bool extendFaces(Scene& scene, Host& host, ExtendPattern pattern);

}  // namespace facetry
