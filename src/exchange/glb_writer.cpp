// exchange/glb_writer.cpp: binary glTF 2.0, written directly: the 12-byte header, the JSON
// chunk (padded with blanks to 4 bytes) and the BIN chunk (padded with zeros).
//
// Layout: node 0 "Facetry" holds one node per closed object, named after it; an object
// with faces has one mesh of the same name. The mesh's corners that share a position are
// one vertex (one POSITION accessor per object, FLOAT VEC3 with its bounds), and each face
// colour the object uses is a primitive of triangles with unsigned int indices and a
// material of that colour: base colour (r, g, b, 1) with each byte / 255 as it is, not
// metallic. Every accessor has a buffer view of its own; all data is in 4-byte units, so
// every view starts aligned. A scene without faces is a file with the nodes and no buffer.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "exchange/assimp_writer.h"
#include "exchange/mesh_export.h"

namespace facetry {

namespace {

constexpr std::uint32_t kGlbMagic = 0x46546C67;   // "glTF"
constexpr std::uint32_t kJsonChunk = 0x4E4F534A;  // "JSON"
constexpr std::uint32_t kBinChunk = 0x004E4942;   // "BIN\0"
constexpr int kFloatComponent = 5126;
constexpr int kUnsignedIntComponent = 5125;
constexpr int kVertexTarget = 34962;  // ARRAY_BUFFER
constexpr int kIndexTarget = 34963;   // ELEMENT_ARRAY_BUFFER

// The length of the UTF-8 sequence starting at text[i] when it is well formed (no
// overlong forms, surrogates or code points past U+10FFFF), else 0.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) {
    return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
  };
  const unsigned lead = byte(0);
  std::size_t n;
  unsigned low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t k = 2; k < n; ++k) {
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  }
  return n;
}

// `text` as a JSON string: quotes, backslashes and control characters escaped. The file
// must be UTF-8, so a byte that starts no well-formed sequence is taken as Latin-1.
void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", c);
      out += escape;
    } else if (c >= 0x80) {
      const std::size_t n = utf8Length(text, i);
      if (n > 0) {
        out.append(text, i, n);
        i += n;
        continue;
      }
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  out += '"';
}

// Comma-separated JSON arrays filled an element at a time.
struct JsonList {
  std::string text;
  std::uint32_t count = 0;
  std::string& next() {
    if (count++ > 0) text += ',';
    return text;
  }
};

void appendFloats(std::string& out, std::initializer_list<float> values) {
  out += '[';
  bool first = true;
  for (float v : values) {
    if (!first) out += ',';
    first = false;
    appendFloat(out, v);
  }
  out += ']';
}

class GlbBuilder {
 public:
  // The position block of one object; returns its accessor.
  std::uint32_t addPositions(const std::vector<Point3>& positions) {
    // JSON has no infinities or NaN: the bounds are over the finite coordinates.
    constexpr float kBig = std::numeric_limits<float>::max();
    float low[3] = {kBig, kBig, kBig}, high[3] = {-kBig, -kBig, -kBig};
    for (const Point3& p : positions) {
      const float xyz[3] = {p.x, p.y, p.z};
      for (int a = 0; a < 3; ++a) {
        if (!std::isfinite(xyz[a])) continue;
        low[a] = std::min(low[a], xyz[a]);
        high[a] = std::max(high[a], xyz[a]);
      }
    }
    for (int a = 0; a < 3; ++a) {
      if (low[a] > high[a]) low[a] = high[a] = 0;
    }
    const std::size_t bytes = positions.size() * sizeof(Point3);
    const std::uint32_t view = addView(bytes, kVertexTarget);
    bin.append(reinterpret_cast<const char*>(positions.data()), bytes);
    std::string& a = accessors.next();
    a += "{\"bufferView\":";
    appendInt(a, view);
    a += ",\"componentType\":";
    appendInt(a, kFloatComponent);
    a += ",\"count\":";
    appendInt(a, static_cast<long long>(positions.size()));
    a += ",\"type\":\"VEC3\",\"min\":";
    appendFloats(a, {low[0], low[1], low[2]});
    a += ",\"max\":";
    appendFloats(a, {high[0], high[1], high[2]});
    a += '}';
    return accessors.count - 1;
  }

  // Room for `count` indices at the end of the BIN chunk; returns its accessor.
  std::uint32_t addIndices(std::size_t count) {
    const std::uint32_t view = addView(count * 4, kIndexTarget);
    bin.resize(bin.size() + count * 4);
    std::string& a = accessors.next();
    a += "{\"bufferView\":";
    appendInt(a, view);
    a += ",\"componentType\":";
    appendInt(a, kUnsignedIntComponent);
    a += ",\"count\":";
    appendInt(a, static_cast<long long>(count));
    a += ",\"type\":\"SCALAR\"}";
    return accessors.count - 1;
  }

