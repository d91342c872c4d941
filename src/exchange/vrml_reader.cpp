// exchange/vrml_reader.cpp: reading VRML 1.0 and 2.0 by their grammar, without recursion.
//
// Reads: IndexedFaceSet (coordIndex with the points of the Coordinate3 in scope or of its
// own Coordinate node), Sphere, Cube, Box, Cone, Cylinder; Transform, Translation,
// Rotation, Scale and MatrixTransform; Material's diffuseColor; DEF and USE.
// Scopes: VRML 1.0 Separators (and every node but Group and the property nodes) keep
// their transform, material and points to themselves; VRML 2.0 nodes scope what they
// hold, a Material carrying its colour up to its Shape.
// Skips: every other node and field (their words and brackets are passed over), PROTO
// and EXTERNPROTO declarations whole, quoted strings, comments.
// The open nodes live on an explicit stack, at most kMaxDepth deep; deeper braces are only
// counted, so any nesting reads in bounded memory.
#include "exchange/vrml_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "exchange/import_support.h"
#include "exchange/vrml_import.h"

namespace facetry {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

VrmlKind kindNamed(const std::string& type) {
  static const std::unordered_map<std::string, VrmlKind> kinds{
      {"group", VrmlKind::Group},
      {"transform", VrmlKind::Transform},
      {"translation", VrmlKind::Translation},
      {"rotation", VrmlKind::Rotation},
      {"scale", VrmlKind::Scale},
      {"matrixtransform", VrmlKind::MatrixTransform},
      {"material", VrmlKind::Material},
      {"appearance", VrmlKind::Appearance},
      {"coordinate3", VrmlKind::Coordinate},
      {"coordinate", VrmlKind::Coordinate},
      {"indexedfaceset", VrmlKind::IndexedFaceSet},
      {"sphere", VrmlKind::Sphere},
      {"cube", VrmlKind::Cube},
      {"box", VrmlKind::Box},
      {"cone", VrmlKind::Cone},
      {"cylinder", VrmlKind::Cylinder},
  };
  const auto found = kinds.find(type);
  return found == kinds.end() ? VrmlKind::Other : found->second;
}

// A number as VRML writes it ("-1.5", "1.5E2", "1e+2", "+3"); false for any other word.
bool parseNumber(const std::string& word, double& value) {
  const char* begin = word.data();
  const char* end = begin + word.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ptr != end || begin == end) return false;
  if (ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::infinity();
  return ec == std::errc() || ec == std::errc::result_out_of_range;
}

bool sane(double v) {
  return std::isfinite(v) && std::abs(v) <= VrmlImport::kAbsurd;
}

Rgb colourOf(const double* rgb) {
  auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::clamp(std::round(255 * v), 0.0, 255.0));
  };
  return {channel(rgb[0]), channel(rgb[1]), channel(rgb[2])};
}

}  // namespace

VrmlImport::VrmlImport(Scene& scene, Host& host, const ViewState& views, const std::string& path)
    : scene_(scene), host_(host), views_(views), file_(fileNameOf(path)), lexer_(path) {
  version_ = lexer_.headerVersion() == 2 ? 2 : 1;
  first_name_ = scene.ObjectNameBuffer.str();
  first_face_ = scene.FaceCount;
  first_object_ = scene.ObjectCount;
  VrmlFrame root;
  root.colour = scene.CurrentColour;
  root.points = std::make_shared<const std::vector<VrmlPoint>>();
  frames_.push_back(std::move(root));
}

VrmlToken VrmlImport::next() {
  if (has_pushed_) {
    has_pushed_ = false;
    return pushed_;
  }
  return lexer_.next();
}

void VrmlImport::run() {
  for (VrmlToken token; (token = next()) != VrmlToken::End;) {
    if (skipped_depth_ > 0) {
      if (token == VrmlToken::OpenBrace) ++skipped_depth_;
      if (token == VrmlToken::CloseBrace) --skipped_depth_;
      continue;
    }
    switch (token) {
      case VrmlToken::Word:
        handleWord(lexer_.word());
        break;
      case VrmlToken::OpenBrace:  // a brace that follows no node type
        openFrame(VrmlKind::Other, std::exchange(pending_def_, {}));
        break;
      case VrmlToken::CloseBrace:
        if (frames_.size() > 1) closeFrame();  // a brace too many is passed over
        break;
      default:
        break;
    }
  }
  // A file cut short: the open nodes end where it ends.
  while (frames_.size() > 1) closeFrame();
  closeShape(true);
  normalise();
  tellOnce();
}

