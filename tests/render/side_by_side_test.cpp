// The kept second thread of a redraw: many steps in a row each run both sides once, the
// failures of both sides come back, and a step that splits again inside a step runs too.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "render/side_by_side.h"

namespace facetry {
namespace {

TEST(SideWorker, RunsEveryStepOnceReturnsBothFailuresAndTakesAStepWithinAStep) {
  SideWorker worker;
  std::atomic<int> here{0}, there{0};
  for (int step = 0; step < 500; ++step) {
    const SideFailures none = worker.run([&] { ++here; }, [&] { ++there; });
    ASSERT_FALSE(none.any());
    ASSERT_EQ(here.load(), step + 1);
    ASSERT_EQ(there.load(), step + 1);
  }

  const SideFailures both =
      worker.run([] { throw std::runtime_error("here"); }, [] { throw std::logic_error("there"); });
  EXPECT_THROW(std::rethrow_exception(both.here), std::runtime_error);
  EXPECT_THROW(std::rethrow_exception(both.there), std::logic_error);
  EXPECT_FALSE(worker.run([] {}, [] {}).any());  // a failure is not carried to the next step

  // The blocks of a queue, taken by both sides of a step and again within it, are each
  // taken once.
  BlockQueue blocks(1000, 7);
  std::atomic<int> sum{0};
  const auto take = [&] {
    for (int first, last; blocks.take(first, last);) {
      for (int i = first; i < last; ++i) sum += i;
    }
  };
  worker.run([&] { worker.run(take, take); }, take);
  EXPECT_EQ(sum.load(), 999 * 1000 / 2);
}

}  // namespace
}  // namespace facetry
