// exchange/assimp_writer.cpp: OBJ, STL and PLY, written directly (they are simple and
// their colour rules are ours).
#include "exchange/assimp_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "exchange/mesh_export.h"

namespace facetry {

namespace {

// Text written in place at its end, with room made ahead: a line at a time through
// std::string::append costs as much as the numbers in it.
class TextOut {
 public:
  char* room(std::size_t bytes) {
    if (text_.size() - used_ < bytes) text_.resize(std::max(2 * text_.size(), used_ + bytes));
    return text_.data() + used_;
  }
  void done(const char* end) { used_ = static_cast<std::size_t>(end - text_.data()); }
  void append(std::string_view text) {
    char* at = room(text.size());
    std::memcpy(at, text.data(), text.size());
    done(at + text.size());
  }
  std::string take() {
    text_.resize(used_);
    return std::move(text_);
  }

 private:
  std::string text_;
  std::size_t used_ = 0;
};

// One "v X Y Z" line.
void appendVertexLine(TextOut& out, FloatTexts& texts, const Point3& p) {
  char* end = out.room(64);
  *end++ = 'v';
  for (float value : {p.x, p.y, p.z}) {
    *end++ = ' ';
    end = texts.put(end, value);
  }
  *end++ = '\n';
  out.done(end);
}

// One "f A B C" line of 1-based vertex numbers.
void appendFaceLine(TextOut& out, const std::uint32_t* corners, long long base) {
  char* end = out.room(80);
  *end++ = 'f';
  for (int c = 0; c < 3; ++c) {
    *end++ = ' ';
    end = std::to_chars(end, end + 24, base + corners[c]).ptr;
  }
  *end++ = '\n';
  out.done(end);
}

}  // namespace

void writeObj(const Scene& scene, const ViewState& views, const std::string& path) {
  const ExportAxes axes{views.CentrePoint};
  const std::filesystem::path mtl = std::filesystem::path(path).replace_extension(".mtl");
  TextOut out;
  // A vertex line is about 30 bytes and a face line 22; a closed surface has about half as
  // many distinct corner positions as faces, a scene of many small objects about as many.
  out.room(static_cast<std::size_t>(closedExportFaces(scene)) * 56 + 4096);
  out.append("# Facetry\nmtllib " + mtl.filename().string() + "\n");
  std::string materials = "# Facetry\n";
  std::unordered_set<std::uint32_t> named;
  SharedCorners shared;
  FloatTexts texts;
  long long vertex = 1;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    std::string name = exportObjectName(o, k);
    for (char& c : name) {
      if (c == ' ' || c == '\t') c = '_';
    }
    out.append("o " + name + "\n");
    shared.collect(scene, axes, o.first, o.last);
    for (const Point3& p : shared.positions) appendVertexLine(out, texts, p);
    bool first = true;
    Rgb current{};
    for (int i = o.first; i <= o.last; ++i) {
      const Rgb c = colourOf(scene.face(i));
      if (first || !sameColour(c, current)) {
        out.append("usemtl " + colourName(c) + "\n");
        current = c;
        first = false;
        if (named.insert(static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue)).second) {
          char line[96];
          std::snprintf(line, sizeof line, "newmtl %s\nKd %.6f %.6f %.6f\n", colourName(c).c_str(),
                        c.red / 255.0, c.green / 255.0, c.blue / 255.0);
          materials += line;
        }
      }
      appendFaceLine(out, &shared.corners[3 * static_cast<std::size_t>(i - o.first)], vertex);
    }
    vertex += static_cast<long long>(shared.positions.size());
  }
  writeWholeFile(mtl.string(), materials);
  writeWholeFile(path, out.take());
}

void writeStl(const Scene& scene, const ViewState& views, const std::string& path) {
  const ExportAxes axes{views.CentrePoint};
  const int faces = closedExportFaces(scene);
  std::string out(80, '\0');
  out.replace(0, 11, "Facetry STL");
  appendBytes(out, static_cast<std::uint32_t>(faces));
  out.reserve(out.size() + static_cast<std::size_t>(faces) * 50);
  for (int i = 0; i < faces; ++i) {
    const Face& f = scene.face(i);
    Point3 p[3];
    for (int c = 0; c < 3; ++c) p[c] = axes.of(f.corners[kFileCornerOrder[c]]);
    const Point3 u{p[1].x - p[0].x, p[1].y - p[0].y, p[1].z - p[0].z};
    const Point3 v{p[2].x - p[0].x, p[2].y - p[0].y, p[2].z - p[0].z};
    Point3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length > 0 && std::isfinite(length)) n = {n.x / length, n.y / length, n.z / length};
    const float values[12] = {n.x,    n.y,    n.z,    p[0].x, p[0].y, p[0].z,
                              p[1].x, p[1].y, p[1].z, p[2].x, p[2].y, p[2].z};
    out.append(reinterpret_cast<const char*>(values), sizeof values);
    appendBytes(out, std::uint16_t{0});
  }
  writeWholeFile(path, out);
}

void writePly(const Scene& scene, const ViewState& views, const std::string& path) {
  const ExportAxes axes{views.CentrePoint};
  const int faces = closedExportFaces(scene);
  std::string out = "ply\nformat binary_little_endian 1.0\ncomment Facetry\n";
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    out += "comment object " + exportObjectName(o, k) + " " + std::to_string(o.first) + " " +
           std::to_string(o.last) + "\n";
  }
  out += "element vertex " + std::to_string(3LL * faces) +
         "\nproperty float x\nproperty float y\nproperty float z\n"
         "property uchar red\nproperty uchar green\nproperty uchar blue\n"
         "element face " +
         std::to_string(faces) +
         "\nproperty list uchar int vertex_indices\n"
         "property uchar red\nproperty uchar green\nproperty uchar blue\nend_header\n";
  out.reserve(out.size() + static_cast<std::size_t>(faces) * (3 * 15 + 16));
  for (int i = 0; i < faces; ++i) {
    const Face& f = scene.face(i);
    for (int c : kFileCornerOrder) {
      const Point3 p = axes.of(f.corners[c]);
      appendBytes(out, p.x);
      appendBytes(out, p.y);
      appendBytes(out, p.z);
      appendBytes(out, f.red);
      appendBytes(out, f.green);
      appendBytes(out, f.blue);
    }
  }
  for (int i = 0; i < faces; ++i) {
    const Face& f = scene.face(i);
    appendBytes(out, std::uint8_t{3});
    for (int c = 0; c < 3; ++c) appendBytes(out, static_cast<std::int32_t>(3 * i + c));
    appendBytes(out, f.red);
    appendBytes(out, f.green);
    appendBytes(out, f.blue);
  }
  writeWholeFile(path, out);
}

}  // namespace facetry