void VrmlImport::handleWord(const std::string& word) {
  const std::string key = lowered(word);
  if (key == "def" || key == "use") {
    const VrmlToken name = next();
    if (name != VrmlToken::Word) return pushBack(name);  // no name: the bracket is read anew
    if (key == "def") {
      pending_def_ = lexer_.word();
    } else {
      pending_def_.clear();
      use(lexer_.word());
    }
    return;
  }
  if (key == "proto" || key == "externproto") {
    // The declaration's name, its interface and (for PROTO) its body make no geometry.
    const VrmlToken name = next();
    if (name != VrmlToken::Word) return pushBack(name);
    const VrmlToken open = next();
    if (open != VrmlToken::OpenBracket) return pushBack(open);
    skipBalanced();
    if (key == "proto") {
      const VrmlToken body = next();
      if (body != VrmlToken::OpenBrace) return pushBack(body);
      skipBalanced();
    }
    return;
  }
  const VrmlToken after = next();
  if (after == VrmlToken::OpenBrace) {
    openFrame(kindNamed(key), std::exchange(pending_def_, {}));
    return;
  }
  pushBack(after);
  readField(frames_.back(), key);
}

// Passes over everything up to the bracket or brace closing the one just read.
void VrmlImport::skipBalanced() {
  std::int64_t depth = 1;
  for (VrmlToken token; depth > 0 && (token = next()) != VrmlToken::End;) {
    if (token == VrmlToken::OpenBrace || token == VrmlToken::OpenBracket) ++depth;
    if (token == VrmlToken::CloseBrace || token == VrmlToken::CloseBracket) --depth;
  }
}

void VrmlImport::openFrame(VrmlKind kind, const std::string& def) {
  if (static_cast<int>(frames_.size()) > kMaxDepth) {
    too_deep_ = true;
    skipped_depth_ = 1;
    return;
  }
  const VrmlFrame& parent = frames_.back();
  VrmlFrame frame;
  frame.kind = kind;
  frame.base = frame.matrix = parent.matrix;
  frame.colour = parent.colour;
  frame.points = parent.points;
  frame.name = def.empty() ? parent.name : def;
  switch (kind) {
    case VrmlKind::Group:
    case VrmlKind::Transform:
      frame.leaks = version_ == 1;
      break;
    case VrmlKind::Translation:
    case VrmlKind::Rotation:
    case VrmlKind::Scale:
    case VrmlKind::MatrixTransform:
    case VrmlKind::Material:
    case VrmlKind::Appearance:
    case VrmlKind::Coordinate:
      frame.leaks = true;
      break;
    default:
      break;
  }
  if (!def.empty()) {
    VrmlDef record;
    record.invertible = frame.base.inverse(record.inverse_base);
    defs_.push_back(std::move(record));
    frame.def = static_cast<int>(defs_.size()) - 1;
    def_names_[def] = frame.def;
    open_defs_.push_back(frame.def);
  }
  frames_.push_back(std::move(frame));
}

void VrmlImport::closeFrame() {
  VrmlFrame frame = std::move(frames_.back());
  frames_.pop_back();
  if (frame.kind == VrmlKind::IndexedFaceSet) buildFaceSet(frame);
  if (frame.kind >= VrmlKind::Sphere) buildPrimitive(frame);
  if (frame.def >= 0) {
    VrmlDef& record = defs_[static_cast<std::size_t>(frame.def)];
    if (frame.kind == VrmlKind::Coordinate) record.points = frame.points;
    if (frame.kind == VrmlKind::Material) {
      record.has_colour = true;
      record.colour = frame.colour;
    }
    open_defs_.pop_back();
  }
  if (frame.leaks && !(frame.kind == VrmlKind::Transform && frame.has_children)) {
    VrmlFrame& parent = frames_.back();
    parent.matrix = frame.matrix;
    parent.colour = frame.colour;
    parent.points = frame.points;
  }
}

