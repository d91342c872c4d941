// ops/landscape.cpp: the landscape's lattice, midpoint displacement and faces. The weld,
// sea level, colours and corner order of the finished faces are in landscape_finish.cpp.
#include "ops/landscape.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "files/undo.h"
#include "ops/landscape_finish.h"
#include "scene/errors.h"

namespace facetry {

namespace {

constexpr int kLimit = 30000;

// The lattice the heights are made on: N steps a side, a point addressed by (p0, p1, p2)
// with p0 + p1 + p2 = N, each point's model x, z and height y.
class LandscapeLattice {
 public:
  explicit LandscapeLattice(int n)
      : n_(n), entries_(kLandscapeLatticePoints), set_(kLandscapeLatticePoints, false) {}
  int size() const { return n_; }
  // Entry index T(N+1) + p1 - T(N+1-p0) with T(n) = n(n+1)/2.
  int index(int p0, int p1) const {
    auto t = [](int k) { return k * (k + 1) / 2; };
    return t(n_ + 1) + p1 - t(n_ + 1 - p0);
  }
  struct Point {
    std::int16_t x = 0, z = 0, y = 0;
  };
  const Point& at(int p0, int p1) const {
    return entries_[static_cast<std::size_t>(index(p0, p1))];
  }
  bool computed(int p0, int p1) const { return set_[static_cast<std::size_t>(index(p0, p1))]; }
  // Stores a point; throws RangeError for a value outside -30000..30000.
  void store(int p0, int p1, int x, int z, int y) {
    for (int v : {x, z, y}) {
      if (v < -kLimit || v > kLimit) {
        throw RangeError("the landscape does not fit: the value " + std::to_string(v) +
                         " is outside -30000..30000; choose a smaller width or height");
      }
    }
    const auto i = static_cast<std::size_t>(index(p0, p1));
    entries_[i] = {static_cast<std::int16_t>(x), static_cast<std::int16_t>(z),
                   static_cast<std::int16_t>(y)};
    set_[i] = true;
  }

 private:
  int n_;
  std::vector<Point> entries_;
  std::vector<bool> set_;  // computed points; a shared edge's midpoint is made once
};

// A lattice point with its coordinates (p0, p1; p2 = N - p0 - p1) and values.
struct Vertex {
  int p0, p1;
  int x, z, y;
};

// rint: nearest integer, halves to the even neighbour (the default rounding mode).
long roundHalfEven(double v) {
  if (!(std::fabs(v) < 1e9))
    throw RangeError("landscape value " + std::to_string(v) + " is out of range");
  return std::lrint(v);
}

class Generator {
 public:
  Generator(Workspace& ws, Host& host, const LandscapeSettings& s, int base)
      : ws_(ws), host_(host), s_(s), base_(base), lattice_(1 << (s.resolution - 1)) {
    for (int i = 1; i <= s.resolution; ++i) amp_[i] = s.height >> (s.resolution - i + 1);
  }

  int run() {
    const int n = lattice_.size();
    const int g = s_.width / 2;
    const double r = s_.width / 2.0;
    auto corner = [&](int p0, int p1, double theta) {
      Vertex v{p0, p1, g + static_cast<int>(roundHalfEven(r * std::cos(theta))),
               g + static_cast<int>(roundHalfEven(r * std::sin(theta))), 0};
      v.y = rnd(s_.height) + base_;
      return v;
    };
    Vertex a = corner(0, n, -1.4959965017094254);
    Vertex b = corner(0, 0, 0.59839860068377);
    Vertex c = corner(n, 0, 2.6927937030769655);
    // Below a height of 3 no draw rises above the base level, so the redraw would not end.
    if (s_.height >= 3 && a.y < base_ && b.y < base_ && c.y < base_) {
      do {
        b.y = rnd(s_.height) + base_;
      } while (b.y <= base_);
    }
    if (a.y > b.y) std::swap(a.y, b.y);
    if (a.y > c.y) std::swap(a.y, c.y);
    for (const Vertex& v : {a, b, c}) lattice_.store(v.p0, v.p1, v.x, v.z, v.y);

    subdivide(s_.resolution, a, b, c);
    first_face_ = ws_.scene.FaceCount;
    try {
      makeFaces(s_.resolution, a, b, c);
    } catch (const RangeError&) {
      // A jittered height out of range ends the faces silently; those made so far stay.
    }
    return ws_.scene.FaceCount - first_face_;
  }
  int firstFace() const { return first_face_; }

