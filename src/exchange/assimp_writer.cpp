// exchange/assimp_writer.cpp: OBJ, STL and PLY written directly (they are simple and their
// colour rules are ours), glTF binary through assimp's exporter.
#include "exchange/assimp_writer.h"

#include <assimp/cexport.h>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <array>
#include <assimp/Exporter.hpp>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

#include "scene/errors.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

struct Axes {
  Point3 centre;
  Point3 of(const FaceCorner& c) const { return {c.x - centre.x, centre.y - c.y, c.z - centre.z}; }
};

// Corner order on the file: 0, 2, 1.
constexpr int kOrder[3] = {0, 2, 1};

int closedFaces(const Scene& scene) {
  return scene.ObjectCount > 0
             ? scene.ObjectTable[static_cast<std::size_t>(scene.ObjectCount - 1)].last + 1
             : 0;
}

Rgb colourOf(const Face& f) {
  return {f.red, f.green, f.blue};
}

std::string colourName(Rgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "colour_%02X%02X%02X", c.red, c.green, c.blue);
  return text;
}

void appendNumber(std::string& out, float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

void appendInt(std::string& out, long long value) {
  char text[24];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

template <typename T>
void put(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void writeBytes(const std::string& path, const std::string& bytes) {
  AtomicFileWriter out(path);
  out.write(bytes.data(), bytes.size());
  out.commit();
}

std::string objName(const ModelObject& o, int k) {
  std::string name = o.name.str();
  for (char& c : name) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return name.empty() ? "Object_" + std::to_string(k) : name;
}

}  // namespace

void writeObj(const Scene& scene, const ViewState& views, const std::string& path) {
  const Axes axes{views.CentrePoint};
  const std::filesystem::path mtl = std::filesystem::path(path).replace_extension(".mtl");
  std::string out = "# Facetry\nmtllib " + mtl.filename().string() + "\n";
  std::string materials = "# Facetry\n";
  std::map<std::array<std::uint8_t, 3>, bool> named;
  long long vertex = 1;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    std::string name = objName(o, k);
    for (char& c : name) {
      if (c == ' ' || c == '\t') c = '_';
    }
    out += "o " + name + "\n";
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.face(i);
      for (int c : kOrder) {
        const Point3 p = axes.of(f.corners[c]);
        out += "v ";
        appendNumber(out, p.x);
        out += ' ';
        appendNumber(out, p.y);
        out += ' ';
        appendNumber(out, p.z);
        out += '\n';
      }
    }
    bool first = true;
    Rgb current{};
    for (int i = o.first; i <= o.last; ++i, vertex += 3) {
      const Rgb c = colourOf(scene.face(i));
      if (first || c.red != current.red || c.green != current.green || c.blue != current.blue) {
        out += "usemtl " + colourName(c) + "\n";
        current = c;
        first = false;
        if (named.emplace(std::array<std::uint8_t, 3>{c.red, c.green, c.blue}, true).second) {
          char line[96];
          std::snprintf(line, sizeof line, "newmtl %s\nKd %.6f %.6f %.6f\n", colourName(c).c_str(),
                        c.red / 255.0, c.green / 255.0, c.blue / 255.0);
          materials += line;
        }
      }
      out += "f ";
      appendInt(out, vertex);
      out += ' ';
      appendInt(out, vertex + 1);
      out += ' ';
      appendInt(out, vertex + 2);
      out += '\n';
    }
  }
  writeBytes(mtl.string(), materials);
  writeBytes(path, out);
}

void writeStl(const Scene& scene, const ViewState& views, const std::string& path) {
  const Axes axes{views.CentrePoint};
  const int faces = closedFaces(scene);
  std::string out(80, '\0');
  out.replace(0, 11, "Facetry STL");
  put(out, static_cast<std::uint32_t>(faces));
  out.reserve(out.size() + static_cast<std::size_t>(faces) * 50);
  for (int i = 0; i < faces; ++i) {
    const Face& f = scene.face(i);
    Point3 p[3];
    for (int c = 0; c < 3; ++c) p[c] = axes.of(f.corners[kOrder[c]]);
    const Point3 u{p[1].x - p[0].x, p[1].y - p[0].y, p[1].z - p[0].z};
    const Point3 v{p[2].x - p[0].x, p[2].y - p[0].y, p[2].z - p[0].z};
    Point3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length > 0 && std::isfinite(length)) n = {n.x / length, n.y / length, n.z / length};
    const float values[12] = {n.x,    n.y,    n.z,    p[0].x, p[0].y, p[0].z,
                              p[1].x, p[1].y, p[1].z, p[2].x, p[2].y, p[2].z};
    out.append(reinterpret_cast<const char*>(values), sizeof values);
    put(out, std::uint16_t{0});
  }
  writeBytes(path, out);
}

