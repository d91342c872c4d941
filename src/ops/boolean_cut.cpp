// ops/boolean_cut.cpp: edge pass, point pass, splitting and the z-ray inside test.
#include "ops/boolean_cut.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>

#include "scene/geometry.h"

namespace facetry {

namespace {

// An intersection point of the cut-point list. Kind 0 lies inside face `face` (by its
// number when recorded; -1 once used), kinds 1, 2, 3 on the face's edge c1-c2, c2-c3, c3-c1.
struct CutPoint {
  Point3 at;
  std::uint8_t marks[4] = {};  // the selected byte and the three after it, of the source corner
  int kind = 0;
  int face = -1;
};

// The faces of `by` near a box: from the grid, or every face for the plain transcription.
class Near {
 public:
  Near(const std::vector<Face>& by, bool exhaustive) {
    if (exhaustive) {
      all_.resize(by.size());
      std::iota(all_.begin(), all_.end(), 0);
      for (const Face& f : by) boxes_.push_back(faceBox(f));
    } else {
      grid_ = std::make_unique<FaceGrid>(by);
    }
  }
  const std::vector<int>& faces(const Box& query) {
    return grid_ ? grid_->candidates(query) : all_;
  }
  const Box& box(int g) const {
    return grid_ ? grid_->box(g) : boxes_[static_cast<std::size_t>(g)];
  }
  FaceGrid* grid() { return grid_.get(); }

 private:
  std::unique_ptr<FaceGrid> grid_;
  std::vector<int> all_;
  std::vector<Box> boxes_;
};

// Reports the share done only when it changes, so the gauge is not flooded.
class Gauge {
 public:
  explicit Gauge(const std::function<void(int)>& report) : report_(report) {}
  void show(std::size_t done, std::size_t total) {
    if (!report_ || total == 0) return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != last_) report_(last_ = percent);
  }

 private:
  const std::function<void(int)>& report_;
  int last_ = -1;
};

FaceCorner cornerAt(const CutPoint& p) {
  FaceCorner c;
  c.setPoint(p.at);
  c.u = 0;
  c.v = 50;
  c.selected = p.marks[0];
  for (int i = 0; i < 3; ++i) c.spare[i] = p.marks[i + 1];
  return c;
}

void takeMarks(CutPoint& p, const FaceCorner& from) {
  p.marks[0] = from.selected;
  for (int i = 0; i < 3; ++i) p.marks[i + 1] = from.spare[i];
}

// A face with a corner closer than 0.0005 to the line through the other two is not split.
bool tooThin(const Face& f) {
  for (int i = 0; i < 3; ++i) {
    const Point3 p = f.corners[i].point();
    const Point3 a = f.corners[(i + 1) % 3].point();
    const Point3 b = f.corners[(i + 2) % 3].point();
    if (pointLineDistance(p, a, b) < 0.0005) return true;
  }
  return false;
}

// A new face after the object's last one: the given corners and colour, face and corner
// marks 0, the smooth flag of the face that was last, no material, reflection level 0,
// and the texture coordinates of a newly added face.
void insertPiece(std::vector<Face>& faces, const Face& from, const FaceCorner& c0,
                 const FaceCorner& c1, const FaceCorner& c2, CutSettings& settings) {
  if (--settings.room < 0) throw CutOutOfRoom{};
  Face piece;
  piece.corners[0] = c0;
  piece.corners[1] = c1;
  piece.corners[2] = c2;
  piece.red = from.red;
  piece.green = from.green;
  piece.blue = from.blue;
  piece.object = from.object;
  piece.smooth = faces.back().smooth;
  static constexpr float kU[3] = {0, 50, 50};
  static constexpr float kV[3] = {0, 0, 50};
  for (int i = 0; i < 3; ++i) {
    piece.corners[i].selected = 0;
    piece.corners[i].u = kU[i];
    piece.corners[i].v = kV[i];
  }
  faces.push_back(piece);
}

// Splits face i at an edge point (kind 1..3) or an interior point (kind 0). Returns false
// when the face is too thin to split.
bool splitFace(std::vector<Face>& faces, std::size_t i, const CutPoint& p, CutSettings& settings) {
  const Face f = faces[i];
  if (tooThin(f)) return false;
  const FaceCorner x = cornerAt(p);
  const FaceCorner& c1 = f.corners[0];
  const FaceCorner& c2 = f.corners[1];
  const FaceCorner& c3 = f.corners[2];
  Face& face = faces[i];
  switch (p.kind) {
    case 1:
      face.corners[1] = x;
      insertPiece(faces, f, x, c2, c3, settings);
      break;
    case 2:
      face.corners[2] = x;
      insertPiece(faces, f, c1, x, c3, settings);
      break;
    case 3:
      face.corners[2] = x;
      insertPiece(faces, f, x, c2, c3, settings);
      break;
    default:
      face.corners[1] = x;
      insertPiece(faces, f, c1, c2, x, settings);
      insertPiece(faces, f, x, c2, c3, settings);
      break;
  }
  return true;
}

// The first crossing of an edge of f with a face of `by` (faces in order, then edges in
// order) farther than 0.5 from both ends of the edge. The plain transcription collects
// every crossing into the list and takes its first; the quick one stops at the first.
bool firstEdgeCrossing(const Face& f, const std::vector<Face>& by, Near& near, bool exhaustive,
                       CutPoint& found) {
  std::vector<CutPoint> list;
  const Box f_box = faceBox(f);
  for (int g : near.faces(f_box)) {
    const Face& other = by[static_cast<std::size_t>(g)];
    for (int e = 0; e < 3; ++e) {
      const Point3 p0 = f.corners[e].point();
      const Point3 p1 = f.corners[(e + 1) % 3].point();
      if (!boxesMeet(segmentBox(p0, p1), near.box(g))) continue;
      Point3 x;
      if (!segmentHitsFace(p0, p1, other.corners[0].point(), other.corners[1].point(),
                           other.corners[2].point(), x)) {
        continue;
      }
      if (!(distance(x, p0) > 0.5 && distance(x, p1) > 0.5)) continue;
      CutPoint point;
      point.at = x;
      point.kind = e + 1;
      takeMarks(point, f.corners[e]);
      if (!exhaustive) {
        found = point;
        return true;
      }
      if (list.size() < static_cast<std::size_t>(kCutPointLimit)) list.push_back(point);
    }
  }
  if (list.empty()) return false;
  found = list.front();
  return true;
}

}  // namespace

