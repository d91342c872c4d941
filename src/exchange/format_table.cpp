// exchange/format_table.cpp: the table of file formats and the save and load commands that
// dispatch through it.
#include "exchange/format_table.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "exchange/assimp_reader.h"
#include "exchange/assimp_writer.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/pov_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "exchange/vrml1_writer.h"
#include "exchange/vrml2_writer.h"
#include "exchange/vrml_reader.h"
#include "files/model_commands.h"
#include "files/modeler_file.h"
#include "files/object_file.h"
#include "render/picture_output.h"
#include "scene/errors.h"

namespace facetry {

namespace {

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The exchange readers show the "Reading" window while they add faces; it is hidden again
// whatever happens.
template <typename Read>
void withReadingWindow(Host& host, Read read) {
  host.showReading(true);
  try {
    read();
  } catch (...) {
    host.showReading(false);
    throw;
  }
  host.showReading(false);
}

// The mesh formats of other programs, read through assimp, after the dialogs' own filters:
// save filters 9.. and load filters 5...
void addAssimpFormats(std::vector<FileFormat>& formats) {
  using Writer = void (*)(const Scene&, const ViewState&, const std::string&);
  const struct {
    const char* key;
    const char* description;
    int save_index, load_index;
    Writer writer;
  } kMeshFormats[] = {
      {"obj", "Wavefront OBJ", 9, 5, writeObj},
      {"stl", "STL", 10, 6, writeStl},
      {"ply", "PLY", 11, 7, writePly},
      {"gltf", "glTF 2.0", 0, 8, nullptr},
      {"glb", "glTF 2.0 binary", 12, 9, writeGlb},
      {"dae", "Collada", 0, 10, nullptr},
      {"fbx", "FBX", 0, 11, nullptr},
      {"off", "OFF", 0, 12, nullptr},
  };
  for (const auto& m : kMeshFormats) {
    const std::string extension = std::string(".") + m.key;
    FileFormat f{m.key, extension, m.description, "*" + extension, m.save_index, m.load_index,
                 {},    {},        false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      withReadingWindow(host, [&] { readAssimp(ws.scene, host, ws.views, path); });
    };
    if (m.writer) {
      f.write = [writer = m.writer](Workspace& ws, Host&, const std::string& path,
                                    const PictureArea&) { writer(ws.scene, ws.views, path); };
    }
    formats.push_back(f);
  }
}

std::vector<FileFormat> makeFormats() {
  std::vector<FileFormat> formats;
  {
    FileFormat f{"fcy", ".fcy", "Facetry-files", "*.fcy", 1, 1, {}, {}, false, true};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      // A missing file or one that is not a model file changes nothing (the reader has said
      // why where there is something to say).
      const std::string name = loadNativeModel(ws.scene, ws.views, host, ws.textures, path);
      if (!name.empty()) ws.ModelName = name;
    };
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      ws.ModelName = saveNativeModel(ws.scene, ws.views, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"dxf", ".dxf", "DXF-files", "*.dxf", 2, 2, {}, {}, false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      withReadingWindow(host, [&] { readDxf(ws.scene, host, ws.views, ws.dxf, path); });
    };
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      writeDxf(ws.scene, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"vrml1", ".wrl", "VRML#1-worlds", "*.wrl", 3, 0, {}, {}, false};
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      writeVrml1(ws.scene, ws.textures, path);
    };
    formats.push_back(f);
  }
  // The load dialog's one VRML filter reads either version.
  {
    FileFormat f{"vrml2", ".wrl", "VRML#2-worlds", "*.wrl", 4, 0, {}, {}, false};
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      writeVrml2(ws.scene, ws.textures, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"3ds", ".3ds", "3D studio files", "*.3ds", 5, 4, {}, {}, false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      withReadingWindow(
          host, [&] { read3ds(ws.scene, host, ws.views, ws.lighting.LightPosition, path); });
    };
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      write3ds(ws.scene, ws.views, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"bmp", ".bmp", "Bitmap", "*.bmp", 6, 0, {}, {}, true};
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea& area) {
      // The front view as shown, drawn without the survey, which would otherwise take the
      // shared bitmap last.
      ws.survey.suppressed = true;
      try {
        redraw(ws);
      } catch (...) {
        ws.survey.suppressed = false;
        throw;
      }
      ws.survey.suppressed = false;
      saveViewBitmap(ws.frame.images[0], area.left, area.top, area.width, area.height, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"jpg", ".jpg", "Jpeg", "*.jpg", 7, 0, {}, {}, true};
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea& area) {
      saveViewJpeg(ws.frame, area.left, area.top, area.width, area.height, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"pov", ".pov", "Povray files", "*.pov", 8, 0, {}, {}, false};
    f.write = [](Workspace& ws, Host& host, const std::string& path, const PictureArea&) {
      writePov(ws.scene, ws.lighting, ws.settings, ws.textures, host, path);
    };
    formats.push_back(f);
  }
  {
    FileFormat f{"wrl", ".wrl", "VRML-files", "*.wrl", 0, 3, {}, {}, false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      withReadingWindow(host, [&] { readVrml(ws.scene, host, ws.views, path); });
    };
    formats.push_back(f);
  }
  {
    // An object file's faces stay where their coordinates put them (no place-object click);
    // every face is written, as if all were selected.
    FileFormat f{"obq", ".obq", "Object files", "*.obq", 0, 0, {}, {}, false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      readObjectFaces(ws.scene, host, path);
      closeObject(ws.scene, host, true, true);
    };
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      saveSelectionAsObject(ws.scene, path, true);
    };
    formats.push_back(f);
  }
  {
    // A modeler file is read as "Import" reads it, centred on CentrePoint.
    FileFormat f{"mdd", ".mdd", "Modeler files", "*.mdd", 0, 0, {}, {}, false};
    f.read = [](Workspace& ws, Host& host, const std::string& path) {
      addModelerFile(ws.scene, host, ws.views.CentrePoint, path);
    };
    f.write = [](Workspace& ws, Host&, const std::string& path, const PictureArea&) {
      writeModelerFile(facesMesh(ws.scene, true), path);
    };
    formats.push_back(f);
  }
  addAssimpFormats(formats);
  return formats;
}

