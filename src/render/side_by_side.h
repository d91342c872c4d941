// render/side_by_side.h: two pieces of work at once, one on a second thread, for the parts
// of a redraw that split in two (faces, objects, corners, rows).
#pragma once
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

namespace facetry {

// Below this many faces a second thread costs more than it saves.
inline constexpr int kSplitFaces = 2000;

// Whether `faces` faces are worth splitting between two threads on this machine.
bool worthSplitting(int faces);

// Whether a whole-bitmap job (copying, clearing) is shared between two threads.
bool worthSplittingRows();

// What each side of runSideBySide threw, if anything.
struct SideFailures {
  std::exception_ptr here, there;
  bool any() const { return here || there; }
  // Throws what this side threw, else what the other side threw, if anything.
  void rethrow() const {
    if (here) std::rethrow_exception(here);
    if (there) std::rethrow_exception(there);
  }
};

// A second thread kept for the split steps of one frame's redraws. A new thread for each
// step would cost the time a sleeping core takes to wake, about 0.1 ms, ten times a redraw;
// this one waits for its next step awake for a millisecond, then asleep.
class SideWorker {
 public:
  SideWorker() = default;
  SideWorker(const SideWorker&) = delete;
  SideWorker& operator=(const SideWorker&) = delete;
  ~SideWorker();

  // As runSideBySide, with `there` on this worker (or on a new thread while the worker is
  // busy with another step, as when a step splits again).
  SideFailures run(const std::function<void()>& here, const std::function<void()>& there);

 private:
  void serve();

  std::thread thread_;
  std::atomic<bool> busy_{false};         // a step is under way
  std::atomic<std::uint32_t> posted_{0};  // steps handed to the thread
  std::atomic<std::uint32_t> done_{0};    // steps it has finished
  std::atomic<bool> stopping_{false};
  const std::function<void()>* step_ = nullptr;
  std::exception_ptr failure_;
};

// Blocks of 0..count - 1, handed to whichever thread asks next: for work whose parts cost
// what they cost, so that neither side waits for the other.
class BlockQueue {
 public:
  BlockQueue(int count, int block) : count_(count), block_(block) {}
  // The next block [first, last), or false when none is left.
  bool take(int& first, int& last) {
    first = next_.fetch_add(block_, std::memory_order_relaxed);
    if (first >= count_) return false;
    last = first + block_ < count_ ? first + block_ : count_;
    return true;
  }

 private:
  std::atomic<int> next_{0};
  const int count_, block_;
};

// Runs `there` on a second thread (the worker's, when given) while `here` runs on this one,
// and returns when both are done; neither's exception escapes, both are returned.
SideFailures runSideBySide(const std::function<void()>& here, const std::function<void()>& there);
SideFailures runSideBySide(SideWorker* worker, const std::function<void()>& here,
                           const std::function<void()>& there);

}  // namespace facetry
