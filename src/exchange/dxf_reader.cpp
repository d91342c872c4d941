// exchange/dxf_reader.cpp: reading ASCII DXF files: the entity loop, 3DFACE entities,
// layers and colours. Polylines are in dxf_polyline.cpp.
//
// Reads: 3DFACE entities (any number of corners, fanned into triangles), POLYLINE entities
// (polyface meshes and plain polylines, see dxf_polyline.cpp), layer names (group 8) as
// object names and colour numbers (group 62) through DxfPalette. Entities are found by
// their name lines wherever they stand, also in BLOCKS.
// Skips: LINE and 3DLINE entities, every other entity, the header and table sections
// (copied to "header.tmp"), and inside an entity every group it does not use, each with its
// value line, so handles, subclass markers and thickness values are never taken for codes.
#include "exchange/dxf_reader.h"

#include "exchange/dxf_import.h"
#include "exchange/import_support.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Layer names are compared without regard to case, as DXF programs treat them.
bool sameLayer(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

// An object name up to, not including, its first digit: "Wall12" and "Wall3" share "Wall".
std::string beforeFirstDigit(const std::string& name) {
  return name.substr(0, name.find_first_of("0123456789"));
}

}  // namespace

void DxfPoint::set(double code, double value) {
  if (code >= 10 && code < 20) {
    x = value;
  } else if (code >= 20 && code < 30) {
    y = value;
  } else if (code >= 30 && code < 40) {
    z = value;
  }
}

FaceCorner DxfPoint::modelCorner() const {
  FaceCorner c;
  c.x = static_cast<float>(x);
  c.y = static_cast<float>(z);
  c.z = static_cast<float>(y);
  return c;
}

void DxfImport::run() {
  std::string_view line;
  while (in_.next(line)) examine(line);
}

void DxfImport::examine(std::string_view line) {
  if (line.empty()) return;
  const char first = lowerAscii(line.front());
  if (first != '3' && first != 'l' && first != 'p' && first != 's' && first != 'e') return;
  if (startsWithText(line, "3dface")) {
    recognised_ = true;
    read3dFace();
    last_ = Entity::Face3d;
  } else if (sameText(line, "line") || startsWithText(line, "3dline")) {
    recognised_ = true;
    if (last_ == Entity::Face3d) closeOpen();
    skipEntity();
    last_ = Entity::Line;
  } else if (startsWithText(line, "polyline")) {
    recognised_ = true;
    if (last_ == Entity::Face3d) closeOpen();
    readPolyline();
    last_ = Entity::Polyline;
  } else if (sameText(line, "section") || sameText(line, "eof")) {
    recognised_ = true;
  }
}

void DxfImport::read3dFace() {
  std::string_view line;
  // Properties, up to the first corner's group 10.
  for (;;) {
    if (!in_.next(line)) return;
    const double code = dxfNumber(line);
    if (code == 10) break;
    if (!in_.next(line)) return;
    if (code == 62) {
      applyColour(dxfNumber(line));
    } else if (code == 8) {
      faceLayer(line);
    } else if (code == 0) {  // an entity without corners
      in_.unread();
      return;
    }
  }
  // Corners: each starts with the value of the code line just met, taken as X; the pairs
  // of codes 20..39 after it complete the corner. Any other code ends the corner; codes
  // 1..39 start the next one, the others end the entity.
  corners_.clear();
  DxfPoint p;
  bool colour_follows = false;
  for (;;) {
    if (!in_.next(line)) break;
    p.x = dxfNumber(line);
    bool have_code = false;
    double code = 0;
    while ((have_code = in_.next(line))) {
      code = dxfNumber(line);
      if (code < 20 || code >= 40) break;
      if (!in_.next(line)) {
        have_code = false;
        break;
      }
      p.set(code, dxfNumber(line));
    }
    if (corners_.size() < kMaxEntityCorners) corners_.push_back(p.modelCorner());
    if (!have_code) break;
    if (startsWithText(line, "3dface")) {
      in_.unread();
      break;
    }
    if (code == 0 || code >= 40) {
      colour_follows = code == 62;
      break;
    }
    if (corners_.size() >= kMaxEntityCorners) break;
  }
  addFan(corners_);
  if (colour_follows && in_.next(line)) applyColour(dxfNumber(line));
}

void DxfImport::skipEntity() {
  std::string_view line;
  for (;;) {
    if (!in_.next(line)) return;
    const double code = dxfNumber(line);
    if (!in_.next(line)) return;
    if (code == 0) {
      in_.unread();
      return;
    }
  }
}

