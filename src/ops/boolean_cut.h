// ops/boolean_cut.h: the cutting passes of the boolean operations on the face lists of two
// objects: the edge pass splits a face where one of its edges crosses a face of the other
// object, the point pass where an edge of the other object pierces it; the inside test
// classifies a face by a ray along z through its centroid.
//
// Pieces are appended to the list being cut, so a pass reaches them later in its run. The
// passes visit only faces whose boxes can meet (a grid); `exhaustive` visits every pair in
// full, the plain way, and gives the same faces in the same order.
#pragma once
#include <functional>
#include <vector>

#include "ops/face_grid.h"
#include "scene/records.h"

namespace facetry {

constexpr int kCutRepeats = 114;      // times in a row one face is cut again after a split
constexpr int kCutPointLimit = 2000;  // points of the cut-point list in use

struct CutSettings {
  bool exhaustive = false;
  // Faces the cut may add in all before it must stop (the room left in the scene).
  long long room = 1LL << 40;
  // The share of the pass done, 0..100, for the gauge.
  std::function<void(int percent)> progress;
};

// Thrown by a pass when its pieces would take more room than CutSettings::room allows.
struct CutOutOfRoom {};

// Splits faces of `cut` where their edges cross faces of `by` (whose object box is
// `by_box`). Returns true when any face was split. Throws CutOutOfRoom.
bool edgePass(std::vector<Face>& cut, const std::vector<Face>& by, const Box& by_box,
              CutSettings& settings);
// Splits faces of `cut` at the points where edges of `by` pierce them, each face only at
// points recorded for it (or for the face it was split from). Throws CutOutOfRoom.
void pointPass(std::vector<Face>& cut, const std::vector<Face>& by, const Box& by_box,
               CutSettings& settings);

// Whether `centre` lies inside the faces of `by`: the segment from 10000 below to 10000
// above it along z meets faces of `by` at points within 1 of it in x and y, and its z lies
// strictly between the lowest and the highest of them. `grid` is a FaceGrid over `by`, or
// null to test every face.
bool insideByZRay(const Point3& centre, const std::vector<Face>& by, FaceGrid* grid);

// Marks every face of `faces` (face and corners) with 1 - keep, and with `keep` those that
// meet `by_box` and whose centroid lies inside `by`. Returns how many faces end selected.
int classifyFaces(std::vector<Face>& faces, const std::vector<Face>& by, const Box& by_box,
                  int keep, bool exhaustive, const std::function<void(int done)>& step);

}  // namespace facetry
