// editors/poly_loft.cpp: the Poly creator's solid: the cross-section is interpolated from
// the front polygon to the back polygon while it travels along the connection line,
// turning with the line when "Follow edge" is on, with caps by ear clipping.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "editors/poly_creator.h"

namespace facetry {

namespace {

constexpr double kDegrees = std::numbers::pi / 180;

struct RingPoint {
  double x, y, z;  // X across, Y down, Z along the connection line
};

FaceCorner cornerOf(const RingPoint& p) {
  FaceCorner c;
  c.x = static_cast<float>(p.z);
  c.y = static_cast<float>(p.y);
  c.z = static_cast<float>(p.x);
  return c;
}

// Turns (y, z) about (yc, zc) by beta degrees: y' = yc + (y - yc) cos - (z - zc) sin,
// z' = zc + (z - zc) cos + (y - yc) sin. Model corners carry z in x and y in y.
void turnCorner(FaceCorner& c, double yc, double zc, double beta) {
  const double cs = std::cos(beta * kDegrees), sn = std::sin(beta * kDegrees);
  const double y = c.y - yc, z = c.x - zc;
  c.y = static_cast<float>(yc + y * cs - z * sn);
  c.x = static_cast<float>(zc + z * cs + y * sn);
}

void turnFaces(Scene& scene, int from, int to, double yc, double zc, double beta) {
  for (int i = from; i < to; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      turnCorner(c, yc, zc, beta);
    }
  }
}

// Whether segments a-b and c-d cross: both intersection parameters in 0..1; parallel
// segments never cross.
bool segmentsCross(const PolyPoint& a, const PolyPoint& b, const PolyPoint& c, const PolyPoint& d) {
  const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
  const double denominator = rx * sy - ry * sx;
  if (denominator == 0) return false;
  const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / denominator;
  const double u = ((c.x - a.x) * ry - (c.y - a.y) * rx) / denominator;
  return t >= 0 && t <= 1 && u >= 0 && u <= 1;
}

// The x of the edge from p to q at row y, in integers with truncating division.
int edgeX(const PolyPoint& p, const PolyPoint& q, int y) {
  if (q.y == p.y) return p.x;
  return p.x + static_cast<int>(static_cast<long long>(q.x - p.x) * (y - p.y) / (q.y - p.y));
}

// Whether `p` lies in the triangle, boundaries included: within its rows, between the
// left and right edge at that row.
bool insideTriangle(PolyPoint a, PolyPoint b, PolyPoint c, const PolyPoint& p) {
  if (b.y < a.y) std::swap(a, b);
  if (c.y < a.y) std::swap(a, c);
  if (c.y < b.y) std::swap(b, c);
  if (p.y < a.y || p.y > c.y) return false;
  int x1 = edgeX(a, c, p.y);
  int x2 = 0;
  if (a.y == c.y) {  // a flat triangle: its whole width on the one row
    x1 = std::min({a.x, b.x, c.x});
    x2 = std::max({a.x, b.x, c.x});
  } else if (p.y < b.y || (p.y == b.y && b.y == a.y)) {
    x2 = b.y == a.y ? b.x : edgeX(a, b, p.y);
  } else {
    x2 = c.y == b.y ? b.x : edgeX(b, c, p.y);
  }
  return std::min(x1, x2) <= p.x && p.x <= std::max(x1, x2);
}

bool isEar(const PolyLine2D& q) {
  const PolyPoint &q0 = q[0], &q1 = q[1], &q2 = q[2];
  // The turn test in single precision, as the outline's own sense decides the ears.
  const float turn = static_cast<float>(q1.x - q0.x) * static_cast<float>(q2.y - q0.y) -
                     static_cast<float>(q1.y - q0.y) * static_cast<float>(q2.x - q0.x);
  if (turn < 0) return false;
  const std::size_t count = q.size();
  if (count >= 5) {
    for (std::size_t i = 3; i + 1 < count; ++i) {
      if (segmentsCross(q0, q1, q[i], q[i + 1]) || segmentsCross(q0, q2, q[i], q[i + 1]) ||
          segmentsCross(q1, q2, q[i], q[i + 1])) {
        return false;
      }
    }
  }
  for (std::size_t i = 3; i < count; ++i) {
    if (insideTriangle(q0, q1, q2, q[i])) return false;
  }
  return true;
}

}  // namespace