  // The material of a face colour, made on its first use.
  std::uint32_t materialOf(Rgb c) {
    const std::uint32_t key = static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue);
    const auto [it, added] = material_of_.emplace(key, materials.count);
    if (added) {
      std::string& m = materials.next();
      m += "{\"name\":\"" + colourName(c) + "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":";
      appendFloats(m, {c.red / 255.0f, c.green / 255.0f, c.blue / 255.0f, 1.0f});
      m += ",\"metallicFactor\":0}}";
    }
    return it->second;
  }

  // The whole file: header, JSON chunk, BIN chunk (left out when it is empty).
  std::string file(const std::string& nodes_json, std::uint32_t objects) const {
    std::string json =
        "{\"asset\":{\"version\":\"2.0\",\"generator\":\"Facetry\"},\"scene\":0,"
        "\"scenes\":[{\"nodes\":[0]}],\"nodes\":[{\"name\":\"Facetry\"";
    if (objects > 0) {
      json += ",\"children\":[";
      for (std::uint32_t k = 1; k <= objects; ++k) {
        if (k > 1) json += ',';
        appendInt(json, k);
      }
      json += ']';
    }
    json += '}' + nodes_json + ']';
    const auto list = [&json](const char* name, const JsonList& items) {
      if (items.count == 0) return;  // glTF allows no empty arrays
      json += ",\"";
      json += name;
      json += "\":[" + items.text + ']';
    };
    list("meshes", meshes);
    list("materials", materials);
    list("accessors", accessors);
    list("bufferViews", views_);
    if (!bin.empty()) {
      json += ",\"buffers\":[{\"byteLength\":";
      appendInt(json, static_cast<long long>(bin.size()));
      json += "}]";
    }
    json += '}';
    json.resize((json.size() + 3) / 4 * 4, ' ');
    const std::size_t bin_padded = (bin.size() + 3) / 4 * 4;
    const std::size_t total = 12 + 8 + json.size() + (bin.empty() ? 0 : 8 + bin_padded);
    std::string out;
    out.reserve(total);
    appendBytes(out, kGlbMagic);
    appendBytes(out, std::uint32_t{2});
    appendBytes(out, static_cast<std::uint32_t>(total));
    appendBytes(out, static_cast<std::uint32_t>(json.size()));
    appendBytes(out, kJsonChunk);
    out += json;
    if (!bin.empty()) {
      appendBytes(out, static_cast<std::uint32_t>(bin_padded));
      appendBytes(out, kBinChunk);
      out += bin;
      out.resize(total, '\0');
    }
    return out;
  }

  std::string bin;
  JsonList accessors, materials, meshes;

 private:
  std::uint32_t addView(std::size_t bytes, int target) {
    std::string& v = views_.next();
    v += "{\"buffer\":0,\"byteOffset\":";
    appendInt(v, static_cast<long long>(bin.size()));
    v += ",\"byteLength\":";
    appendInt(v, static_cast<long long>(bytes));
    v += ",\"target\":";
    appendInt(v, target);
    v += '}';
    return views_.count - 1;
  }

  JsonList views_;
  std::unordered_map<std::uint32_t, std::uint32_t> material_of_;
};

}  // namespace

void writeGlb(const Scene& scene, const ViewState& views, const std::string& path) {
  const ExportAxes axes{views.CentrePoint};
  GlbBuilder glb;
  glb.bin.reserve(static_cast<std::size_t>(closedExportFaces(scene)) * 20);
  std::string nodes;
  SharedCorners shared;
  // Per object: the primitive of each face, the primitives' materials and face counts.
  std::vector<std::uint32_t> primitive_of;
  std::vector<std::uint32_t> primitive_material, primitive_faces;
  std::unordered_map<std::uint32_t, std::uint32_t> primitive_of_material;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    const std::string name = exportObjectName(o, k);
    nodes += ",{\"name\":";
    appendJsonString(nodes, name);
    if (o.last < o.first) {
      nodes += '}';
      continue;
    }
    nodes += ",\"mesh\":";
    appendInt(nodes, glb.meshes.count);
    nodes += '}';

    shared.collect(scene, axes, o.first, o.last);
    const std::uint32_t positions = glb.addPositions(shared.positions);
    primitive_of.clear();
    primitive_material.clear();
    primitive_faces.clear();
    primitive_of_material.clear();
    Rgb last{};
    std::uint32_t last_primitive = 0;
    for (int i = o.first; i <= o.last; ++i) {
      const Rgb c = colourOf(scene.face(i));
      // Runs of one colour are the rule, so the last one is tried first.
      if (i == o.first || !sameColour(c, last)) {
        const std::uint32_t material = glb.materialOf(c);
        const auto [it, added] = primitive_of_material.emplace(
            material, static_cast<std::uint32_t>(primitive_material.size()));
        if (added) {
          primitive_material.push_back(material);
          primitive_faces.push_back(0);
        }
        last = c;
        last_primitive = it->second;
      }
      primitive_of.push_back(last_primitive);
      ++primitive_faces[last_primitive];
    }
    // The index blocks follow one another; each primitive's faces keep their order.
    std::vector<std::size_t> next(primitive_faces.size());
    std::string& mesh = glb.meshes.next();
    mesh += "{\"name\":";
    appendJsonString(mesh, name);
    mesh += ",\"primitives\":[";
    for (std::size_t p = 0; p < primitive_faces.size(); ++p) {
      next[p] = glb.bin.size();
      const std::uint32_t indices = glb.addIndices(3 * std::size_t{primitive_faces[p]});
      if (p > 0) mesh += ',';
      mesh += "{\"attributes\":{\"POSITION\":";
      appendInt(mesh, positions);
      mesh += "},\"indices\":";
      appendInt(mesh, indices);
      mesh += ",\"material\":";
      appendInt(mesh, primitive_material[p]);
      mesh += ",\"mode\":4}";
    }
    mesh += "]}";
    for (std::size_t j = 0; j < primitive_of.size(); ++j) {
      std::size_t& at = next[primitive_of[j]];
      std::memcpy(&glb.bin[at], &shared.corners[3 * j], 12);
      at += 12;
    }
  }
  writeWholeFile(path, glb.file(nodes, static_cast<std::uint32_t>(scene.ObjectCount)));
}

}  // namespace facetry
