// exchange/vrml_import.h: the VRML reader's state, shared by its parser (vrml_reader.cpp)
// and its geometry (vrml_geometry.cpp). Internal to the exchange library.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "exchange/vrml_lexer.h"
#include "exchange/vrml_matrix.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// One triangle as read, in world coordinates with VRML's axes (y up).
struct VrmlTriangle {
  VrmlVec p[3];
  Rgb colour;
  std::uint8_t smooth = 1;
};

// The faces of one indexed face set or primitive: one object of the scene.
struct VrmlShape {
  std::string name;
  std::vector<VrmlTriangle> triangles;
};

// A point of a list, kept in single precision like the scene's corners; a point that held
// a bad number has a NaN x, so polygons using it are dropped without renumbering the
// others.
struct VrmlPoint {
  float x = 0, y = 0, z = 0;
};
using VrmlPoints = std::shared_ptr<const std::vector<VrmlPoint>>;

enum class VrmlKind {
  Other,
  Group,  // a VRML 1.0 Group: its properties outlive it
  Transform,
  Translation,
  Rotation,
  Scale,
  MatrixTransform,
  Material,
  Appearance,
  Coordinate,  // Coordinate3 of VRML 1.0, Coordinate of VRML 2.0
  IndexedFaceSet,
  Sphere,
  Cube,
  Box,
  Cone,
  Cylinder,
};

// What a DEF'd node leaves behind for USE: its shapes in world coordinates with the
// inverse of the transform it stood under, its point list, its colour.
struct VrmlDef {
  VrmlMatrix inverse_base;
  bool invertible = false;
  std::vector<VrmlShape> shapes;
  VrmlPoints points;
  bool has_colour = false;
  Rgb colour;
};

// One open node and the state in scope inside it.
struct VrmlFrame {
  VrmlKind kind = VrmlKind::Other;
  bool leaks = false;         // its state carries over to the node holding it
  bool has_children = false;  // a Transform with a children field scopes like VRML 2.0
  int def = -1;               // its DEF record, or -1
  std::string name;           // the nearest DEF name on it or the nodes holding it
  VrmlMatrix base;            // the transform it was opened under
  VrmlMatrix matrix;          // the transform in scope inside it
  Rgb colour;
  VrmlPoints points;
  // A Transform's fields, composed as translation, centre, rotation, scale orientation,
  // scale, back from the centre.
  VrmlVec translation, centre, scale{1, 1, 1};
  double rotation[4] = {0, 0, 1, 0};
  double scale_orientation[4] = {0, 0, 1, 0};
  std::vector<std::int32_t> indices;  // an indexed face set's coordIndex
  // A primitive's sizes; negative until given.
  double radius = -1, height = -1, width = -1, depth = -1, bottom_radius = -1;
  VrmlVec size{-1, -1, -1};
};

class VrmlImport {
 public:
  static constexpr int kMaxDepth = 10000;
  static constexpr std::size_t kMaxListEntries = 8'000'000;
  static constexpr std::size_t kMaxRecordedTriangles = 200'000;
  static constexpr double kAbsurd = 1e15;  // larger magnitudes are taken as damage

  VrmlImport(Scene& scene, Host& host, const ViewState& views, const std::string& path);
  void run();

 private:
  // Parser (vrml_reader.cpp).
  VrmlToken next();
  void pushBack(VrmlToken token) { pushed_ = token, has_pushed_ = true; }
  void handleWord(const std::string& word);
  void openFrame(VrmlKind kind, const std::string& def);
  void closeFrame();
  void readField(VrmlFrame& frame, const std::string& field);
  int readNumbers(double* out, int count, bool& valid);
  void readPoints(VrmlFrame& frame);
  void readIndices(VrmlFrame& frame);
  void skipBalanced();
  void use(const std::string& name);
  void updateTransform(VrmlFrame& frame);

  // Geometry (vrml_geometry.cpp).
  void buildFaceSet(const VrmlFrame& frame);
  void buildPrimitive(const VrmlFrame& frame);
  void emit(VrmlShape&& shape);
  void closeShape(bool final);
  void normalise();
  void tellOnce();

  Scene& scene_;
  Host& host_;
  const ViewState& views_;
  std::string file_;
  VrmlLexer lexer_;
  int version_ = 1;
  VrmlToken pushed_ = VrmlToken::End;
  bool has_pushed_ = false;
  std::vector<VrmlFrame> frames_;   // frames_[0] is the file itself
  std::int64_t skipped_depth_ = 0;  // braces open beyond kMaxDepth
  std::vector<VrmlDef> defs_;
  std::unordered_map<std::string, int> def_names_;
  std::vector<int> open_defs_;
  std::size_t recorded_triangles_ = 0;
  std::string pending_def_;
  std::string first_name_;  // the name buffer as the import found it
  int first_face_ = 0, first_object_ = 0;
  std::unique_ptr<Scene> scratch_;  // the primitives are built here first
  bool bad_numbers_ = false, too_deep_ = false, too_long_ = false, objects_full_ = false;
};

}  // namespace facetry
