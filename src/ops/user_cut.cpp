// ops/user_cut.cpp: the two-click cut of the selected faces.
#include "ops/user_cut.h"

#include <cstdlib>
#include <string>

#include "edit/tool_modes.h"
#include "files/undo.h"
#include "ops/face_splice.h"
#include "scene/geometry.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

std::int64_t magnitude(std::int64_t v) {
  return v < 0 ? -v : v;
}

// One planned cut: the face's new corners and the two faces inserted after it.
struct CutPieces {
  std::array<FaceCorner, 3> face;
  std::array<std::array<FaceCorner, 3>, 2> inserted;
};

std::optional<CutPieces> cutFace(const Face& f,
                                 const std::vector<std::array<std::int64_t, 2>>& cut) {
  std::array<std::array<std::int64_t, 3>, 3> p{};
  for (int i = 0; i < 3; ++i) {
    const auto t = truncPoint(f.corners[i].point());
    p[static_cast<std::size_t>(i)] = {t[0], t[1], t[2]};
  }
  std::array<std::optional<std::array<std::int64_t, 3>>, 3> met;
  int count = 0;
  for (int e = 0; e < 3; ++e) {
    met[static_cast<std::size_t>(e)] =
        edgeMeetsCut(cut, p[static_cast<std::size_t>(e)], p[static_cast<std::size_t>((e + 1) % 3)]);
    if (met[static_cast<std::size_t>(e)]) ++count;
  }
  if (count != 2) return std::nullopt;

  // A crossing corner is the face's first corner moved to the crossing.
  auto corner = [&f](const std::array<std::int64_t, 3>& at) {
    FaceCorner c = f.corners[0];
    c.x = static_cast<float>(at[0]);
    c.y = static_cast<float>(at[1]);
    c.z = static_cast<float>(at[2]);
    return c;
  };
  const FaceCorner& a = f.corners[0];
  const FaceCorner& b = f.corners[1];
  const FaceCorner& c = f.corners[2];
  CutPieces pieces;
  if (met[0] && met[1]) {
    const FaceCorner x = corner(*met[0]), y = corner(*met[1]);
    pieces = {{a, x, y}, {{{x, b, y}, {a, y, c}}}};
  } else if (met[0] && met[2]) {
    const FaceCorner x = corner(*met[0]), y = corner(*met[2]);
    pieces = {{a, x, y}, {{{x, b, c}, {y, x, c}}}};
  } else {
    const FaceCorner x = corner(*met[1]), y = corner(*met[2]);
    pieces = {{a, x, y}, {{{a, b, x}, {y, x, c}}}};
  }
  return pieces;
}

}  // namespace

std::vector<std::array<std::int64_t, 2>> cutWalk(std::int64_t sx, std::int64_t sy, std::int64_t ex,
                                                 std::int64_t ey) {
  std::vector<std::array<std::int64_t, 2>> points;
  if (sx == ex && sy == ey) return points;
  const bool along_x = magnitude(ex - sx) > magnitude(ey - sy);
  // (long, other) from the end with the smaller long value.
  std::int64_t l0 = along_x ? sx : sy, o0 = along_x ? sy : sx;
  std::int64_t l1 = along_x ? ex : ey, o1 = along_x ? ey : ex;
  if (l1 < l0) {
    std::swap(l0, l1);
    std::swap(o0, o1);
  }
  const std::int64_t length = l1 - l0;
  points.reserve(static_cast<std::size_t>(length) + 1);
  for (std::int64_t k = 0; k <= length; ++k) {
    const std::int64_t other = o0 + (o1 - o0) * k / length;
    points.push_back(along_x ? std::array<std::int64_t, 2>{l0 + k, other}
                             : std::array<std::int64_t, 2>{other, l0 + k});
  }
  return points;
}

std::optional<std::array<std::int64_t, 3>> edgeMeetsCut(
    const std::vector<std::array<std::int64_t, 2>>& cut, const std::array<std::int64_t, 3>& p,
    const std::array<std::int64_t, 3>& q) {
  const std::int64_t dx = q[0] - p[0], dy = q[1] - p[1];
  if (dx == 0 && dy == 0) return std::nullopt;
  const int along = magnitude(dy) < magnitude(dx) ? 0 : 1;
  const int other = 1 - along;
  std::array<std::int64_t, 3> s = p, e = q;
  if (e[static_cast<std::size_t>(along)] < s[static_cast<std::size_t>(along)]) std::swap(s, e);
  const auto la = static_cast<std::size_t>(along), lo = static_cast<std::size_t>(other);
  const std::int64_t length = e[la] - s[la];
  // The edge's walk holds one point per value on its long axis, so a line point is on it
  // exactly when the walk's point at that value is the same point.
  for (const auto& point : cut) {
    const std::int64_t k = point[la] - s[la];
    if (k < 0 || k > length) continue;
    if (s[lo] + (e[lo] - s[lo]) * k / length != point[lo]) continue;
    return std::array<std::int64_t, 3>{point[0], point[1], s[2] + (e[2] - s[2]) * k / length};
  }
  return std::nullopt;
}

bool userCut(Scene& scene, Host& host, double sx, double sy, double ex, double ey) {
  const auto cut = cutWalk(truncToInt(sx), truncToInt(sy), truncToInt(ex), truncToInt(ey));
  std::vector<ObjectFaces> lists;
  long long inserted = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    ObjectFaces list{k, {}};
    bool changed = false;
    for (const Face& f : objectFaces(scene, k)) {
      const auto pieces = f.selected ? cutFace(f, cut) : std::nullopt;
      if (!pieces) {
        list.faces.push_back(f);
        continue;
      }
      Face rewritten = f;
      for (int j = 0; j < 3; ++j) rewritten.corners[j] = pieces->face[static_cast<std::size_t>(j)];
      list.faces.push_back(rewritten);
      for (const auto& corners : pieces->inserted) {
        Face piece = f;  // an inserted face starts as a copy of the face it follows
        for (int j = 0; j < 3; ++j) {
          piece.corners[j] = corners[static_cast<std::size_t>(j)];
          piece.corners[j].selected = 1;
        }
        list.faces.push_back(piece);
      }
      inserted += 2;
      changed = true;
    }
    if (changed) lists.push_back(std::move(list));
  }
  if (scene.FaceCount + inserted > kMaxFaces) {
    host.message("The cut needs " + std::to_string(scene.FaceCount + inserted) +
                     " faces; the scene holds at most " + std::to_string(kMaxFaces) + ".",
                 "Error", MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  voorundo(scene);
  spliceObjectFaces(scene, std::move(lists));
  return true;
}

void chooseUserExtend(ToolState& tools, Scene& scene) {
  allesfout(tools, scene);
  tools.ToolMode = ModeNone;  // the clicks are the cut's alone
  tools.flags.userExtendOn = true;
  tools.FirstClick = {};
  tools.SecondClick = {};
}

bool userExtendClick(Workspace& ws, Host& host, View view, float a, float b, float c) {
  if (view != View::Front) {
    host.status("The user cut works in the front view: click there.");
    return false;
  }
  ToolState& t = ws.tools;
  if (t.FirstClick.a == 0) {
    t.FirstClick = {a, b, c};
    return false;
  }
  t.SecondClick = {a, b, c};
  const ClickPoint start = t.FirstClick;
  t.FirstClick = {};
  return userCut(ws.scene, host, start.a, start.b, a, b);
}

}  // namespace facetry
