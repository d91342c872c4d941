// exchange/dxf_polyline.cpp: POLYLINE entities of the DXF reader.
//
// A polyline whose header announces vertices (group 66) and a face count (group 72) is a
// polyface mesh: its first vertex-count VERTEX entities are vertices, kept in
// "~veelpt.tmp"; the VERTEX entities after them whose flags (group 70) are 128 are faces,
// whose groups 71, 72 and 73 number three vertices from 1 (the sign marks an invisible
// edge and is dropped; group 74, a fourth vertex, is not used). A face naming a vertex
// beyond the list is skipped. Every other polyline is plain: each VERTEX gives a corner,
// and the corners are fanned into triangles like a 3DFACE's. M x N polygon meshes are not
// read as such.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>

#include "exchange/dxf_import.h"
#include "exchange/import_support.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

// Classifies the name line of the entity that ends a polyline part; any entity but VERTEX,
// MESHES, SEQEND and ENDSEQ is handed back to the entity loop.
PolylineEnd endOfEntity(DxfLineReader& in, std::string_view name) {
  if (sameText(name, "vertex") || sameText(name, "meshes")) return PolylineEnd::Vertex;
  if (sameText(name, "seqend") || sameText(name, "endseq")) return PolylineEnd::Seqend;
  in.unread();
  return PolylineEnd::Other;
}

// Reads the group code / value pairs of one entity up to the group 0 that starts the next,
// handing every other pair to `on_pair(code, value)`. A bare VERTEX or SEQEND line where a
// code should stand ends the entity as well.
template <typename OnPair>
PolylineEnd readEntityPairs(DxfLineReader& in, OnPair on_pair) {
  std::string_view line;
  for (;;) {
    if (!in.next(line)) return PolylineEnd::Eof;
    if (sameText(line, "vertex") || sameText(line, "meshes")) return PolylineEnd::Vertex;
    if (sameText(line, "seqend") || sameText(line, "endseq")) return PolylineEnd::Seqend;
    const double code = dxfNumber(line);
    if (!in.next(line)) return PolylineEnd::Eof;
    if (code == 0) return endOfEntity(in, line);
    on_pair(code, line);
  }
}

[[noreturn]] void throwScratch(const char* what) {
  throw IoError(std::string(kPolyfaceFile) + ": " + what + " (" + std::strerror(errno) + ")");
}

}  // namespace

PolyfaceVertices::~PolyfaceVertices() {
  if (file_) std::fclose(file_);
}

void PolyfaceVertices::restart() {
  if (file_) std::fclose(file_);
  file_ = std::fopen(kPolyfaceFile, "w+b");
  if (!file_) throwScratch("cannot create the scratch file of polyface vertices");
  count_ = 0;
  cached_block_ = -1;
}

void PolyfaceVertices::add(const DxfPoint& p) {
  const FaceCorner c = p.modelCorner();
  const float record[6] = {c.x, c.y, c.z, 0, 0, 0};
  if (std::fwrite(record, sizeof record, 1, file_) != 1) throwScratch("writing failed");
  ++count_;
}

bool PolyfaceVertices::get(int index, FaceCorner& out) {
  if (index < 0 || index >= count_) return false;
  const int block = index / kBlock;
  if (block != cached_block_) {
    const int records = std::min(kBlock, count_ - block * kBlock);
    if (std::fseek(file_, static_cast<long>(block) * kBlock * 24, SEEK_SET) != 0 ||
        std::fread(cached_, 24, static_cast<std::size_t>(records), file_) !=
            static_cast<std::size_t>(records)) {
      cached_block_ = -1;
      throwScratch("reading failed");
    }
    cached_block_ = block;
  }
  const float* record = cached_[index % kBlock];
  out = FaceCorner{};
  out.x = record[0];
  out.y = record[1];
  out.z = record[2];
  return true;
}

// One header after the other, each followed by its vertices, until SEQEND, another entity
// or the end of the file.
void DxfImport::readPolyline() {
  for (;;) {
    bool has_vertices = false;
    int vertex_count = 0;
    int face_count = -1;
    PolylineEnd end = readEntityPairs(in_, [&](double code, std::string_view value) {
      if (code == 62) {
        applyColour(dxfNumber(value));
      } else if (code == 66) {
        has_vertices = true;
      } else if (code == 71) {
        vertex_count = dxfInteger(dxfNumber(value), 0, INT_MAX);
      } else if (code == 72) {
        face_count = dxfInteger(dxfNumber(value), -1, INT_MAX);
      } else if (code == 8) {
        polylineLayer(value);
      }
    });
    if (end != PolylineEnd::Vertex) return;
    end = has_vertices && face_count >= 0 ? readPolyface(vertex_count, face_count)
                                          : readPlainPolyline();
    if (end != PolylineEnd::Vertex) return;
  }
}

PolylineEnd DxfImport::readPolyface(int vertex_count, int face_count) {
  closeOpen();
  polyface_.restart();
  memory_ = DxfPoint::fromModel(views_.CentrePoint);
  PolylineEnd end = PolylineEnd::Vertex;
  while (end == PolylineEnd::Vertex && polyface_.count() < vertex_count) {
    end = readEntityPairs(
        in_, [&](double code, std::string_view value) { memory_.set(code, dxfNumber(value)); });
    polyface_.add(memory_);
  }
  int faces = 0;
  while (end == PolylineEnd::Vertex && faces < face_count) {
    int flags = -1;
    double numbers[3] = {};
    int have = 0;
    end = readEntityPairs(in_, [&](double code, std::string_view value) {
      if (code == 70) {
        flags = dxfInteger(dxfNumber(value), INT_MIN, INT_MAX);
      } else if (code == 71 || code == 72 || code == 73) {
        const int k = static_cast<int>(code) - 71;
        numbers[k] = dxfNumber(value);
        have |= 1 << k;
      }
    });
    if (flags != 128) continue;  // not a face record
    ++faces;
    if (have == 7) addPolyfaceFace(numbers);
  }
  closeOpen();
  return end;
}

void DxfImport::addPolyfaceFace(const double (&numbers)[3]) {
  FaceCorner c[3];
  for (int j = 0; j < 3; ++j) {
    const int index = dxfInteger(std::fabs(numbers[j]), 0, INT_MAX) - 1;
    if (!polyface_.get(index, c[j])) return;
  }
  addCounted(c[0], c[1], c[2]);
}

// Each VERTEX gives a corner, the last one before SEQEND included. A coordinate a vertex
// leaves out keeps the value of the vertex before (the working centre for the first).
PolylineEnd DxfImport::readPlainPolyline() {
  corners_.clear();
  memory_ = DxfPoint::fromModel(views_.CentrePoint);
  PolylineEnd end = PolylineEnd::Vertex;
  while (end == PolylineEnd::Vertex) {
    end = readEntityPairs(in_, [&](double code, std::string_view value) {
      if (code == 8) {
        if (corners_.empty()) scene_.ObjectNameBuffer.assign(value);
      } else {
        memory_.set(code, dxfNumber(value));
      }
    });
    if (corners_.size() < kMaxEntityCorners) corners_.push_back(memory_.modelCorner());
  }
  addFan(corners_);
  if (corners_.size() > 1) closeOpen();
  return end;
}

}  // namespace facetry