void VrmlImport::use(const std::string& name) {
  const auto found = def_names_.find(name);
  if (found == def_names_.end()) return;
  const auto index = static_cast<std::size_t>(found->second);
  const VrmlDef& record = defs_[index];
  VrmlFrame& frame = frames_.back();
  if (record.points) frame.points = record.points;
  if (record.has_colour) frame.colour = record.colour;
  if (!record.invertible) return;
  const VrmlMatrix place = frame.matrix * record.inverse_base;
  // By index, one shape copied at a time: the shapes emitted here may be recorded into
  // this very DEF, which moves its list.
  const std::size_t count = record.shapes.size();
  for (std::size_t s = 0; s < count; ++s) {
    if (scene_.FacesFull) return;
    VrmlShape copy = defs_[index].shapes[s];
    copy.name = name;
    for (VrmlTriangle& t : copy.triangles) {
      for (VrmlVec& p : t.p) p = place.apply(p);
    }
    emit(std::move(copy));
  }
}

void VrmlImport::readField(VrmlFrame& frame, const std::string& field) {
  double v[16];
  bool valid = true;
  auto fixed = [&](int count) { return readNumbers(v, count, valid) == count && valid; };
  auto vec = [&] { return VrmlVec{v[0], v[1], v[2]}; };
  switch (frame.kind) {
    case VrmlKind::Transform:
      if (field == "children") frame.has_children = true;
      if (field == "translation" && fixed(3)) frame.translation = vec();
      if (field == "center" && fixed(3)) frame.centre = vec();
      if ((field == "scale" || field == "scalefactor") && fixed(3)) frame.scale = vec();
      if (field == "rotation" && fixed(4)) std::copy(v, v + 4, frame.rotation);
      if (field == "scaleorientation" && fixed(4)) std::copy(v, v + 4, frame.scale_orientation);
      updateTransform(frame);
      break;
    case VrmlKind::Translation:
      if (field == "translation" && fixed(3)) frame.translation = vec();
      updateTransform(frame);
      break;
    case VrmlKind::Rotation:
      if (field == "rotation" && fixed(4)) std::copy(v, v + 4, frame.rotation);
      updateTransform(frame);
      break;
    case VrmlKind::Scale:
      if (field == "scalefactor" && fixed(3)) frame.scale = vec();
      updateTransform(frame);
      break;
    case VrmlKind::MatrixTransform:
      if (field == "matrix" && fixed(16)) {
        // VRML 1.0 multiplies row vectors, so the file holds the transpose.
        VrmlMatrix local;
        for (int row = 0; row < 3; ++row) {
          for (int col = 0; col < 4; ++col) local.m[row * 4 + col] = v[col * 4 + row];
        }
        frame.matrix = frame.base * local;
      }
      break;
    case VrmlKind::Material:
      if (field == "diffusecolor" && fixed(3)) frame.colour = colourOf(v);
      break;
    case VrmlKind::Coordinate:
      if (field == "point") readPoints(frame);
      break;
    case VrmlKind::IndexedFaceSet:
      if (field == "coordindex") readIndices(frame);
      break;
    case VrmlKind::Sphere:
    case VrmlKind::Cube:
    case VrmlKind::Box:
    case VrmlKind::Cone:
    case VrmlKind::Cylinder:
      if (field == "size") {
        if (fixed(3)) frame.size = vec();
      } else if (field == "radius" || field == "height" || field == "width" || field == "depth" ||
                 field == "bottomradius") {
        if (!fixed(1)) break;
        const double size = std::abs(v[0]);
        if (field == "radius") frame.radius = size;
        if (field == "height") frame.height = size;
        if (field == "width") frame.width = size;
        if (field == "depth") frame.depth = size;
        if (field == "bottomradius") frame.bottom_radius = size;
      }
      break;
    default:
      break;
  }
}

