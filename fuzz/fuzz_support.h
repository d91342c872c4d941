// fuzz/fuzz_support.h: what every fuzz target shares: the check that trips the fuzzer when a reader
// leaves the tables broken, and a private working directory for the readers' scratch files.
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scene/null_host.h"
#include "scene/scene.h"

namespace facetry::fuzzing {

// Aborts (so the fuzzer reports it) when the objects no longer partition the faces, a face
// holds a corner the views cannot draw (with `finite_corners`), or counts leave their bounds.
inline void checkScene(const Scene& s, bool finite_corners) {
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
  if (s.FaceCount > s.faceSlotsAllocated() && s.FaceCount < kMaxFaces) __builtin_trap();
  if (s.NurbCount < 0 || s.NurbCount > kSurfaceSlots - 1) __builtin_trap();
  if (!finite_corners) return;
  for (int i = 0; i < s.FaceCount; ++i) {
    for (const auto& c : s.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) __builtin_trap();
    }
  }
}

// A private directory the input is written into and read from; the fuzzer's own working
// directory (where its corpus and artifact paths point) is kept and returned to.
class WorkDirectory {
 public:
  explicit WorkDirectory(const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + "_XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    dir_ = pattern;
    home_ = open(".", O_RDONLY | O_DIRECTORY);
    if (home_ < 0) std::abort();
  }
  // Writes the input to `name` in the directory and enters it; returns the file's path.
  std::string enter(const std::uint8_t* data, std::size_t size, const char* name) {
    const std::string path = dir_ + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    if (chdir(dir_.c_str()) != 0) std::abort();
    return path;
  }
  void leave() {
    if (fchdir(home_) != 0) std::abort();
  }

 private:
  std::string dir_;
  int home_ = -1;
};

}  // namespace facetry::fuzzing