void resamplePolygons(PolyLine2D& front, PolyLine2D& back) {
  if (front.empty() && back.size() >= 2) front = back;
  if (back.empty() && front.size() >= 2) back = front;
  if (front.size() < 2 || back.size() < 2 || front.size() == back.size()) return;
  PolyLine2D& fewer = front.size() < back.size() ? front : back;
  const auto a = static_cast<long>(std::max(front.size(), back.size()));
  const auto b = static_cast<long>(fewer.size());
  long remaining = a - b;
  const long per_segment = (remaining + b - 2) / (b - 1);  // ceiling
  PolyLine2D result;
  for (long i = 0; i + 1 < b; ++i) {
    const PolyPoint& p = fewer[static_cast<std::size_t>(i)];
    const PolyPoint& q = fewer[static_cast<std::size_t>(i + 1)];
    result.push_back(p);
    for (long k = 1; k <= per_segment && remaining > 0; ++k, --remaining) {
      const double f = static_cast<double>(k) / static_cast<double>(per_segment + 1);
      auto mix = [f](int u, int v) {
        return static_cast<std::int32_t>(std::lround(u + (v - u) * f));
      };
      result.push_back({mix(p.x, q.x), mix(p.y, q.y), mix(p.z, q.z), 0});
    }
  }
  result.push_back(fewer.back());
  fewer = std::move(result);
}

void triangulatePolygon(Scene& scene, Host& host, PolyLine2D q, const PolyPoint& at, int winding) {
  auto corner = [&](const PolyPoint& p) {
    return cornerOf(
        {static_cast<double>(p.x), static_cast<double>(p.y) + at.y, static_cast<double>(at.x)});
  };
  const std::size_t tries = 50 * q.size();
  for (std::size_t attempt = 0; attempt < tries && q.size() > 2; ++attempt) {
    if (isEar(q)) {
      if (winding == 0) {
        addFace(scene, host, corner(q[0]), corner(q[1]), corner(q[2]));
      } else {
        addFace(scene, host, corner(q[0]), corner(q[2]), corner(q[1]));
      }
      q.erase(q.begin() + 1);
    } else {
      std::rotate(q.begin(), q.begin() + 1, q.end());
    }
  }
}

int buildPolySolid(const PolyCreator& pc, Scene& scene, Host& host) {
  const PolyLine2D& c = pc.lines[2];
  const auto m = static_cast<int>(c.size());
  if (m < 2) return 0;
  PolyLine2D front = pc.lines[0], back = pc.lines[1];
  resamplePolygons(front, back);
  const std::size_t n = std::min(front.size(), back.size());
  front.resize(n);
  back.resize(n);
  if (pc.outside) {
    std::reverse(front.begin(), front.end());
    std::reverse(back.begin(), back.end());
  }
  const int start = scene.FaceCount;
  int front_cap_end = start;
  if (pc.closed_front) {
    triangulatePolygon(scene, host, front, c[0], 0);
    front_cap_end = scene.FaceCount;
  }
  std::vector<RingPoint> previous, ring(n);
  double yc = 0, zc = 0, beta = 0;
  for (int f = 0; f < m; ++f) {
    const double t = static_cast<double>(f) / (m - 1);
    const PolyPoint& cf = c[static_cast<std::size_t>(f)];
    double sum[3] = {0, 0, 0};
    for (std::size_t k = 0; k < n; ++k) {
      RingPoint& p = ring[k];
      p.x = front[k].x + (back[k].x - front[k].x) * t;
      p.y = front[k].y + (back[k].y - front[k].y) * t + cf.y;
      p.z = cf.x;
      sum[0] += p.x, sum[1] += p.y, sum[2] += p.z;
    }
    const double count = n > 0 ? static_cast<double>(n) : 1.0;
    yc = sum[1] / count, zc = sum[2] / count;
    if (pc.follow_edge) {
      if (f == 0) {
        beta = 0;
        if (c[1].x < c[0].x) {
          beta = 180;
          if (pc.closed_front) turnFaces(scene, start, front_cap_end, yc, zc, beta);
        }
      } else {
        const PolyPoint& ce = c[static_cast<std::size_t>(f - 1)];
        double d1 = cf.y - ce.y;
        const double d2 = cf.x - ce.x;
        if (d1 == 0) d1 = 1e-14;
        double alpha = std::atan(d2 / d1) / kDegrees;
        if (d1 >= 0 && d2 < 0) alpha += 360;
        if (d1 < 0) alpha += 180;
        beta = alpha - 90;
      }
      if (beta != 0) {
        const double cs = std::cos(beta * kDegrees), sn = std::sin(beta * kDegrees);
        for (RingPoint& p : ring) {
          const double y = p.y - yc, z = p.z - zc;
          p.y = yc + y * cs - z * sn;
          p.z = zc + z * cs + y * sn;
        }
      }
    }
    if (f >= 1) {
      for (std::size_t k = 0; k + 1 < n; ++k) {
        addFace(scene, host, cornerOf(ring[k]), cornerOf(previous[k + 1]), cornerOf(previous[k]));
        addFace(scene, host, cornerOf(ring[k]), cornerOf(ring[k + 1]), cornerOf(previous[k + 1]));
      }
    }
    previous = ring;
  }
  if (pc.closed_rear) {
    const int rear_start = scene.FaceCount;
    triangulatePolygon(scene, host, back, c.back(), 1);
    if (pc.follow_edge && beta != 0) turnFaces(scene, rear_start, scene.FaceCount, yc, zc, beta);
  }
  return scene.FaceCount - start;
}

}  // namespace facetry
