// exchange/exchange_test_util.h: building DXF text and 3DS chunks by hand, a host that
// records the "Reading" counter, and the third-party reader used for interoperability.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/scripted_host.h"

namespace facetry::testing {

// Lines joined with CR LF, each one ended.
inline std::string dxfText(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

inline std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

inline std::string u16Bytes(std::uint16_t v) {
  return std::string(reinterpret_cast<char*>(&v), 2);
}
inline std::string u32Bytes(std::uint32_t v) {
  return std::string(reinterpret_cast<char*>(&v), 4);
}
inline std::string f32Bytes(float v) {
  return std::string(reinterpret_cast<char*>(&v), 4);
}

// A 3DS chunk: id, length (header included), payload.
inline std::string chunk(std::uint16_t id, const std::string& payload) {
  return u16Bytes(id) + u32Bytes(static_cast<std::uint32_t>(6 + payload.size())) + payload;
}

// A named object holding one mesh of the given vertices (X, Y, Z) and faces (a, b, c).
inline std::string meshObject(const std::string& name, const std::vector<float>& xyz,
                              const std::vector<std::uint16_t>& abc) {
  std::string vertices = u16Bytes(static_cast<std::uint16_t>(xyz.size() / 3));
  for (float v : xyz) vertices += f32Bytes(v);
  std::string faces = u16Bytes(static_cast<std::uint16_t>(abc.size() / 3));
  for (std::size_t i = 0; i + 2 < abc.size(); i += 3) {
    faces += u16Bytes(abc[i]) + u16Bytes(abc[i + 1]) + u16Bytes(abc[i + 2]) + u16Bytes(7);
  }
  return chunk(0x4000, name + std::string(1, '\0') +
                           chunk(0x4100, chunk(0x4110, vertices) + chunk(0x4120, faces)));
}

class CountingHost : public ScriptedHost {
 public:
  void readingCount(int face_count) override { counts.push_back(face_count); }
  std::vector<int> counts;
};

inline bool assimpInstalled() {
  return std::system("command -v assimp >/dev/null 2>&1") == 0;
}

// The face count `assimp info` reports for a file, or -1 when it cannot read it.
inline int assimpFaceCount(const std::string& path) {
  const std::string report = path + ".assimp.txt";
  if (std::system(("assimp info '" + path + "' > '" + report + "' 2>&1").c_str()) != 0) return -1;
  std::ifstream in(report);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("Faces:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

inline std::string testDataPath(const std::string& name) {
  const char* root = std::getenv("FACETRY_TEST_DATA");
  return std::string(root ? root : "tests/data") + "/exchange/" + name;
}

}  // namespace facetry::testing