// The colour number n (clamped to 1..256) selects DxfPalette entry n. The first number of
// an import is only remembered, and a change takes effect only once the open object holds
// faces.
void DxfImport::applyColour(double number) {
  const int n = dxfInteger(number, 1, 256);
  if (n == colour_number_) return;
  if (colour_number_ != -1 && openHasFaces()) {
    scene_.CurrentColour = scene_.DxfPalette[static_cast<std::size_t>(n)];
  }
  colour_number_ = n;
}

// A 3DFACE on another layer than the one before closes the faces read so far into an
// object named after that earlier layer.
void DxfImport::faceLayer(std::string_view name) {
  std::string layer(name);
  if (layer_ && !sameLayer(*layer_, layer)) {
    scene_.ObjectNameBuffer.assign(*layer_);
    closeOpen();
  }
  scene_.ObjectNameBuffer.assign(layer);
  layer_ = std::move(layer);
}

// A polyline on a new layer closes what is open under the new name and chooses the colour
// of the faces that follow.
void DxfImport::polylineLayer(std::string_view name) {
  std::string layer(name);
  if (!layer_) {
    scene_.ObjectNameBuffer.assign(layer);
    layer_ = std::move(layer);
    return;
  }
  if (sameLayer(*layer_, layer)) return;
  scene_.ObjectNameBuffer.assign(layer);
  chooseObjectColour(closeOpen());
  layer_ = std::move(layer);
}

// Layers whose names agree up to the first digit ("Wall1", "Wall2") share the colour of the
// first object of that family; a new family takes the next palette entry, and an object
// closed just now takes it too.
void DxfImport::chooseObjectColour(bool closed) {
  const int earlier = closed ? scene_.ObjectCount - 1 : scene_.ObjectCount;
  for (; indexed_objects_ < earlier; ++indexed_objects_) {
    const ModelObject& o = scene_.ObjectTable[static_cast<std::size_t>(indexed_objects_)];
    if (o.last < o.first) continue;
    const Face& f = scene_.FaceTable[static_cast<std::size_t>(o.first)];
    prefix_colours_.try_emplace(beforeFirstDigit(o.name.str()), Rgb{f.red, f.green, f.blue});
  }
  const auto found = prefix_colours_.find(beforeFirstDigit(scene_.ObjectNameBuffer.str()));
  if (found != prefix_colours_.end()) {
    scene_.CurrentColour = found->second;
    return;
  }
  int& next = state_.next_layer_colour;
  if (next < 1 || next > 256) next = 1;
  const Rgb colour = scene_.DxfPalette[static_cast<std::size_t>(next)];
  next = next == 256 ? 1 : next + 1;
  scene_.CurrentColour = colour;
  if (!closed) return;
  const ModelObject& o = scene_.ObjectTable[static_cast<std::size_t>(scene_.ObjectCount - 1)];
  for (int i = o.first; i <= o.last; ++i) {
    Face& f = scene_.FaceTable[static_cast<std::size_t>(i)];
    f.red = colour.red;
    f.green = colour.green;
    f.blue = colour.blue;
  }
}

void DxfImport::addCounted(const FaceCorner& a, const FaceCorner& b, const FaceCorner& c) {
  if (!finiteCorner(a) || !finiteCorner(b) || !finiteCorner(c)) return;
  if (addFace(scene_, host_, a, b, c)) host_.readingCount(scene_.FaceCount);
}

// Corners c0 .. c(n-1) become the faces (c(i+2), c(i+1), c0), i = 0 .. n-3.
void DxfImport::addFan(const std::vector<FaceCorner>& corners) {
  for (std::size_t i = 0; i + 2 < corners.size(); ++i) {
    if (scene_.FaceCount >= kMaxFaces) return;
    addCounted(corners[i + 2], corners[i + 1], corners[0]);
  }
}

bool DxfImport::closeOpen() {
  return closeImported(scene_, host_);
}

void readDxf(Scene& scene, Host& host, const ViewState& views, DxfReaderState& state,
             const std::string& path) {
  DxfLineReader in(path, fileNameOf(path));
  static constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
  if (in.start().substr(0, kBinarySentinel.size()) == kBinarySentinel) {
    throw FormatError(in.name() + ": a binary DXF file; only ASCII DXF files can be read");
  }
  NamesUnasked unasked(scene);
  in.startHeaderCopy(kHeaderFile);
  DxfImport import(scene, host, views, state, in);
  try {
    import.run();
  } catch (...) {
    import.closeOpen();
    throw;
  }
  import.closeOpen();
  in.finishHeaderCopy();
  if (in.empty()) throw FormatError(in.name() + ": the file is empty");
  if (!import.recognised()) {
    throw FormatError(in.name() +
                      ": not an ASCII DXF file (no SECTION, EOF or entity line was found)");
  }
}

}  // namespace facetry