std::vector<const FileFormat*> dialogFormats(int FileFormat::*index) {
  std::vector<const FileFormat*> list;
  for (const FileFormat& f : fileFormats()) {
    if (f.*index > 0) list.push_back(&f);
  }
  std::sort(list.begin(), list.end(),
            [index](const FileFormat* a, const FileFormat* b) { return a->*index < b->*index; });
  return list;
}

const FileFormat* formatAt(int FileFormat::*index, int position) {
  for (const FileFormat& f : fileFormats()) {
    if (position > 0 && f.*index == position) return &f;
  }
  return nullptr;
}

std::string extensionOf(const std::string& path) {
  return lowered(std::filesystem::path(path).extension().string());
}

}  // namespace

const std::vector<FileFormat>& fileFormats() {
  static const std::vector<FileFormat> formats = makeFormats();
  return formats;
}

std::vector<const FileFormat*> saveDialogFormats() {
  return dialogFormats(&FileFormat::save_index);
}
std::vector<const FileFormat*> loadDialogFormats() {
  return dialogFormats(&FileFormat::load_index);
}

std::string dialogFilter(const std::vector<const FileFormat*>& formats) {
  std::string filter;
  for (const FileFormat* f : formats) {
    if (!filter.empty()) filter += '|';
    filter += f->description + '|' + f->pattern;
  }
  return filter;
}

const FileFormat* saveFormatAt(int index) {
  return formatAt(&FileFormat::save_index, index);
}
const FileFormat* loadFormatAt(int index) {
  return formatAt(&FileFormat::load_index, index);
}

const FileFormat* formatNamed(const std::string& key) {
  const std::string wanted = lowered(key);
  for (const FileFormat& f : fileFormats()) {
    if (f.key == wanted) return &f;
  }
  return nullptr;
}

const FileFormat* readFormatOf(const std::string& path) {
  const std::string ext = extensionOf(path);
  if (ext == ".wrl") return formatNamed("wrl");
  for (const FileFormat& f : fileFormats()) {
    if (f.extension == ext && !f.picture) return &f;
  }
  return nullptr;
}

const FileFormat* writeFormatOf(const std::string& path) {
  const std::string ext = extensionOf(path);
  if (ext == ".wrl") return formatNamed("vrml2");
  for (const FileFormat& f : fileFormats()) {
    if (f.extension == ext && (f.save_index > 0 || f.write)) return &f;
  }
  return nullptr;
}

std::string saveInFormat(Workspace& ws, Host& host, const FileFormat& format,
                         const std::string& path, const PictureArea& area) {
  if (!format.write) {
    host.message(format.description + " can be read but not saved.", "Save",
                 MessageIcon::Information, MessageButtons::Ok);
    return {};
  }
  const std::string target = withExtension(path, format.extension);
  std::error_code ec;
  if (std::filesystem::exists(target, ec) &&
      host.message("Overwrite ?", "File already exists", MessageIcon::Warning,
                   MessageButtons::YesNo) != Answer::Yes) {
    return {};
  }
  format.write(ws, host, target, area);
  return target;
}

bool loadInFormat(Workspace& ws, Host& host, const FileFormat& format, const std::string& path) {
  if (!format.read) {
    host.message(format.description + " can be saved but not read.", "Load",
                 MessageIcon::Information, MessageButtons::Ok);
    return false;
  }
  format.read(ws, host, path);
  return true;
}

}  // namespace facetry
