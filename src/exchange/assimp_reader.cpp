// exchange/assimp_reader.cpp: assimp's scene graph into objects of faces.
//
// Reads: the node tree with each node's transformation, the triangles of its meshes, the
// diffuse (or glTF base) colour of their materials and the first set of vertex colours.
// Skips: points and lines, textures and texture coordinates, normals, cameras, lights,
// animations and bones.
#include "exchange/assimp_reader.h"

#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <system_error>
#include <vector>

#include "exchange/import_support.h"
#include "scene/errors.h"

namespace facetry {

namespace {

constexpr unsigned kSteps = aiProcess_Triangulate | aiProcess_SortByPType;

struct Triangle {
  Point3 p[3];
  Rgb colour;
};

struct Piece {
  std::string name;
  std::vector<Triangle> triangles;
};

std::uint8_t colourByte(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

// The diffuse colour of a material, its glTF base colour when it has no diffuse one.
bool materialColour(const aiMaterial* material, Rgb& colour) {
  if (!material) return false;
  aiColor4D c;
  if (material->Get(AI_MATKEY_COLOR_DIFFUSE, c) != AI_SUCCESS &&
      material->Get(AI_MATKEY_BASE_COLOR, c) != AI_SUCCESS) {
    return false;
  }
  colour = {colourByte(c.r), colourByte(c.g), colourByte(c.b)};
  return true;
}

class SceneWalk {
 public:
  SceneWalk(const aiScene& scene, Rgb fallback) : scene_(scene), fallback_(fallback) {}

  std::vector<Piece> pieces;
  std::size_t triangles = 0;

  void walk(const aiNode* node, const aiMatrix4x4& parent, int depth) {
    // A hostile file may nest nodes deeper than the stack should go.
    if (!node || depth > 256) return;
    const aiMatrix4x4 transform = parent * node->mTransformation;
    if (node->mNumMeshes > 0 && node->mMeshes) {
      Piece piece{node->mName.C_Str(), {}};
      for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        const unsigned index = node->mMeshes[i];
        if (index < scene_.mNumMeshes) addMesh(*scene_.mMeshes[index], transform, piece);
      }
      if (!piece.triangles.empty()) pieces.push_back(std::move(piece));
    }
    for (unsigned i = 0; i < node->mNumChildren && node->mChildren; ++i) {
      walk(node->mChildren[i], transform, depth + 1);
    }
  }

 private:
  void addMesh(const aiMesh& mesh, const aiMatrix4x4& transform, Piece& piece) {
    if (!mesh.mVertices || !mesh.mFaces) return;
    Rgb colour = fallback_;
    if (mesh.mMaterialIndex < scene_.mNumMaterials) {
      materialColour(scene_.mMaterials[mesh.mMaterialIndex], colour);
    }
    const aiColor4D* corner_colours = mesh.mColors[0];
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
      const aiFace& face = mesh.mFaces[f];
      if (face.mNumIndices != 3 || !face.mIndices) continue;
      Triangle t;
      t.colour = colour;
      bool inside = true;
      float sum[3] = {0, 0, 0};
      for (int k = 0; k < 3; ++k) {
        const unsigned v = face.mIndices[k];
        if (v >= mesh.mNumVertices) {
          inside = false;
          break;
        }
        const aiVector3D p = transform * mesh.mVertices[v];
        t.p[k] = {p.x, p.y, p.z};
        if (corner_colours) {
          sum[0] += corner_colours[v].r;
          sum[1] += corner_colours[v].g;
          sum[2] += corner_colours[v].b;
        }
      }
      if (!inside) continue;
      if (corner_colours)
        t.colour = {colourByte(sum[0] / 3), colourByte(sum[1] / 3), colourByte(sum[2] / 3)};
      piece.triangles.push_back(t);
      ++triangles;
    }
  }

  const aiScene& scene_;
  Rgb fallback_;
};

// The mapping onto the views and the fit into them.
struct Placement {
  Point3 centre;
  float scale = 1;
  Point3 shift{0, 0, 0};

