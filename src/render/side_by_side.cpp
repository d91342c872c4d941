// render/side_by_side.cpp: two pieces of work at once.
#include "render/side_by_side.h"

#include <thread>

namespace facetry {

bool worthSplitting(int faces) {
  return faces >= kSplitFaces && std::thread::hardware_concurrency() >= 2;
}

SideFailures runSideBySide(const std::function<void()>& here, const std::function<void()>& there) {
  SideFailures failures;
  std::thread other([&] {
    try {
      there();
    } catch (...) {
      failures.there = std::current_exception();
    }
  });
  try {
    here();
  } catch (...) {
    failures.here = std::current_exception();
  }
  other.join();
  return failures;
}

}  // namespace facetry
