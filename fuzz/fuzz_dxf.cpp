// Fuzz target of the DXF reader: any text must end in a consistent scene or an error,
// never a crash or a hang.
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "exchange/dxf_reader.h"
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

// Aborts (so the fuzzer reports it) when the tables no longer partition the faces or a face
// holds a corner the views cannot draw.
void checkScene(const facetry::Scene& s) {
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
  for (int i = 0; i < s.FaceCount; ++i) {
    for (const auto& c : s.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) __builtin_trap();
    }
  }
  if (s.ask) __builtin_trap();
}

std::string work_dir;  // where inputs are read
int home_dir = -1;     // the fuzzer's own working directory

}  // namespace

// The reader writes its scratch files in the working directory, so each input is read
// in a private one; libFuzzer keeps its own (its corpus and artifact paths are relative).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char dir[] = "/tmp/fuzz_dxf_XXXXXX";
  if (!mkdtemp(dir)) std::abort();
  work_dir = dir;
  home_dir = open(".", O_RDONLY | O_DIRECTORY);
  if (home_dir < 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = work_dir + "/input.dxf";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  if (chdir(work_dir.c_str()) != 0) std::abort();
  QuietHost host;
  static facetry::Scene scene;  // reused: allocating the tables for every input is slow
  static facetry::ViewState views;
  static facetry::DxfReaderState state;
  facetry::clearFacesAndObjects(scene);
  try {
    facetry::readDxf(scene, host, views, state, path);
  } catch (const facetry::Error&) {
  }
  if (fchdir(home_dir) != 0) std::abort();
  checkScene(scene);
  return 0;
}
