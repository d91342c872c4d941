// ops/landscape.h: the fractal landscape: a triangle of width W around CentrePoint, its
// heights made by midpoint displacement on a triangular lattice, optionally flattened to a
// sea level and coloured as land and sea, closed into one named object.
#pragma once
#include "scene/host.h"
#include "scene/landscape_state.h"
#include "workspace.h"

namespace facetry {

// The lattice the heights are made on: N = 2^(resolution - 1) steps a side, a point
// addressed by (p0, p1, p2) with p0 + p1 + p2 = N, each point's model x, z and height y.
// Exposed for the tests; createLandscape is the command.
class LandscapeLattice {
 public:
  static constexpr int kEntries = 8385;  // the lattice points of N = 128
  static constexpr int kUnset = -30000;

  explicit LandscapeLattice(int n);
  int size() const { return n_; }
  // Entry index T(N+1) + p1 - T(N+1-p0) with T(n) = n(n+1)/2.
  int index(int p0, int p1) const;
  struct Point {
    std::int16_t x = kUnset, z = kUnset, y = kUnset;
  };
  Point& at(int p0, int p1) { return entries_[static_cast<std::size_t>(index(p0, p1))]; }
  bool computed(int p0, int p1) const { return set_[static_cast<std::size_t>(index(p0, p1))]; }
  // Stores a point; throws RangeError for a value outside -30000..30000.
  void store(int p0, int p1, int x, int z, int y);
  int computedCount() const;

 private:
  int n_;
  std::vector<Point> entries_;
  std::vector<bool> set_;
};

// "Create landscape" after the dialog's OK: the undo snapshot, then 4^(resolution - 1) faces
// drawn from ws.random with base level rint(CentrePoint.y), closed without orienting into
// one deselected object (the name dialog may ask). The faces appended stay when the face
// table fills or a jittered height leaves -30000..30000. Throws RangeError for a resolution
// outside 1..8, a corner outside -30000..30000 or more than 100 corners meeting in one place
// (the object is closed first). Returns the number of faces made.
int createLandscape(Workspace& ws, Host& host, const LandscapeSettings& settings);

}  // namespace facetry