  Point3 map(const Point3& p) const {
    const Point3 v{centre.x + p.x, centre.y - p.y, centre.z + p.z};
    return {centre.x + (v.x - centre.x) * scale + shift.x,
            centre.y + (v.y - centre.y) * scale + shift.y,
            centre.z + (v.z - centre.z) * scale + shift.z};
  }
};

Placement placeInViews(const std::vector<Piece>& pieces, const Point3& centre) {
  Placement place{centre};
  double low[3] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::max()};
  double high[3] = {-low[0], -low[0], -low[0]};
  for (const Piece& piece : pieces) {
    for (const Triangle& t : piece.triangles) {
      for (const Point3& p : t.p) {
        const Point3 v = place.map(p);
        const double c[3] = {v.x, v.y, v.z};
        for (int a = 0; a < 3; ++a) {
          if (!std::isfinite(c[a])) continue;
          low[a] = std::min(low[a], c[a]);
          high[a] = std::max(high[a], c[a]);
        }
      }
    }
  }
  if (low[0] > high[0] || low[1] > high[1] || low[2] > high[2]) return place;
  const double extent = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
  if (extent > 0 && (extent < 8 || extent > 815)) place.scale = static_cast<float>(400 / extent);
  const double mid[3] = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
  const double centres[3] = {centre.x, centre.y, centre.z};
  double scaled_mid[3];
  bool outside = false;
  for (int a = 0; a < 3; ++a) {
    scaled_mid[a] = centres[a] + (mid[a] - centres[a]) * place.scale;
    outside = outside || scaled_mid[a] < 0 || scaled_mid[a] > 815;
  }
  if (outside) {
    place.shift = {static_cast<float>(centres[0] - scaled_mid[0]),
                   static_cast<float>(centres[1] - scaled_mid[1]),
                   static_cast<float>(centres[2] - scaled_mid[2])};
  }
  return place;
}

FaceCorner cornerAt(const Point3& p) {
  FaceCorner c{};
  c.x = p.x;
  c.y = p.y;
  c.z = p.z;
  return c;
}

void addPieces(Scene& scene, Host& host, const ViewState& views, const aiScene* read,
               const std::string& what, const char* error) {
  if (!read || !read->mRootNode) {
    throw FormatError(what + ": " + (error && *error ? error : "not a mesh file assimp knows"));
  }
  SceneWalk walk(*read, scene.CurrentColour);
  walk.walk(read->mRootNode, aiMatrix4x4(), 0);
  const Placement place = placeInViews(walk.pieces, views.CentrePoint);
  NamesUnasked unasked(scene);
  for (const Piece& piece : walk.pieces) {
    if (!piece.name.empty()) scene.ObjectNameBuffer.assign(piece.name.substr(0, 20));
    for (const Triangle& t : piece.triangles) {
      const FaceCorner a = cornerAt(place.map(t.p[0]));
      const FaceCorner b = cornerAt(place.map(t.p[2]));
      const FaceCorner c = cornerAt(place.map(t.p[1]));
      if (!finiteCorner(a) || !finiteCorner(b) || !finiteCorner(c)) continue;
      if (!addFace(scene, host, a, b, c)) break;
      Face& face = scene.face(scene.FaceCount - 1);
      face.red = t.colour.red;
      face.green = t.colour.green;
      face.blue = t.colour.blue;
      host.readingCount(scene.FaceCount);
    }
    closeImported(scene, host);
    if (scene.FacesFull) break;
  }
}

}  // namespace

void readAssimp(Scene& scene, Host& host, const ViewState& views, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw IoError(path + ": cannot be read (no such file)");
  }
  Assimp::Importer importer;
  const aiScene* read = importer.ReadFile(path, kSteps);
  addPieces(scene, host, views, read, fileNameOf(path), importer.GetErrorString());
}

void readAssimpMemory(Scene& scene, Host& host, const ViewState& views, const std::string& bytes,
                      const std::string& extension_hint) {
  Assimp::Importer importer;
  const aiScene* read =
      importer.ReadFileFromMemory(bytes.data(), bytes.size(), kSteps, extension_hint.c_str());
  addPieces(scene, host, views, read, "the file", importer.GetErrorString());
}

}  // namespace facetry