void writePly(const Scene& scene, const ViewState& views, const std::string& path) {
  const Axes axes{views.CentrePoint};
  const int faces = closedFaces(scene);
  std::string out = "ply\nformat binary_little_endian 1.0\ncomment Facetry\n";
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    out += "comment object " + objName(o, k) + " " + std::to_string(o.first) + " " +
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
    for (int c : kOrder) {
      const Point3 p = axes.of(f.corners[c]);
      put(out, p.x);
      put(out, p.y);
      put(out, p.z);
      put(out, f.red);
      put(out, f.green);
      put(out, f.blue);
    }
  }
  for (int i = 0; i < faces; ++i) {
    const Face& f = scene.face(i);
    put(out, std::uint8_t{3});
    for (int c = 0; c < 3; ++c) put(out, static_cast<std::int32_t>(3 * i + c));
    put(out, f.red);
    put(out, f.green);
    put(out, f.blue);
  }
  writeBytes(path, out);
}

void writeGlb(const Scene& scene, const ViewState& views, const std::string& path) {
  const Axes axes{views.CentrePoint};
  // Materials: one per face colour in first-use order.
  std::map<std::array<std::uint8_t, 3>, unsigned> material_of;
  std::vector<Rgb> colours;
  // Meshes: per object, one per colour it uses.
  struct MeshPlan {
    int object;
    unsigned material;
    std::vector<int> faces;
  };
  std::vector<MeshPlan> plans;
  std::vector<std::vector<unsigned>> object_meshes(static_cast<std::size_t>(scene.ObjectCount));
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    std::map<unsigned, std::size_t> plan_of;
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.face(i);
      const std::array<std::uint8_t, 3> key{f.red, f.green, f.blue};
      auto [m, added] = material_of.emplace(key, static_cast<unsigned>(colours.size()));
      if (added) colours.push_back(colourOf(f));
      auto [p, fresh] = plan_of.emplace(m->second, plans.size());
      if (fresh) {
        object_meshes[static_cast<std::size_t>(k)].push_back(static_cast<unsigned>(plans.size()));
        plans.push_back({k, m->second, {}});
      }
      plans[p->second].faces.push_back(i);
    }
  }
  auto out = std::make_unique<aiScene>();
  if (colours.empty()) colours.push_back(scene.CurrentColour);
  out->mNumMaterials = static_cast<unsigned>(colours.size());
  out->mMaterials = new aiMaterial*[colours.size()];
  for (std::size_t m = 0; m < colours.size(); ++m) {
    auto* material = new aiMaterial();
    const aiColor4D c(colours[m].red / 255.0f, colours[m].green / 255.0f, colours[m].blue / 255.0f,
                      1);
    material->AddProperty(&c, 1, AI_MATKEY_COLOR_DIFFUSE);
    material->AddProperty(&c, 1, AI_MATKEY_BASE_COLOR);
    const aiString name(colourName(colours[m]));
    material->AddProperty(&name, AI_MATKEY_NAME);
    out->mMaterials[m] = material;
  }
  out->mNumMeshes = static_cast<unsigned>(plans.size());
  out->mMeshes = new aiMesh*[plans.size() ? plans.size() : 1];
  for (std::size_t m = 0; m < plans.size(); ++m) {
    auto* mesh = new aiMesh();
    const MeshPlan& plan = plans[m];
    mesh->mName = objName(scene.object(plan.object), plan.object);
    mesh->mMaterialIndex = plan.material;
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    const unsigned n = static_cast<unsigned>(plan.faces.size());
    mesh->mNumVertices = 3 * n;
    mesh->mVertices = new aiVector3D[3 * n];
    mesh->mNumFaces = n;
    mesh->mFaces = new aiFace[n];
    for (unsigned j = 0; j < n; ++j) {
      const Face& f = scene.face(plan.faces[j]);
      aiFace& face = mesh->mFaces[j];
      face.mNumIndices = 3;
      face.mIndices = new unsigned[3];
      for (unsigned c = 0; c < 3; ++c) {
        const Point3 p = axes.of(f.corners[kOrder[c]]);
        mesh->mVertices[3 * j + c] = aiVector3D(p.x, p.y, p.z);
        face.mIndices[c] = 3 * j + c;
      }
    }
    out->mMeshes[m] = mesh;
  }
  out->mRootNode = new aiNode("Facetry");
  out->mRootNode->mNumChildren = static_cast<unsigned>(scene.ObjectCount);
  out->mRootNode->mChildren = new aiNode*[scene.ObjectCount > 0 ? scene.ObjectCount : 1];
  for (int k = 0; k < scene.ObjectCount; ++k) {
    auto* node = new aiNode(objName(scene.object(k), k));
    node->mParent = out->mRootNode;
    const auto& meshes = object_meshes[static_cast<std::size_t>(k)];
    node->mNumMeshes = static_cast<unsigned>(meshes.size());
    node->mMeshes = new unsigned[meshes.size() ? meshes.size() : 1];
    for (std::size_t j = 0; j < meshes.size(); ++j) node->mMeshes[j] = meshes[j];
    out->mRootNode->mChildren[k] = node;
  }
  Assimp::Exporter exporter;
  const aiExportDataBlob* blob = exporter.ExportToBlob(out.get(), "glb2");
  if (!blob)
    throw IoError(path + ": cannot be written as glTF (" + exporter.GetErrorString() + ")");
  writeBytes(path, std::string(static_cast<const char*>(blob->data), blob->size));
}

}  // namespace facetry
