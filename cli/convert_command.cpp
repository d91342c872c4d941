// cli/convert_command.cpp: facetry-cli convert.
#include "convert_command.h"

#include <cctype>
#include <filesystem>
#include <optional>

#include "cli_args.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "files/model_commands.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"
#include "silent_host.h"
#include "workspace.h"

namespace facetry {

namespace {

enum class Format { Native, Dxf, ThreeDs };

std::optional<Format> formatNamed(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!name.empty() && name.front() == '.') name.erase(0, 1);
  if (name == "fcy") return Format::Native;
  if (name == "dxf") return Format::Dxf;
  if (name == "3ds") return Format::ThreeDs;
  return std::nullopt;
}

std::optional<Format> formatOf(const std::string& path) {
  return formatNamed(std::filesystem::path(path).extension().string());
}

// Removes the scratch files a DXF import writes, as the window program does at shutdown.
class DxfScratchCleanup {
 public:
  ~DxfScratchCleanup() {
    std::error_code ignored;
    std::filesystem::remove(kHeaderFile, ignored);
    std::filesystem::remove(kPolyfaceFile, ignored);
  }
};

void readModel(Workspace& ws, Host& host, Format format, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw IoError(path + ": no such file");
  switch (format) {
    case Format::Native:
      loadOrFail(ws, path);
      break;
    case Format::Dxf: {
      DxfScratchCleanup cleanup;
      DxfReaderState state;
      readDxf(ws.scene, host, ws.views, state, path);
      break;
    }
    case Format::ThreeDs:
      read3ds(ws.scene, host, ws.views, ws.lighting.LightPosition, path);
      break;
  }
}

void writeModel(Workspace& ws, Format format, const std::string& path) {
  switch (format) {
    case Format::Native:
      saveNativeModel(ws.scene, ws.views, path);
      break;
    case Format::Dxf:
      writeDxf(ws.scene, path);
      break;
    case Format::ThreeDs:
      write3ds(ws.scene, ws.views, path);
      break;
  }
}

}  // namespace

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  std::optional<Format> output_format;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (i + 1 >= args.size() || !(output_format = formatNamed(args[i + 1]))) {
        throw UsageError("--format wants fcy, dxf or 3ds");
      }
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) throw UsageError("convert wants an input and an output file");
  const std::optional<Format> input_format = formatOf(files[0]);
  if (!input_format) {
    throw UsageError("cannot tell the format of " + files[0] +
                     " from its extension (.fcy, .dxf or .3ds)");
  }
  if (!output_format) output_format = formatOf(files[1]);
  if (!output_format) {
    throw UsageError("cannot tell the format to write " + files[1] +
                     " in; give it the extension .fcy, .dxf or .3ds or use --format");
  }

  Workspace ws;
  startWorkspace(ws, 1);
  SilentHost host(err);
  readModel(ws, host, *input_format, files[0]);
  writeModel(ws, *output_format, files[1]);

  const Scene& s = ws.scene;
  const int in_objects = s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first;
  const int written = *output_format == Format::Native ? s.FaceCount : in_objects;
  out << "wrote " << files[1] << ": " << written << " faces in " << s.ObjectCount << " objects\n";
  if (written < s.FaceCount) {
    out << "left out " << s.FaceCount - written << " faces outside any object\n";
  }
  return 0;
}

}  // namespace facetry