 private:
  int rnd(int h) {
    const int first = ws_.random.random(h);
    const int second = ws_.random.random(h);
    return first + second - h;
  }

  Vertex lookup(int p0, int p1) {
    const LandscapeLattice::Point& e = lattice_.at(p0, p1);
    return {p0, p1, e.x, e.z, e.y};
  }

  // Mid: the lattice point halfway; computed once, so a shared edge gets one height.
  Vertex mid(const Vertex& p, const Vertex& q, int amp) {
    const int p0 = (p.p0 + q.p0) / 2, p1 = (p.p1 + q.p1) / 2;
    if (lattice_.computed(p0, p1)) return lookup(p0, p1);
    const int y = q.y + (p.y - q.y) / 2 + rnd(amp);
    const int z = q.z + (p.z - q.z) / 2;
    const int x = q.x + (p.x - q.x) / 2;
    lattice_.store(p0, p1, x, z, y);
    return {p0, p1, x, z, y};
  }

  void subdivide(int level, const Vertex& a, const Vertex& b, const Vertex& c) {
    if (level < 2) return;
    const int amp = amp_[level];
    const Vertex m1 = mid(b, c, amp), m2 = mid(a, b, amp), m3 = mid(c, a, amp);
    subdivide(level - 1, a, m2, m3);
    subdivide(level - 1, m2, b, m1);
    subdivide(level - 1, m1, m3, m2);
    subdivide(level - 1, m3, m1, c);
  }

  // The faces, visiting the sub-triangles in the order of the displacement, depth first.
  void makeFaces(int level, const Vertex& a, const Vertex& b, const Vertex& c) {
    if (level >= 2) {
      auto half = [&](const Vertex& p, const Vertex& q) {
        return lookup((p.p0 + q.p0) / 2, (p.p1 + q.p1) / 2);
      };
      const Vertex m1 = half(b, c), m2 = half(a, b), m3 = half(c, a);
      makeFaces(level - 1, a, m2, m3);
      makeFaces(level - 1, m2, b, m1);
      makeFaces(level - 1, m1, m3, m2);
      makeFaces(level - 1, m3, m1, c);
      return;
    }
    const int spread = s_.height >> s_.resolution;
    const Point3& centre = ws_.views.CentrePoint;
    const double half_width = s_.width / 2.0;
    FaceCorner corners[3];
    const Vertex* v[3] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i) {
      const int first = ws_.random.random(spread);
      const int y = v[i]->y + first - ws_.random.random(spread);
      if (y < -kLimit || y > kLimit) {
        throw RangeError("landscape height " + std::to_string(y) + " is out of range");
      }
      corners[i].x = static_cast<float>(v[i]->x + centre.x - half_width);
      corners[i].y = static_cast<float>(y);
      corners[i].z = static_cast<float>(v[i]->z + centre.z - half_width);
    }
    addFace(ws_.scene, host_, corners[0], corners[1], corners[2]);
  }

  Workspace& ws_;
  Host& host_;
  const LandscapeSettings& s_;
  int base_;
  LandscapeLattice lattice_;
  int amp_[9] = {};
  int first_face_ = 0;
};

// The busy cursor shows while the landscape is made, also when it fails.
struct BusyCursor {
  Host& host;
  explicit BusyCursor(Host& h) : host(h) { host.busy(true); }
  ~BusyCursor() { host.busy(false); }
};

}  // namespace

int createLandscape(Workspace& ws, Host& host, const LandscapeSettings& settings) {
  if (settings.resolution < 1 || settings.resolution > 8) {
    throw RangeError("the landscape's resolution must be 1..8, not " +
                     std::to_string(settings.resolution));
  }
  // The base level is held as an unsigned 16-bit value.
  const auto base =
      static_cast<std::uint16_t>(roundHalfEven(static_cast<double>(ws.views.CentrePoint.y)));
  voorundo(ws.scene);
  BusyCursor busy(host);
  Generator generator(ws, host, settings, base);
  const int made = generator.run();
  finishLandscape(ws.scene, host, generator.firstFace(), settings.sea_level);
  return made;
}

}  // namespace facetry
