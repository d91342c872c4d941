// exchange/dxf_import.h: the DXF reader's working state, shared by its entity readers
// (dxf_reader.cpp: entities, 3DFACE, layers and colours; dxf_polyline.cpp: polylines).
// Internal to the exchange library.
#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/dxf_lines.h"
#include "exchange/dxf_reader.h"

namespace facetry {

// Where a polyline's vertex or header ends: at the next VERTEX (or MESHES) entity, at
// SEQEND (or ENDSEQ), at some other entity (whose name line is handed back to the entity
// loop) or at the end of the file.
enum class PolylineEnd { Vertex, Seqend, Other, Eof };

// A coordinate triple in DXF axes (X, Y, Z); model x = X, y = Z, z = Y.
struct DxfPoint {
  double x = 0, y = 0, z = 0;
  // Codes 10..19 set X, 20..29 Y, 30..39 Z; other codes change nothing.
  void set(double code, double value);
  FaceCorner modelCorner() const;
  static DxfPoint fromModel(const Point3& p) { return {p.x, p.z, p.y}; }
};

// Polyface vertices kept in the scratch file "~veelpt.tmp" as 24-byte records (model x, y,
// z and three unused floats) and read back in blocks of 100 records; the last block read
// stays cached.
class PolyfaceVertices {
 public:
  PolyfaceVertices() = default;
  ~PolyfaceVertices();
  PolyfaceVertices(const PolyfaceVertices&) = delete;
  PolyfaceVertices& operator=(const PolyfaceVertices&) = delete;

  void restart();  // empties the list (creating the file on first use)
  void add(const DxfPoint& p);
  int count() const { return count_; }
  // Vertex `index` (from 0) in model axes; false when it lies beyond the list.
  bool get(int index, FaceCorner& out);

 private:
  static constexpr int kBlock = 100;
  std::FILE* file_ = nullptr;
  int count_ = 0;
  int cached_block_ = -1;
  float cached_[kBlock][6] = {};
};

class DxfImport {
 public:
  DxfImport(Scene& scene, Host& host, const ViewState& views, DxfReaderState& state,
            DxfLineReader& in)
      : scene_(scene), host_(host), views_(views), state_(state), in_(in) {}

  void run();
  // Whether any line looked like DXF (a SECTION, EOF or entity line).
  bool recognised() const { return recognised_; }
  // Closes the open object when it holds faces; true when an object was closed.
  bool closeOpen();

 private:
  enum class Entity { None, Face3d, Line, Polyline };

  void examine(std::string_view line);
  void read3dFace();
  void skipEntity();
  void applyColour(double number);
  void faceLayer(std::string_view name);
  void polylineLayer(std::string_view name);
  void chooseObjectColour(bool closed);
  void addFan(const std::vector<FaceCorner>& corners);
  void addCounted(const FaceCorner& a, const FaceCorner& b, const FaceCorner& c);
  bool openHasFaces() const { return scene_.FaceCount > scene_.openObject().first; }

  void readPolyline();
  PolylineEnd readPolyface(int vertex_count, int face_count);
  PolylineEnd readPlainPolyline();
  void addPolyfaceFace(const double (&numbers)[3]);

  Scene& scene_;
  Host& host_;
  const ViewState& views_;
  DxfReaderState& state_;
  DxfLineReader& in_;
  Entity last_ = Entity::None;
  int colour_number_ = -1;
  std::optional<std::string> layer_;
  bool recognised_ = false;
  std::vector<FaceCorner> corners_;
  DxfPoint memory_;
  PolyfaceVertices polyface_;
  // Name prefix (up to the first digit) -> colour of the first object carrying it, over
  // objects 0..indexed_objects_-1.
  std::unordered_map<std::string, Rgb> prefix_colours_;
  int indexed_objects_ = 0;
};

// At most this many corners are kept for one 3DFACE or plain polyline.
constexpr std::size_t kMaxEntityCorners = 299991;

}  // namespace facetry
