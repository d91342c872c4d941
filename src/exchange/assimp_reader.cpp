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
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <cerrno>
#include <cmath>
#include <cstring>
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
  bool has_colour = false;  // otherwise the face takes CurrentColour
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
  // The material assimp makes up for a mesh without one carries no colour of the file.
  aiString name;
  if (material->Get(AI_MATKEY_NAME, name) == AI_SUCCESS &&
      std::strcmp(name.C_Str(), AI_DEFAULT_MATERIAL_NAME) == 0) {
    return false;
  }
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
    bool has_colour = false;
    if (mesh.mMaterialIndex < scene_.mNumMaterials) {
      has_colour = materialColour(scene_.mMaterials[mesh.mMaterialIndex], colour);
    }
    const aiColor4D* corner_colours = mesh.mColors[0];
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
      const aiFace& face = mesh.mFaces[f];
      if (face.mNumIndices != 3 || !face.mIndices) continue;
      // One more than the table holds is enough to have the table's message said.
      if (triangles > static_cast<std::size_t>(kMaxFaces)) return;
      Triangle t;
      t.colour = colour;
      t.has_colour = has_colour || corner_colours;
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

// What assimp made of a file: the pieces, or its reason for not reading it.
struct Reading {
  std::vector<Piece> pieces;
  std::string error;
};

// Runs assimp on the file; `import` calls the importer and returns its scene (null with
// the importer's error string otherwise).
template <typename Import>
Reading readWithAssimp(Import import) {
  Assimp::Importer importer;
  const aiScene* read = import(importer);
  Reading reading;
  if (!read || !read->mRootNode) {
    const char* error = importer.GetErrorString();
    reading.error = error && *error ? error : "not a mesh file assimp knows";
    return reading;
  }
  SceneWalk walk(*read, Rgb{});
  walk.walk(read->mRootNode, aiMatrix4x4(), 0);
  reading.pieces = std::move(walk.pieces);
  return reading;
}