bool edgePass(std::vector<Face>& cut, const std::vector<Face>& by, const Box& by_box,
              CutSettings& settings) {
  Near near(by, settings.exhaustive);
  Gauge gauge(settings.progress);
  bool split_any = false;
  for (std::size_t i = 0; i < cut.size(); ++i) {
    gauge.show(i, cut.size());
    for (int repeat = 0;; ++repeat) {
      if (!boxesMeet(faceBox(cut[i]), by_box)) break;
      CutPoint point;
      if (!firstEdgeCrossing(cut[i], by, near, settings.exhaustive, point)) break;
      if (!splitFace(cut, i, point, settings)) break;
      split_any = true;
      if (repeat == kCutRepeats) break;
    }
  }
  return split_any;
}

void pointPass(std::vector<Face>& cut, const std::vector<Face>& by, const Box& by_box,
               CutSettings& settings) {
  Near near(by, settings.exhaustive);
  std::vector<CutPoint> list;
  // The points recorded for each face, by number.
  std::vector<std::vector<int>> for_face(cut.size());
  for (std::size_t i = 0; i < cut.size(); ++i) {
    const Face& f = cut[i];
    const Box f_box = faceBox(f);
    if (!boxesMeet(f_box, by_box)) continue;
    const Point3 c0 = f.corners[0].point(), c1 = f.corners[1].point(), c2 = f.corners[2].point();
    for (int g : near.faces(f_box)) {
      const Face& other = by[static_cast<std::size_t>(g)];
      for (int e = 0; e < 3; ++e) {
        const Point3 q0 = other.corners[e].point();
        const Point3 q1 = other.corners[(e + 1) % 3].point();
        if (!boxesMeet(segmentBox(q0, q1), f_box)) continue;
        Point3 x;
        if (!segmentHitsFace(q0, q1, c0, c1, c2, x)) continue;
        const bool apart = std::all_of(
            list.begin(), list.end(), [&x](const CutPoint& p) { return distance(x, p.at) >= 1.5; });
        if (!apart || pointLineDistance(x, c0, c1) < 1.5 || pointLineDistance(x, c1, c2) < 1.5 ||
            pointLineDistance(x, c2, c0) < 1.5) {
          continue;
        }
        // The list holds 2000 points; a further one lands past them and is lost.
        if (list.size() >= static_cast<std::size_t>(kCutPointLimit)) continue;
        CutPoint point;
        point.at = x;
        point.kind = 0;
        point.face = static_cast<int>(i);
        takeMarks(point, other.corners[e]);
        for_face[i].push_back(static_cast<int>(list.size()));
        list.push_back(point);
      }
    }
  }

  // Each piece keeps the number of the face it was split from, and with it that face's
  // points: a point that the split left in a piece is still the piece's to use.
  std::vector<int> origin(cut.size());
  std::iota(origin.begin(), origin.end(), 0);
  Gauge gauge(settings.progress);
  for (std::size_t i = 0; i < cut.size(); ++i) {
    gauge.show(i, cut.size());
    if (!boxesMeet(faceBox(cut[i]), by_box)) continue;
    for (int repeat = 0;; ++repeat) {
      const Face& f = cut[i];
      const Point3 c[3] = {f.corners[0].point(), f.corners[1].point(), f.corners[2].point()};
      int best = -1;
      double best_distance = 0;
      for (int index : for_face[static_cast<std::size_t>(origin[i])]) {
        const CutPoint& p = list[static_cast<std::size_t>(index)];
        if (p.face < 0 || !pointInFace(c[0], c[1], c[2], p.at)) continue;
        const double d =
            std::min({distance(p.at, c[0]), distance(p.at, c[1]), distance(p.at, c[2])});
        if (!(d > 1.5)) continue;
        if (best < 0 || d < best_distance) {
          best = index;
          best_distance = d;
        }
      }
      if (best < 0) break;
      CutPoint& chosen = list[static_cast<std::size_t>(best)];
      const std::size_t before = cut.size();
      if (!splitFace(cut, i, chosen, settings)) break;
      chosen.face = -1;
      for (std::size_t j = before; j < cut.size(); ++j) origin.push_back(origin[i]);
      if (repeat == kCutRepeats) break;
    }
  }
}

