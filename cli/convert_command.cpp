// cli/convert_command.cpp: facetry-cli convert, through the core's format table.
#include "convert_command.h"

#include <filesystem>

#include "cli_args.h"
#include "exchange/format_table.h"
#include "ops/modelling_tools.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"
#include "silent_host.h"
#include "workspace.h"

namespace facetry {

namespace {

// Removes the scratch files a DXF or modeler import writes, as the window program does at
// shutdown and the modeler import leaves for the next one.
class DxfScratchCleanup {
 public:
  ~DxfScratchCleanup() {
    std::error_code ignored;
    std::filesystem::remove(kHeaderFile, ignored);
    std::filesystem::remove(kPolyfaceFile, ignored);
    std::filesystem::remove(kModelerFile, ignored);
  }
};

// The formats --format may name: every model format the table can write.
std::string formatKeys() {
  std::string keys;
  for (const FileFormat& f : fileFormats()) {
    if (!f.picture && f.write) keys += (keys.empty() ? "" : "|") + f.key;
  }
  return keys;
}

}  // namespace

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  const FileFormat* output_format = nullptr;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (i + 1 >= args.size() || !(output_format = formatNamed(args[i + 1])) ||
          output_format->picture || !output_format->write) {
        throw UsageError("--format wants " + formatKeys());
      }
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) throw UsageError("convert wants an input and an output file");
  const FileFormat* input_format = readFormatOf(files[0]);
  if (!input_format) {
    throw UsageError("cannot tell the format of " + files[0] + " from its extension");
  }
  if (!output_format) output_format = writeFormatOf(files[1]);
  if (!output_format || output_format->picture) {
    throw UsageError("cannot tell the format to write " + files[1] +
                     " in; give it a model file's extension or use --format " + formatKeys());
  }
  if (!input_format->read) throw Error(input_format->description + " can be saved but not read");
  if (!output_format->write) throw Error(output_format->description + " can be read but not saved");

  std::error_code ec;
  if (!std::filesystem::is_regular_file(files[0], ec)) throw IoError(files[0] + ": no such file");
  Workspace ws;
  startWorkspace(ws, 1);
  connectModellingTools(ws);
  SilentHost host(err);
  {
    DxfScratchCleanup cleanup;
    if (input_format->replaces_scene) {
      loadOrFail(ws, files[0]);  // a file that is no model file fails the command
    } else {
      input_format->read(ws, host, files[0]);
    }
  }
  // Object bounds and centres come from a redraw, as in the window after reading.
  redraw(ws);
  output_format->write(ws, host, files[1], PictureArea{});

  const Scene& s = ws.scene;
  const int in_objects = s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first;
  const int written = output_format->key == "fcy" ? s.FaceCount : in_objects;
  out << "wrote " << files[1] << ": " << written << " faces in " << s.ObjectCount << " objects\n";
  if (written < s.FaceCount) {
    out << "left out " << s.FaceCount - written << " faces outside any object\n";
  }
  return 0;
}

}  // namespace facetry
