// render/side_by_side.cpp: the second thread of a split redraw step.
#include "render/side_by_side.h"

#include <chrono>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace facetry {

namespace {

// How long a side waits awake for the other before it sleeps.
constexpr auto kAwake = std::chrono::milliseconds(1);

void relax() {
#if defined(__SSE2__)
  _mm_pause();
#endif
}

// Waits until `value` is no longer `old`: awake for a while, then asleep.
void waitChange(const std::atomic<std::uint32_t>& value, std::uint32_t old) {
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; value.load(std::memory_order_acquire) == old; ++k) {
    if ((k & 63) == 63 && std::chrono::steady_clock::now() - start > kAwake) {
      value.wait(old, std::memory_order_acquire);
      return;
    }
    relax();
  }
}

}  // namespace

bool worthSplitting(int faces) {
  return faces >= kSplitFaces && std::thread::hardware_concurrency() >= 2;
}

bool worthSplittingRows() {
  return std::thread::hardware_concurrency() >= 2;
}

SideWorker::~SideWorker() {
  if (!thread_.joinable()) return;
  stopping_.store(true, std::memory_order_release);
  posted_.fetch_add(1, std::memory_order_release);
  posted_.notify_one();
  thread_.join();
}

void SideWorker::serve() {
  std::uint32_t seen = 0;
  for (;;) {
    waitChange(posted_, seen);
    seen = posted_.load(std::memory_order_acquire);
    if (stopping_.load(std::memory_order_acquire)) return;
    try {
      (*step_)();
    } catch (...) {
      failure_ = std::current_exception();
    }
    done_.store(seen, std::memory_order_release);
    done_.notify_one();
  }
}

SideFailures SideWorker::run(const std::function<void()>& here,
                             const std::function<void()>& there) {
  if (busy_.exchange(true, std::memory_order_acquire)) return runSideBySide(here, there);
  SideFailures failures;
  if (!thread_.joinable()) thread_ = std::thread([this] { serve(); });
  step_ = &there;
  failure_ = nullptr;
  const std::uint32_t before = done_.load(std::memory_order_relaxed);
  posted_.fetch_add(1, std::memory_order_release);
  posted_.notify_one();
  try {
    here();
  } catch (...) {
    failures.here = std::current_exception();
  }
  waitChange(done_, before);
  failures.there = failure_;
  failure_ = nullptr;
  busy_.store(false, std::memory_order_release);
  return failures;
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

SideFailures runSideBySide(SideWorker* worker, const std::function<void()>& here,
                           const std::function<void()>& there) {
  return worker != nullptr ? worker->run(here, there) : runSideBySide(here, there);
}

}  // namespace facetry
