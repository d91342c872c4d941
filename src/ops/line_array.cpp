// ops/line_array.cpp: the line array: the profile copied along the path into "lijnar", the
// preview, and the copies joined into faces.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ops/array_tools.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openScratch(const char* name, const char* mode) {
  File f(std::fopen(name, mode));
  if (!f) throw IoError(std::string("Cannot open \"") + name + "\": " + std::strerror(errno));
  return f;
}

Point3 truncated(const Point3& p) {
  return {std::trunc(p.x), std::trunc(p.y), std::trunc(p.z)};
}

std::vector<Point3> listPoints(const ClickList& list, View view, const Point3& depth) {
  std::vector<Point3> points;
  for (int i = 0; i < list.count; ++i) {
    const auto& p = list.points[static_cast<std::size_t>(i)];
    points.push_back(fromView(view, static_cast<float>(p[0]), static_cast<float>(p[1]), depth));
  }
  return points;
}

}  // namespace

LineArrayInput lineArrayPoints(const ToolState& tools, View profile_view, View path_view,
                               const Point3& centre) {
  LineArrayInput input;
  input.path = listPoints(tools.ClickList2, path_view, centre);
  // The reference point: the centre truncated, with the first path point's two view
  // coordinates; the profile lies at its depth.
  Point3 reference = truncated(centre);
  if (tools.ClickList2.count > 0) {
    const auto& q0 = tools.ClickList2.points[0];
    reference =
        fromView(path_view, static_cast<float>(q0[0]), static_cast<float>(q0[1]), reference);
  }
  input.profile = listPoints(tools.ClickList1, profile_view, reference);
  return input;
}

void writeLineArrayCopies(const LineArrayInput& input) {
  File f = openScratch(kLineArrayFile, "wb");
  bool ok = true;
  for (const Point3& q : input.path) {
    const Point3& q0 = input.path.front();
    for (const Point3& p : input.profile) {
      FaceCorner record;
      record.setPoint({p.x + (q.x - q0.x), p.y + (q.y - q0.y), p.z + (q.z - q0.z)});
      ok = ok && std::fwrite(&record, sizeof record, 1, f.get()) == 1;
    }
  }
  if (!ok || std::fflush(f.get()) != 0)
    throw IoError(std::string("Cannot write \"") + kLineArrayFile + "\"");
}

std::vector<std::vector<Point3>> readLineArrayCopies(int profile_count) {
  std::vector<std::vector<Point3>> copies;
  if (profile_count <= 0) return copies;
  File f = openScratch(kLineArrayFile, "rb");
  for (;;) {
    std::vector<Point3> copy;
    FaceCorner record;
    while (static_cast<int>(copy.size()) < profile_count &&
           std::fread(&record, sizeof record, 1, f.get()) == 1) {
      copy.push_back(record.point());
    }
    if (static_cast<int>(copy.size()) < profile_count) break;  // a short tail is not a copy
    copies.push_back(std::move(copy));
  }
  if (std::ferror(f.get())) throw IoError(std::string("Cannot read \"") + kLineArrayFile + "\"");
  return copies;
}

bool lijnarray(Scene& scene, Host& host, ToolState& tools, ArrayCurveState& state,
               View profile_view, View path_view, const Point3& centre) {
  const LineArrayInput input = lineArrayPoints(tools, profile_view, path_view, centre);
  int result = 4;
  while (result >= 3) {
    writeLineArrayCopies(input);
    result = state.previewLineArray ? state.previewLineArray() : 1;
  }
  bool added = false;
  if (result == 1) {
    const auto copies = readLineArrayCopies(static_cast<int>(input.profile.size()));
    for (std::size_t i = 1; i < copies.size(); ++i) {
      const auto& o = copies[i - 1];
      const auto& c = copies[i];
      for (std::size_t j = 0; j + 1 < c.size(); ++j) {
        FaceCorner cj, cj1, oj, oj1;
        cj.setPoint(c[j]);
        cj1.setPoint(c[j + 1]);
        oj.setPoint(o[j]);
        oj1.setPoint(o[j + 1]);
        added |= addFace(scene, host, cj, cj1, oj);
        added |= addFace(scene, host, cj1, oj1, oj);
      }
    }
    if (added) closeObject(scene, host, true, true);
  }
  tools.ClickList1.count = 0;
  tools.ClickList2.count = 0;
  return added;
}

}  // namespace facetry
