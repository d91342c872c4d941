// Tests of the array and curve steps of facetry-cli build and edit: the click path the
// mouse takes, ending in the counts the command reports.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_commands.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

std::string run(const std::vector<std::string>& args, int expected_status = 0) {
  std::ostringstream out, err;
  EXPECT_EQ(runCli(args, out, err), expected_status) << err.str();
  return out.str() + err.str();
}

TEST(CliCurves, ArraysCurvesAndCopiesRoundACentreReachTheirTools) {
  testing::TempDir dir;
  EXPECT_NE(run({"build", "lathe.fcy", "--array", "100,100", "130,180", "right", "150,0"})
                .find("50 faces in 1 objects"),
            std::string::npos);
  // The path is clicked in the top view: three copies, two joins of one segment.
  EXPECT_NE(run({"build", "sweep.fcy", "--line-array", "100,100", "100,150", "right", "--view",
                 "top", "100,150", "100,200", "100,250", "right"})
                .find("4 faces in 1 objects"),
            std::string::npos);
  // Two curves of five control points: 8 points each, 2 * 7 * 3 faces.
  EXPECT_NE(run({"build", "c.fcy", "--curve", "10,10", "60,20", "110,60", "160,30", "210,80",
                 "right", "10,110", "60,120", "110,160", "160,130", "210,180", "--connect-curves",
                 "--resolution", "3"})
                .find("42 faces in 1 objects"),
            std::string::npos);
  EXPECT_NE(run({"edit", "lathe.fcy", "-o", "around.fcy", "--select", "all", "--step", "90",
                 "--copy-around", "200,150"})
                .find("200 faces in 4 objects"),
            std::string::npos);
  EXPECT_NE(run({"edit", "lathe.fcy", "-o", "none.fcy", "--step", "0", "--copy-around", "1,1"}, 1)
                .find("positive"),
            std::string::npos);
  run({"build", "x.fcy", "--array-dirs", "x,w"}, 1);
}

}  // namespace
}  // namespace facetry
