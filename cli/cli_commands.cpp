// cli/cli_commands.cpp: argument parsing and the commands of facetry-cli.
#include "cli_commands.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "demo_mesh.h"
#include "files/model_commands.h"
#include "files/native_file.h"
#include "scene/errors.h"
#include "silent_host.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr const char* kUsage =
    "usage: facetry-cli info MODEL.fcy\n"
    "       facetry-cli demo OUT.fcy [--faces N] [--objects K]\n";

class UsageError : public Error {
 public:
  using Error::Error;
};

int parseInt(const std::string& text, const std::string& option) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw UsageError(option + " wants a whole number, not \"" + text + "\"");
  }
  return value;
}

std::string formatTriple(const float (&p)[3]) {
  std::ostringstream s;
  s << std::setprecision(7) << '(' << p[0] << ", " << p[1] << ", " << p[2] << ')';
  return s.str();
}

// Loads a native model or throws with the reason on one line.
void loadOrFail(Workspace& ws, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw IoError(path + ": no such model file");
  }
  std::ostringstream messages;  // the reader's message box becomes the error text
  SilentHost host(messages);
  ws.ModelName = loadNativeModel(ws.scene, ws.views, host, ws.textures, path);
  if (ws.ModelName.empty()) {
    std::string reason = messages.str();
    while (!reason.empty() && reason.back() == '\n') reason.pop_back();
    throw FormatError(path + ": " + (reason.empty() ? "not a model file" : reason));
  }
}

int info(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw UsageError("info wants one model file");
  Workspace ws;
  loadOrFail(ws, args[1]);
  const Scene& s = ws.scene;
  out << "model " << ws.ModelName << '\n';
  out << "materials " << s.MaterialCount << '\n';
  out << "faces " << s.FaceCount << '\n';
  out << "objects " << s.ObjectCount << '\n';
  out << "surfaces " << s.NurbCount << '\n';
  for (int k = 0; k < s.ObjectCount; ++k) {
    const ModelObject& o = s.ObjectTable[static_cast<std::size_t>(k)];
    out << "object " << k << " \"" << o.name.str() << "\" faces " << o.first << ".." << o.last
        << " bounds " << formatTriple(o.min) << " " << formatTriple(o.max) << '\n';
  }
  const int open_faces = s.FaceCount - s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first;
  if (open_faces > 0) out << "faces outside any object " << open_faces << '\n';
  return 0;
}

int demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("demo wants an output file");
  int faces = 5000;
  int objects = 1;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--faces" && i + 1 < args.size()) {
      faces = parseInt(args[++i], "--faces");
    } else if (args[i] == "--objects" && i + 1 < args.size()) {
      objects = parseInt(args[++i], "--objects");
    } else {
      throw UsageError("unknown option " + args[i]);
    }
  }
  Workspace ws;
  SilentHost host(err);
  const int added = addDemoMesh(ws.scene, host, faces, {400, 400, 400}, 380, objects);
  saveNativeModel(ws.scene, ws.views, args[1]);
  out << "wrote " << args[1] << ": " << added << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    if (args[0] == "info") return info(args, out);
    if (args[0] == "demo") return demo(args, out, err);
    if (args[0] == "--help" || args[0] == "help") {
      out << kUsage;
      return 0;
    }
    throw UsageError("unknown command " + args[0]);
  } catch (const UsageError& e) {
    err << "facetry-cli: " << e.what() << '\n' << kUsage;
  } catch (const std::exception& e) {
    err << "facetry-cli: " << e.what() << '\n';
  }
  return 1;
}

}  // namespace facetry
