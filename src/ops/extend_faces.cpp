// ops/extend_faces.cpp: the subdivision patterns.
#include "ops/extend_faces.h"

#include <string>

#include "files/undo.h"
#include "ops/face_splice.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// A corner made from others: position and texture position the average of `parts`
// (computed in double), selected.
FaceCorner blend(std::initializer_list<const FaceCorner*> parts) {
  double sum[5] = {0, 0, 0, 0, 0};
  for (const FaceCorner* p : parts) {
    sum[0] += p->x;
    sum[1] += p->y;
    sum[2] += p->z;
    sum[3] += p->u;
    sum[4] += p->v;
  }
  const auto n = static_cast<double>(parts.size());
  FaceCorner c = **parts.begin();
  c.x = static_cast<float>(sum[0] / n);
  c.y = static_cast<float>(sum[1] / n);
  c.z = static_cast<float>(sum[2] / n);
  c.u = static_cast<float>(sum[3] / n);
  c.v = static_cast<float>(sum[4] / n);
  c.selected = 1;
  return c;
}

FaceCorner mid(const FaceCorner& a, const FaceCorner& b) {
  return blend({&a, &b});
}

double length3(const FaceCorner& a, const FaceCorner& b) {
  return distance(a.point(), b.point());
}

bool eligible(const Face& f) {
  return f.corners[0].selected && f.corners[1].selected && f.corners[2].selected;
}

}  // namespace

int extendPieceCount(ExtendPattern pattern) {
  switch (pattern) {
    case ExtendPattern::Simple:
      return 3;
    case ExtendPattern::Normal:
      return 4;
    case ExtendPattern::Complex:
      return 7;
    case ExtendPattern::Complex2:
      return 5;
  }
  return 1;
}

std::vector<std::array<FaceCorner, 3>> extendPieces(ExtendPattern pattern, const FaceCorner& a0,
                                                    const FaceCorner& b0, const FaceCorner& c0) {
  FaceCorner a = a0, b = b0, c = c0;
  switch (pattern) {
    case ExtendPattern::Simple: {
      const FaceCorner g = blend({&a, &b, &c});
      return {{a, b, g}, {g, b, c}, {g, c, a}};
    }
    case ExtendPattern::Normal: {
      const FaceCorner ab = mid(a, b), bc = mid(b, c), ca = mid(c, a);
      return {{a, ab, ca}, {ca, bc, c}, {ca, ab, bc}, {ab, b, bc}};
    }
    case ExtendPattern::Complex: {
      const FaceCorner g = blend({&a, &b, &c});
      const FaceCorner p = mid(a, g), q = mid(b, g), r = mid(c, g);
      return {{a, b, p}, {p, b, q}, {b, c, q}, {q, c, r}, {a, p, r}, {a, r, c}, {p, q, r}};
    }
    case ExtendPattern::Complex2: {
      // Turn (a, b, c) into (c, a, b) until a-c is a longest edge; an equal length counts
      // as longest, so two turns at most.
      for (int turn = 0; turn < 2; ++turn) {
        const double ac = length3(a, c);
        if (ac >= length3(a, b) && ac >= length3(c, b)) break;
        const FaceCorner old_a = a;
        a = c;
        c = b;
        b = old_a;
      }
      const FaceCorner m = mid(a, c);
      const FaceCorner p = mid(a, m), n = mid(m, b), q = mid(m, c);
      return {{a, b, n}, {a, n, p}, {p, n, q}, {b, c, n}, {n, c, q}};
    }
  }
  return {{a, b, c}};
}

bool extendFaces(Scene& scene, Host& host, ExtendPattern pattern) {
  long long eligible_faces = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (!o.selected) continue;
    for (int i = o.first; i <= o.last; ++i) eligible_faces += eligible(scene.face(i)) ? 1 : 0;
  }
  const long long needed = scene.FaceCount + eligible_faces * (extendPieceCount(pattern) - 1);
  if (needed > kMaxFaces) {
    host.message("Extending the selected faces needs " + std::to_string(needed) +
                     " faces; the scene holds at most " + std::to_string(kMaxFaces) +
                     ". Select fewer faces.",
                 "Error", MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  voorundo(scene);

  std::vector<ObjectFaces> lists;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (!o.selected) continue;
    ObjectFaces list{k, objectFaces(scene, k)};
    const std::size_t own = list.faces.size();
    bool changed = false;
    for (std::size_t i = 0; i < own; ++i) {
      if (!eligible(list.faces[i])) continue;
      const Face face = list.faces[i];
      const auto pieces = extendPieces(pattern, face.corners[0], face.corners[1], face.corners[2]);
      for (int j = 0; j < 3; ++j) list.faces[i].corners[j] = pieces[0][static_cast<std::size_t>(j)];
      // An inserted piece takes the face's colour and other attributes, its object and
      // the selected mark on itself and on each corner.
      for (std::size_t p = 1; p < pieces.size(); ++p) {
        Face piece = face;
        for (int j = 0; j < 3; ++j) {
          piece.corners[j] = pieces[p][static_cast<std::size_t>(j)];
          piece.corners[j].selected = 1;
        }
        piece.selected = 1;
        piece.object = k;
        list.faces.push_back(piece);
      }
      changed = true;
    }
    if (changed) lists.push_back(std::move(list));
  }
  spliceObjectFaces(scene, std::move(lists));
  return true;
}

}  // namespace facetry
