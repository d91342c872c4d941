// exchange/pov_writer.cpp: writing the scene as a POV-Ray scene description.
#include "exchange/pov_writer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "exchange/text_lines.h"
#include "render/rasteriser.h"
#include "scene/errors.h"

namespace facetry {

namespace {

struct SceneBounds {
  float min[3] = {7000, 7000, 7000};
  float max[3] = {-7000, -7000, -7000};
};

SceneBounds sceneBounds(const Scene& scene) {
  SceneBounds b;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      const float p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a) {
        b.min[a] = std::min(b.min[a], p[a]);
        b.max[a] = std::max(b.max[a], p[a]);
      }
    }
  }
  return b;
}

// The scene turned by 180 degrees about the vertical line through (cx, cy), with object
// bounds and corner normals worked out for the turned corners.
Scene turnedScene(const Scene& scene, const Lighting& light, double cx, double cy) {
  Scene turned = scene;
  for (int i = 0; i < turned.FaceCount; ++i) {
    for (FaceCorner& c : turned.FaceTable[static_cast<std::size_t>(i)].corners) {
      c.x = static_cast<float>(2 * cx - c.x);
      c.y = static_cast<float>(2 * cy - c.y);
    }
  }
  updateAllObjectBounds(turned);
  computeVertexNormals(turned, light);
  return turned;
}

std::vector<std::string> includeNames(Host& host) {
  std::error_code ec;
  if (!std::filesystem::exists(kPovIncludeList, ec) &&
      host.message("Povinc.fls bestaat niet. Niet bestand maken ?", "Export pov",
                   MessageIcon::Question, MessageButtons::YesNo) == Answer::Yes) {
    std::ofstream list(kPovIncludeList, std::ios::binary);
    list << "shapes.inc\r\ncolors.inc\r\ntextures.inc\r\n";
    if (!list.flush()) throw IoError(std::string(kPovIncludeList) + ": cannot be written");
  }
  std::vector<std::string> names;
  std::ifstream list(kPovIncludeList, std::ios::binary);
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

// Colour bytes are written divided by 50, not 255: 255 is written 5.10.
void writeRgb(TextLines& out, const char* separator, const Rgb& c) {
  out.fixed(c.red / 50.0, 2) << separator;
  out.fixed(c.green / 50.0, 2) << separator;
  out.fixed(c.blue / 50.0, 2);
}

class PovGroups {
 public:
  PovGroups(TextLines& out, const Scene& turned, const TextureStore& textures, double half_depth)
      : out_(out), scene_(turned), textures_(textures), half_depth_(half_depth) {}

  void write() {
    out_.line("// SCENE DESCRIPTION");
    if (scene_.FaceCount == 0) return;
    out_.line("object {");
    out_.line("union {");
    out_.line("");
    int group = 0;
    for (int i = 0; i < scene_.FaceCount; ++i) {
      const Face& f = face(i);
      const Face& g = face(group);
      if (f.red != g.red || f.green != g.green || f.blue != g.blue || f.material != g.material) {
        close(group, true);
        group = i;
      }
      writeFace(i);
    }
    close(group, false);
  }

 private:
  const Face& face(int i) const { return scene_.FaceTable[static_cast<std::size_t>(i)]; }

  void point(const FaceCorner& c) {
    out_.fixed(c.x, 2) << ",";
    out_.fixed(c.y, 2) << ",";
    out_.fixed(c.z + half_depth_, 2);
  }
  void normal(const std::int32_t* n) {
    out_.integer(n[0]) << ",";
    out_.integer(n[1]) << ",";
    out_.integer(n[2]);
  }

  // The corners go third, second, first. A zero corner normal would make the reader drop
  // a smooth triangle as degenerate, so such a face is written flat.
  void writeFace(int i) {
    const Face& f = face(i);
    const FaceShading& shading = scene_.FaceShadingTable[static_cast<std::size_t>(i)];
    bool smooth = f.smooth != 0;
    for (const auto& n : shading.normals) {
      if (n[0] == 0 && n[1] == 0 && n[2] == 0) smooth = false;
    }
    if (!smooth) {
      out_ << "triangle {<";
      point(f.corners[2]);
      out_ << "> <";
      point(f.corners[1]);
      out_ << "> <";
      point(f.corners[0]);
      out_ << "> }";
    } else {
      out_ << "smooth_triangle {<";
      for (int k = 2; k >= 0; --k) {
        point(f.corners[k]);
        out_ << "> <";
        normal(shading.normals[k]);
        out_ << (k > 0 ? "> <" : ">}");
      }
    }
    out_.end();
  }

  // Only GIF pictures are mapped, and only those that could be decoded: the reader stops at
  // a picture it cannot read.
  bool gifMapped(int material) const {
    if (material < 1 || material > kMaxMaterials) return false;
    std::string name = scene_.MaterialList[static_cast<std::size_t>(material)].str();
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const Texture& picture = textures_.texture(material);
    return ext == ".gif" && picture.width > 0 && picture.height > 0;
  }

  // The larger extent in x or y of the object a face belongs to.
  double objectExtent(int object) const {
    if (object < 0 || object >= static_cast<int>(scene_.ObjectTable.size())) return 0;
    const ModelObject& o = scene_.ObjectTable[static_cast<std::size_t>(object)];
    return std::max(static_cast<double>(o.max[0]) - o.min[0],
                    static_cast<double>(o.max[1]) - o.min[1]);
  }

  void close(int group, bool reopen) {
    const Face& g = face(group);
    if (gifMapped(g.material)) {
      out_.line("texture { ");
      out_.line("pigment { ");
      out_ << "image_map { gif "
           << quotedText(scene_.MaterialList[static_cast<std::size_t>(g.material)].str()) << " } ";
      out_.end();
      const double s = objectExtent(g.object);
      out_ << "scale < ";
      out_.fixed(s, 2) << " , ";
      out_.fixed(s, 2) << " , ";
      out_.fixed(s, 2) << " >}}";
      out_.end();
    } else {
      out_ << "pigment { color rgb < ";
      writeRgb(out_, " , ", Rgb{g.red, g.green, g.blue});
      out_ << " >}";
      out_.end();
    }
    out_ << "finish {specular ";
    out_.fixed(0.5, 2) << " phong 10 phong_size 100 }";
    out_.end();
    out_.line("}");
    out_.line("}");
    if (reopen) {
      out_.line("object {");
      out_.line("union {");
    }
  }

  TextLines& out_;
  const Scene& scene_;
  const TextureStore& textures_;
  double half_depth_;
};

}  // namespace

