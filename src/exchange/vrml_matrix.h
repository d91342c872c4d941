// exchange/vrml_matrix.h: the affine transforms of the VRML reader, 3 rows of 4 (the last
// column the translation), applied to column vectors: p' = M p.
#pragma once
#include <array>
#include <cmath>

namespace facetry {

struct VrmlVec {
  double x = 0, y = 0, z = 0;
};

struct VrmlMatrix {
  std::array<double, 12> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};

  VrmlVec apply(const VrmlVec& p) const {
    return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3],
            m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
            m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
  }

  // This transform after `inner`: (*this) * inner.
  VrmlMatrix operator*(const VrmlMatrix& inner) const {
    VrmlMatrix r;
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 4; ++col) {
        double v = col == 3 ? m[row * 4 + 3] : 0.0;
        for (int k = 0; k < 3; ++k) v += m[row * 4 + k] * inner.m[k * 4 + col];
        r.m[row * 4 + col] = v;
      }
    }
    return r;
  }

  static VrmlMatrix translation(const VrmlVec& t) {
    VrmlMatrix r;
    r.m[3] = t.x, r.m[7] = t.y, r.m[11] = t.z;
    return r;
  }

  static VrmlMatrix scale(const VrmlVec& s) {
    VrmlMatrix r;
    r.m[0] = s.x, r.m[5] = s.y, r.m[10] = s.z;
    return r;
  }

  // A turn by `angle` radians about the axis (x, y, z), right-handed (Rodrigues); a zero
  // axis turns nothing.
  static VrmlMatrix rotation(double x, double y, double z, double angle) {
    const double length = std::sqrt(x * x + y * y + z * z);
    VrmlMatrix r;
    if (!(length > 0)) return r;
    x /= length, y /= length, z /= length;
    const double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
    r.m = {t * x * x + c,     t * x * y - s * z, t * x * z + s * y, 0,
           t * x * y + s * z, t * y * y + c,     t * y * z - s * x, 0,
           t * x * z - s * y, t * y * z + s * x, t * z * z + c,     0};
    return r;
  }

  // The inverse, or false when the transform flattens space (a zero scale).
  bool inverse(VrmlMatrix& out) const {
    const double a = m[0], b = m[1], c = m[2], d = m[4], e = m[5], f = m[6], g = m[8], h = m[9],
                 i = m[10];
    const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (!std::isfinite(det) || std::abs(det) < 1e-300) return false;
    const double q = 1 / det;
    const std::array<double, 9> n{(e * i - f * h) * q, (c * h - b * i) * q, (b * f - c * e) * q,
                                  (f * g - d * i) * q, (a * i - c * g) * q, (c * d - a * f) * q,
                                  (d * h - e * g) * q, (b * g - a * h) * q, (a * e - b * d) * q};
    for (int row = 0; row < 3; ++row) {
      out.m[row * 4 + 0] = n[row * 3 + 0];
      out.m[row * 4 + 1] = n[row * 3 + 1];
      out.m[row * 4 + 2] = n[row * 3 + 2];
      out.m[row * 4 + 3] =
          -(n[row * 3 + 0] * m[3] + n[row * 3 + 1] * m[7] + n[row * 3 + 2] * m[11]);
    }
    return true;
  }
};

}  // namespace facetry
