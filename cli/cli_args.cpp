// cli/cli_args.cpp: shared parsing of facetry-cli.
#include "cli_args.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "files/model_commands.h"
#include "silent_host.h"

namespace facetry {

double parseNumber(const std::string& text, const std::string& option) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    throw UsageError(option + " wants a number, not \"" + text + "\"");
  }
  return value;
}

int parseInt(const std::string& text, const std::string& option) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw UsageError(option + " wants a whole number, not \"" + text + "\"");
  }
  return value;
}

int parseChoice(const std::string& text, const std::string& option,
                std::initializer_list<const char*> names) {
  int index = 0;
  std::string choices;
  for (const char* name : names) {
    if (text == name) return index;
    choices += (index++ ? "|" : "") + std::string(name);
  }
  throw UsageError(option + " wants " + choices + ", not \"" + text + "\"");
}

std::pair<int, int> parseClick(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) throw UsageError("a click is X,Y, not \"" + text + "\"");
  return {parseInt(text.substr(0, comma), "a click"), parseInt(text.substr(comma + 1), "a click")};
}

Point3 parseTriple(const std::string& text, const std::string& option) {
  std::istringstream parts(text);
  std::string x, y, z;
  if (!std::getline(parts, x, ',') || !std::getline(parts, y, ',') || !std::getline(parts, z)) {
    throw UsageError(option + " wants X,Y,Z");
  }
  return {static_cast<float>(parseNumber(x, option)), static_cast<float>(parseNumber(y, option)),
          static_cast<float>(parseNumber(z, option))};
}

void loadOrFail(Workspace& ws, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw IoError(path + ": no such model file");
  }
  std::ostringstream messages;  // the reader's message box becomes the error text
  SilentHost host(messages);
  ws.ModelName = loadNativeModel(ws.scene, ws.views, host, ws.textures, path);
  // A file that is no model file, or one that ends early, fails the command with what the
  // reader said.
  std::string reason = messages.str();
  while (!reason.empty() && reason.back() == '\n') reason.pop_back();
  if (ws.ModelName.empty() || !reason.empty()) {
    throw FormatError(path + ": " + (reason.empty() ? "not a model file" : reason));
  }
}

}  // namespace facetry
