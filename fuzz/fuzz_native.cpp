// Fuzz target of the native model reader: any bytes, replace and merge, must end in a
// consistent scene or an error, never a crash.
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "files/native_file.h"
#include "scene/errors.h"

namespace {

class QuietHost : public facetry::Host {
 public:
  facetry::Answer message(const std::string&, const std::string&, facetry::MessageIcon,
                          facetry::MessageButtons) override {
    return facetry::Answer::Ok;
  }
  bool askObjectName(std::string&, bool&) override { return false; }
};

// Aborts (so the fuzzer reports it) when the tables no longer partition the faces.
void checkInvariants(const facetry::Scene& s) {
  int expected = 0;
  for (int k = 0; k < s.ObjectCount; ++k) {
    const auto& o = s.ObjectTable[static_cast<std::size_t>(k)];
    if (o.first != expected || o.last >= s.FaceCount) __builtin_trap();
    for (int i = o.first; i <= o.last; ++i) {
      if (s.FaceTable[static_cast<std::size_t>(i)].object != k) __builtin_trap();
    }
    expected = o.last + 1;
  }
  if (s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first != expected) __builtin_trap();
  if (s.FaceCount > s.faceSlotsAllocated() && s.FaceCount < facetry::kMaxFaces) __builtin_trap();
  if (s.NurbCount < 0 || s.NurbCount > 100) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/fuzz_native_" + std::to_string(getpid()) + ".fcy";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  QuietHost host;
  static facetry::Scene scene;  // reused: allocating the tables for every input is slow
  for (bool replace : {true, false}) {
    facetry::clearFacesAndObjects(scene);
    scene.ask = true;
    if (!replace) {
      facetry::FaceCorner c;
      facetry::addFace(scene, host, c, c, c);
      facetry::closeObject(scene, host, false, false);
    }
    try {
      facetry::ophaal(scene, host, path, replace, nullptr);
    } catch (const facetry::Error&) {
    }
    checkInvariants(scene);
  }
  return 0;
}