template <typename T>
void putRaw(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string packReading(const Reading& reading) {
  std::string out;
  putRaw(out, static_cast<std::uint64_t>(reading.error.size()));
  out += reading.error;
  putRaw(out, static_cast<std::uint64_t>(reading.pieces.size()));
  for (const Piece& piece : reading.pieces) {
    putRaw(out, static_cast<std::uint64_t>(piece.name.size()));
    out += piece.name;
    putRaw(out, static_cast<std::uint64_t>(piece.triangles.size()));
    out.append(reinterpret_cast<const char*>(piece.triangles.data()),
               piece.triangles.size() * sizeof(Triangle));
  }
  return out;
}

class Unpacker {
 public:
  explicit Unpacker(const std::string& bytes) : bytes_(bytes) {}
  bool take(void* out, std::size_t size) {
    if (bytes_.size() - pos_ < size) return false;
    std::memcpy(out, bytes_.data() + pos_, size);
    pos_ += size;
    return true;
  }
  bool takeCount(std::uint64_t& n, std::size_t unit) {
    return take(&n, sizeof n) && n <= (bytes_.size() - pos_) / unit;
  }
  bool takeText(std::string& text) {
    std::uint64_t n = 0;
    if (!takeCount(n, 1)) return false;
    text.assign(bytes_.data() + pos_, n);
    pos_ += n;
    return true;
  }

 private:
  const std::string& bytes_;
  std::size_t pos_ = 0;
};

bool unpackReading(const std::string& bytes, Reading& reading) {
  Unpacker in(bytes);
  std::uint64_t pieces = 0;
  if (!in.takeText(reading.error) || !in.takeCount(pieces, 16)) return false;
  for (std::uint64_t p = 0; p < pieces; ++p) {
    Piece piece;
    std::uint64_t n = 0;
    if (!in.takeText(piece.name) || !in.takeCount(n, sizeof(Triangle))) return false;
    piece.triangles.resize(n);
    in.take(piece.triangles.data(), n * sizeof(Triangle));
    reading.pieces.push_back(std::move(piece));
  }
  return true;
}

// assimp runs in a child process, so that a file it trips over (a crash or an abort inside
// the library) ends in a message instead of taking the modeller down. Where no child can
// be started it runs here.
// The processor time the library may spend on one file.
constexpr rlim_t kAssimpSeconds = 30;

template <typename Import>
Reading readIsolated(Import import) {
  int channel[2];
  if (::pipe(channel) != 0) return readWithAssimp(import);
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(channel[0]);
    ::close(channel[1]);
    return readWithAssimp(import);
  }
  if (child == 0) {
    ::close(channel[0]);
    // A crash in the library ends the child plainly, whatever handlers the parent had.
    for (const int signal_number : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGXCPU}) {
      ::signal(signal_number, SIG_DFL);
    }
    // A file the library loops on ends the child too, after its share of processor time.
    const rlimit limit{kAssimpSeconds, kAssimpSeconds + 1};
    ::setrlimit(RLIMIT_CPU, &limit);
    int status = 0;
    try {
      const std::string out = packReading(readWithAssimp(import));
      std::size_t sent = 0;
      while (sent < out.size()) {
        const ssize_t n = ::write(channel[1], out.data() + sent, out.size() - sent);
        if (n <= 0) {
          status = 1;
          break;
        }
        sent += static_cast<std::size_t>(n);
      }
    } catch (...) {
      status = 1;
    }
    ::_exit(status);
  }
  ::close(channel[1]);
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
    if (n > 0) {
      bytes.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(channel[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  Reading reading;
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
    reading.error = "assimp took more than " + std::to_string(kAssimpSeconds) +
                    " s of processor time on it and was stopped";
  } else if (WIFSIGNALED(status)) {
    reading.error = "assimp stopped on it (signal " + std::to_string(WTERMSIG(status)) + ")";
  } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !unpackReading(bytes, reading)) {
    reading = Reading{};
    reading.error = "assimp could not read it";
  }
  return reading;
}

void addPieces(Scene& scene, Host& host, const ViewState& views, const Reading& reading,
               const std::string& what) {
  if (!reading.error.empty()) throw FormatError(what + ": " + reading.error);
  const std::vector<Piece>& pieces = reading.pieces;
  const Placement place = placeInViews(pieces, views.CentrePoint);
  NamesUnasked unasked(scene);
  for (const Piece& piece : pieces) {
    if (!piece.name.empty()) scene.ObjectNameBuffer.assign(piece.name.substr(0, 20));
    for (const Triangle& t : piece.triangles) {
      const FaceCorner a = cornerAt(place.map(t.p[0]));
      const FaceCorner b = cornerAt(place.map(t.p[2]));
      const FaceCorner c = cornerAt(place.map(t.p[1]));
      if (!finiteCorner(a) || !finiteCorner(b) || !finiteCorner(c)) continue;
      if (!addFace(scene, host, a, b, c)) break;
      Face& face = scene.face(scene.FaceCount - 1);
      const Rgb colour = t.has_colour ? t.colour : scene.CurrentColour;
      face.red = colour.red;
      face.green = colour.green;
      face.blue = colour.blue;
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
  const Reading reading =
      readIsolated([&](Assimp::Importer& importer) { return importer.ReadFile(path, kSteps); });
  addPieces(scene, host, views, reading, fileNameOf(path));
}

void readAssimpMemory(Scene& scene, Host& host, const ViewState& views, const std::string& bytes,
                      const std::string& extension_hint) {
  const Reading reading = readIsolated([&](Assimp::Importer& importer) {
    return importer.ReadFileFromMemory(bytes.data(), bytes.size(), kSteps, extension_hint.c_str());
  });
  addPieces(scene, host, views, reading, "the file");
}

}  // namespace facetry