void VrmlImport::updateTransform(VrmlFrame& f) {
  const auto& r = f.rotation;
  const auto& o = f.scale_orientation;
  const VrmlMatrix orientation = VrmlMatrix::rotation(o[0], o[1], o[2], o[3]);
  VrmlMatrix unorient;
  orientation.inverse(unorient);
  const VrmlVec back{-f.centre.x, -f.centre.y, -f.centre.z};
  const VrmlMatrix local = VrmlMatrix::translation(f.translation) *
                           VrmlMatrix::translation(f.centre) *
                           VrmlMatrix::rotation(r[0], r[1], r[2], r[3]) * orientation *
                           VrmlMatrix::scale(f.scale) * unorient * VrmlMatrix::translation(back);
  f.matrix = f.base * local;
}

// Reads up to `count` numbers of a field's value: bare, or the first of a bracketed list
// (whose further entries are passed over). A number that is not finite or absurdly large
// clears `valid`. Stops before any word that is no number when the value is bare.
int VrmlImport::readNumbers(double* out, int count, bool& valid) {
  int got = 0;
  bool bracketed = false;
  for (VrmlToken token; (token = next()) != VrmlToken::End;) {
    if (token == VrmlToken::OpenBracket && !bracketed && got == 0) {
      bracketed = true;
      continue;
    }
    if (token == VrmlToken::CloseBracket && bracketed) return got;
    double value = 0;
    if (token != VrmlToken::Word || !parseNumber(lexer_.word(), value)) {
      if (token == VrmlToken::Word && bracketed) continue;
      pushBack(token);
      return got;
    }
    if (got < count) {
      if (!sane(value)) {
        valid = false;
        bad_numbers_ = true;
      }
      out[got++] = value;
    }
    if (got == count && !bracketed) return got;
  }
  return got;
}

void VrmlImport::readPoints(VrmlFrame& frame) {
  auto points = std::make_shared<std::vector<VrmlPoint>>();
  const VrmlToken first = next();
  const bool bracketed = first == VrmlToken::OpenBracket;
  if (!bracketed) pushBack(first);
  double xyz[3];
  int got = 0;
  bool valid = true;
  for (VrmlToken token; (token = next()) != VrmlToken::End;) {
    double value = 0;
    if (token != VrmlToken::Word || !parseNumber(lexer_.word(), value)) {
      if (token == VrmlToken::Word && bracketed) continue;
      if (token != VrmlToken::CloseBracket) pushBack(token);
      break;
    }
    if (!sane(value)) valid = false;
    xyz[got++] = value;
    if (got < 3) continue;
    got = 0;
    if (points->size() >= kMaxListEntries) {
      too_long_ = true;
    } else if (valid) {
      points->push_back(
          {static_cast<float>(xyz[0]), static_cast<float>(xyz[1]), static_cast<float>(xyz[2])});
    } else {
      bad_numbers_ = true;
      points->push_back({std::numeric_limits<float>::quiet_NaN(), 0, 0});
    }
    valid = true;
    if (!bracketed) break;
  }
  frame.points = std::move(points);
}

void VrmlImport::readIndices(VrmlFrame& frame) {
  const VrmlToken first = next();
  const bool bracketed = first == VrmlToken::OpenBracket;
  if (!bracketed) pushBack(first);
  frame.indices.clear();
  for (VrmlToken token; (token = next()) != VrmlToken::End;) {
    double value = 0;
    if (token != VrmlToken::Word || !parseNumber(lexer_.word(), value)) {
      if (token == VrmlToken::Word && bracketed) continue;
      if (token != VrmlToken::CloseBracket) pushBack(token);
      break;
    }
    if (frame.indices.size() >= kMaxListEntries) {
      too_long_ = true;
    } else if (std::isnan(value) || value != std::trunc(value)) {
      bad_numbers_ = true;
      frame.indices.push_back(std::numeric_limits<std::int32_t>::max());  // drops its polygon
    } else {
      // Any negative ends a polygon; an index past every point drops its polygon.
      frame.indices.push_back(value < 0 ? -1
                                        : static_cast<std::int32_t>(std::min(value, 2147483647.0)));
    }
    if (!bracketed) break;
  }
}

void readVrml(Scene& scene, Host& host, const ViewState& views, const std::string& path) {
  NamesUnasked unasked(scene);
  VrmlImport import(scene, host, views, path);
  import.run();
}

}  // namespace facetry
