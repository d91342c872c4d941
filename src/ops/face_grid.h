// ops/face_grid.h: axis-aligned boxes of faces and a uniform grid over them, so that the
// cutting passes visit only the faces whose boxes can meet a query, in face order.
#pragma once
#include <vector>

#include "scene/records.h"

namespace facetry {

struct Box {
  float min[3] = {0, 0, 0};
  float max[3] = {0, 0, 0};
};

Box faceBox(const Face& f);
Box segmentBox(const Point3& a, const Point3& b);
Box objectBox(const ModelObject& o);
// True when the boxes meet on all three axes; touching counts. A box with a NaN meets
// nothing.
bool boxesMeet(const Box& a, const Box& b);

class FaceGrid {
 public:
  explicit FaceGrid(const std::vector<Face>& faces);

  // The faces whose boxes may meet `query`, ascending, each once: every face whose box
  // meets it is among them. The list lives until the next call.
  const std::vector<int>& candidates(const Box& query);
  const Box& box(int face) const { return boxes_[static_cast<std::size_t>(face)]; }

 private:
  int cellOf(int axis, float value) const;

  std::vector<Box> boxes_;
  double origin_[3] = {0, 0, 0};
  double cell_size_[3] = {1, 1, 1};
  int cells_[3] = {1, 1, 1};
  std::vector<std::vector<int>> cell_faces_;
  std::vector<int> everywhere_;  // faces with a coordinate that is not finite
  std::vector<unsigned> seen_;
  unsigned stamp_ = 0;
  std::vector<int> result_;
};

}  // namespace facetry