bool insideByZRay(const Point3& centre, const std::vector<Face>& by, FaceGrid* grid) {
  const Point3 below{centre.x, centre.y, centre.z - 10000};
  const Point3 above{centre.x, centre.y, centre.z + 10000};
  bool met = false;
  float low = 0, high = 0;
  auto test = [&](const Face& g) {
    Point3 x;
    if (!segmentHitsFace(below, above, g.corners[0].point(), g.corners[1].point(),
                         g.corners[2].point(), x)) {
      return;
    }
    if (!(std::fabs(x.x - centre.x) < 1 && std::fabs(x.y - centre.y) < 1)) return;
    low = met ? std::min(low, x.z) : x.z;
    high = met ? std::max(high, x.z) : x.z;
    met = true;
  };
  if (grid) {
    // A face the ray meets has the ray's x within half a unit of its x-y shadow and its y
    // within that shadow, so its box lies within 1 of the ray in x and y.
    const float inf = std::numeric_limits<float>::infinity();
    const Box ray{{centre.x - 1, centre.y - 1, -inf}, {centre.x + 1, centre.y + 1, inf}};
    for (int g : grid->candidates(ray)) test(by[static_cast<std::size_t>(g)]);
  } else {
    for (const Face& g : by) test(g);
  }
  return met && low < centre.z && centre.z < high;
}

int classifyFaces(std::vector<Face>& faces, const std::vector<Face>& by, const Box& by_box,
                  int keep, bool exhaustive, const std::function<void(int done)>& step) {
  std::unique_ptr<FaceGrid> grid = exhaustive ? nullptr : std::make_unique<FaceGrid>(by);
  int selected = 0;
  int done = 0;
  for (Face& f : faces) {
    auto mark = static_cast<std::uint8_t>(1 - keep);
    if (boxesMeet(faceBox(f), by_box)) {
      Point3 centroid;
      centroid.x =
          static_cast<float>((double{f.corners[0].x} + f.corners[1].x + f.corners[2].x) / 3);
      centroid.y =
          static_cast<float>((double{f.corners[0].y} + f.corners[1].y + f.corners[2].y) / 3);
      centroid.z =
          static_cast<float>((double{f.corners[0].z} + f.corners[1].z + f.corners[2].z) / 3);
      if (insideByZRay(centroid, by, grid.get())) mark = static_cast<std::uint8_t>(keep);
    }
    f.selected = mark;
    for (FaceCorner& c : f.corners) c.selected = mark;
    selected += mark;
    if (step) step(++done);
  }
  return selected;
}

}  // namespace facetry