void writePov(const Scene& scene, const Lighting& light, const Settings& settings,
              const TextureStore& textures, Host& host, const std::string& path) {
  const SceneBounds b = sceneBounds(scene);
  const double half_depth = (static_cast<double>(b.max[2]) - b.min[2]) / 2;
  const double cx = std::trunc(static_cast<double>(b.max[0]) / 2);
  const double cy = std::trunc((static_cast<double>(b.max[1]) + b.min[1]) / 2);
  const Scene turned = turnedScene(scene, light, cx, cy);

  TextLines out(path);
  for (const std::string& name : includeNames(host)) out.line("#include " + quotedText(name));

  const double a = (static_cast<double>(b.max[0]) - b.min[0]) / 2;
  const double bb = (static_cast<double>(b.max[1]) - b.min[1]) / 2;
  out.line("// Camera definition");
  out << "camera { location <";
  out.fixed(a, 2) << ",";
  out.fixed(bb, 2) << ",";
  out.fixed(static_cast<double>(b.max[2]) + 350, 2) << ">";
  out.end();
  out << "         look_at <";
  out.fixed(a, 2) << ",";
  out.fixed(bb, 2) << ",";
  out.fixed(0, 2) << "> }";
  out.end();
  out.line("");

  out.line("// Background-------");
  const Rgb& back = settings.BackgroundColour;
  out << "background { color  red ";
  out.fixed(back.red / 50.0, 2) << " green ";
  out.fixed(back.green / 50.0, 2) << " blue ";
  out.fixed(back.blue / 50.0, 2) << " }";
  out.end();
  out.line("");

  // The light stands where it is, not turned with the scene.
  out.line("// light---------");
  out << "object { light_source { <";
  out.fixed(light.LightPosition.x, 0) << " ";
  out.fixed(light.LightPosition.y, 0) << " ";
  out.fixed(light.LightPosition.z, 0) << ">  color red ";
  out.fixed(5.1, 2) << " green ";
  out.fixed(5.1, 2) << " blue ";
  out.fixed(5.1, 2) << " } }";
  out.end();
  out.line("");

  PovGroups(out, turned, textures, half_depth).write();
  out.commit();
}

}  // namespace facetry
