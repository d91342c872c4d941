// exchange/vrml2_writer.cpp: writing the scene as a VRML 2.0 world.
//
// Each run is one Shape whose IndexedFaceSet carries its own points, indices and texture
// coordinates; the node names VRMLworldCoords, VRMLworldTexCoords, VRMLworldTriset and
// body_1 are defined again in every run.
#include "exchange/vrml2_writer.h"

#include "exchange/text_lines.h"
#include "exchange/vrml_runs.h"
#include "exchange/writer_shift.h"
#include "files/model_commands.h"

namespace facetry {

namespace {

constexpr const char* kHeader[] = {
    "#VRML V2.0 utf8",
    "# ",
    "# This world is designed by Facetry",
    "# Mailto : facetry@localhost",
    " ",
    "Viewpoint { ",
    "        position 100 -100 800",
    "        orientation 100 0 0 0",
    "        description \"The watcher\"",
    "        } ",
    "DEF _0 NavigationInfo {",
    "headlight   TRUE ",
    "speed   1",
    "}",
};

constexpr const char* kColourOpening[] = {
    "Transform {",
    "        children [",
    "                Shape {",
    "                        appearance   Appearance {",
    "                                material            ",
    "                                        DEF body_1 Material {",
};

constexpr const char* kColourClosing[] = {
    "                                                specularColor   0 0 0",
    "                                                emissiveColor   0 0 0",
    "                                                shininess   0",
    "                                                transparency   0",
    "                                        } ",
    "} ",
};

constexpr const char* kTextureOpening[] = {
    " Transform {",
    "         children  [ ",
    "                 Shape {",
    "                         appearance   Appearance {",
    "                                 texture ImageTexture {",
};

void writeAppearance(TextLines& out, const Scene& scene, const VrmlRun& run) {
  if (run.textured) {
    for (const char* line : kTextureOpening) out.line(line);
    out << "                                 url    "
        << quotedText(scene.MaterialList[static_cast<std::size_t>(run.texture)].str());
    out.end();
    out.line(" } ");
    out.line(" } ");
    return;
  }
  const Face& head = scene.FaceTable[static_cast<std::size_t>(run.first)];
  for (const char* line : kColourOpening) out.line(line);
  out << "         diffuseColor ";
  out.fixed(head.red / 255.0, 4) << " ";
  out.fixed(head.green / 255.0, 4) << " ";
  out.fixed(head.blue / 255.0, 4) << " ";
  out.end();
  for (const char* line : kColourClosing) out.line(line);
}

// One line per corner of the run; every line but the last ends in " ,", the last in " ".
template <typename WriteCorner>
void writeCornerLines(TextLines& out, const Scene& scene, const VrmlRun& run,
                      WriteCorner write_corner) {
  for (int i = run.first; i <= run.last; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    for (int k = 0; k < 3; ++k) {
      write_corner(f.corners[k]);
      out << (i == run.last && k == 2 ? " " : " ,");
      out.end();
    }
  }
}

// " 0 ,1 ,2, -1" per face, joined by " ," and a line end, the last followed by "]".
void writeTriples(TextLines& out, const VrmlRun& run) {
  for (long long k = 0; k <= run.last - run.first; ++k) {
    if (k > 0) {
      out << " ,";
      out.end();
    }
    out << " ";
    out.integer(3 * k) << " ,";
    out.integer(3 * k + 1) << " ,";
    out.integer(3 * k + 2) << ", -1";
  }
  out << "]";
  out.end();
}

void writeRun(TextLines& out, const Scene& scene, const VrmlRun& run, const WriterShift& shift) {
  writeAppearance(out, scene, run);
  out.line("                        geometry DEF VRMLworldTriset IndexedFaceSet {");
  out.line("                                coord DEF VRMLworldCoords Coordinate {");
  out.line("                                        point   [");
  writeCornerLines(out, scene, run, [&](const FaceCorner& c) {
    // The differences of two floats are exact in double, so rounding happens once.
    out << " ";
    out.fixed(static_cast<double>(c.x) - shift.min_x, 3) << "  ";
    out.fixed(static_cast<double>(shift.min_y) - c.y, 3) << "  ";
    out.fixed(c.z, 3);
  });
  out.line("]");
  out.line(" }  ");
  if (run.textured) {
    out.line("texCoord  ");
    out.line(" DEF VRMLworldTexCoords TextureCoordinate { ");
    out.line("point   [  ");
    writeCornerLines(out, scene, run, [&](const FaceCorner& c) {
      out.fixed(textureS(c.u, run.width), 3) << "  ";
      out.fixed(textureT(c.v, run.height), 3);
    });
    out.line("]");
    out.line(" }  ");
  }
  out.line("coordIndex   [       ");
  writeTriples(out, run);
  if (run.textured) {
    out.line(" texCoordIndex   [ ");
    writeTriples(out, run);
  }
  // The face set, the shape, the children and the transform.
  out.line("  } } ] }");
}

}  // namespace

void writeVrml2(const Scene& scene, const TextureStore& textures, const std::string& path) {
  const WriterShift shift = writerShift(scene);
  const std::vector<VrmlRun> runs = vrmlRuns(scene, textures);
  TextLines out(withExtension(path, ".wrl"));
  for (const char* line : kHeader) out.line(line);
  for (const VrmlRun& run : runs) writeRun(out, scene, run, shift);
  out.commit();
}

}  // namespace facetry
