// exchange/vrml1_writer.cpp: writing the scene as a VRML 1.0 world.
#include "exchange/vrml1_writer.h"

#include "exchange/text_lines.h"
#include "exchange/vrml_runs.h"
#include "exchange/writer_shift.h"
#include "files/model_commands.h"

namespace facetry {

namespace {

constexpr const char* kHeader[] = {
    "#VRML V1.0 ascii",
    "Separator {",
    "    ShapeHints {",
    "\tvertexOrdering\tCLOCKWISE",
    "\tshapeType\tSOLID",
    "\tfaceType\tCONVEX ",
    "    } ",
    "  PerspectiveCamera",
    "  {",
    "  position  100  -100  800",
    "  orientation  100 0 0 0 ",
    "  }",
    "PointLight {",
    "     on         TRUE ",
    "     intensity  1",
};

void writeColour(TextLines& out, const Face& f) {
  out.line("Material {");
  out << "         diffuseColor ";
  out.fixed(f.red / 255.0, 4) << " ";
  out.fixed(f.green / 255.0, 4) << " ";
  out.fixed(f.blue / 255.0, 4) << " ";
  out.end();
  out.line("     }");
}

void writeTexture(TextLines& out, const Scene& scene, const VrmlRun& run) {
  out.line(" Texture2 {");
  out << "  filename "
      << quotedText(scene.MaterialList[static_cast<std::size_t>(run.texture)].str());
  out.end();
  out.line("\t} ");
  out.line("  TextureCoordinate2 { ");
  out.line("point\t[ ");
  for (int i = run.first; i <= run.last; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      out.fixed(textureS(c.u, run.width), 3) << "  ";
      out.fixed(textureT(c.v, run.height), 3) << " ,";
      out.end();
    }
  }
  out.line("]");
  out.line(" }  ");
}

void writeRun(TextLines& out, const Scene& scene, const VrmlRun& run, const WriterShift& shift) {
  const Face& head = scene.FaceTable[static_cast<std::size_t>(run.first)];
  out << " \tDEF " << vrmlName(objectNameOf(scene, head.object)) << " Separator {";
  out.end();
  if (run.textured) {
    writeTexture(out, scene, run);
  } else {
    writeColour(out, head);
  }
  out.line(" \tCoordinate3 {");
  out.line("  \t\tpoint\t[ ");
  for (int i = run.first; i <= run.last; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      // The differences of two floats are exact in double, so rounding happens once.
      out << " ";
      out.fixed(static_cast<double>(c.x) - shift.min_x, 4) << "  ";
      out.fixed(static_cast<double>(shift.min_y) - c.y, 4) << "  ";
      out.fixed(c.z, 4) << " ,";
      out.end();
    }
  }
  out.line("]");
  out.line(" }  ");
  out.line("\t\tIndexedFaceSet {");
  out.line("\t\t    coordIndex\t[");
  for (long long k = 0; k <= run.last - run.first; ++k) {
    out << " ";
    out.integer(3 * k) << " ,";
    out.integer(3 * k + 1) << " ,";
    out.integer(3 * k + 2) << ", -1 ,";
    out.end();
  }
  out.line("]");
  out.line(" }  ");
  out.line("}");
}

}  // namespace

void writeVrml1(const Scene& scene, const TextureStore& textures, const std::string& path) {
  const WriterShift shift = writerShift(scene);
  const std::vector<VrmlRun> runs = vrmlRuns(scene, textures);
  TextLines out(withExtension(path, ".wrl"));
  for (const char* line : kHeader) out.line(line);
  // One white light at (100, 0, 900).
  out << "     color  ";
  out.fixed(1.0, 2) << " ";
  out.fixed(1.0, 2) << " ";
  out.fixed(1.0, 2);
  out.end();
  out << "     location  ";
  out.fixed(100, 2) << " ";
  out.fixed(0, 2) << " ";
  out.fixed(900, 2);
  out.end();
  out.line("}");
  for (const VrmlRun& run : runs) writeRun(out, scene, run, shift);
  out.line("  \t\t} ");
  out.commit();
}

}  // namespace facetry
