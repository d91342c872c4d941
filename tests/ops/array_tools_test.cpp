// Tests of the array, the line array with its preview over "lijnar", and the copy round a
// centre, through the view mouse where the tool is a click tool.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "edit/tool_modes.h"
#include "edit/view_mouse.h"
#include "ops/array_curve_tools.h"
#include "ops/array_tools.h"
#include "ops/line_array_preview.h"
#include "ops/modelling_tools.h"
#include "ops/tool_session.h"
#include "scene/errors.h"
#include "scene/geometry.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::TempDir;

struct Session : testing::ToolSession {
  void move(View view, int x, int y) { moveInView(ws, host, view, x, y); }
  void click(View view, int x, int y) {
    move(view, x, y);
    clickInView(ws, host, view);
  }
  void right(View view) {
    const auto& m = ws.views.MousePosition[static_cast<std::size_t>(viewIndex(view))];
    pressInView(ws, host, view, static_cast<int>(m[0]), static_cast<int>(m[1]), MouseButton::Right);
  }
  void arrayTool(bool line) {
    setArrayBox(ws.tools, ArrayBox::Lin, line);
    chooseConstructionTool(ws.tools, ws.scene, ModeArray);
  }
};

TEST(ArrayTool, LatheOfStep15MakesTwentyFiveStepsAndTheLastLiesOnTheFirst) {
  Session s;
  s.arrayTool(false);
  s.click(View::Front, 100, 100);
  s.click(View::Front, 120, 140);
  s.click(View::Front, 130, 180);
  s.right(View::Front);
  EXPECT_EQ(s.ws.scene.FaceCount, 0) << "nothing before the axis click";
  s.click(View::Front, 150, 0);
  const Scene& scene = s.ws.scene;
  ASSERT_EQ(scene.ObjectCount, 1);
  EXPECT_EQ(scene.FaceCount, 25 * 2 * 2);
  EXPECT_EQ(s.ws.tools.ClickList1.count, 0);
  EXPECT_EQ(s.ws.tools.ClickStage, 0);
  EXPECT_EQ(testing::invariantViolation(scene), "");
  // Every point keeps its distance from the vertical axis x = 150, z = CentrePoint.z.
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      const double r = std::hypot(c.x - 150.0, c.z - 150.0);
      EXPECT_TRUE(std::abs(r - 50) < 0.01 || std::abs(r - 30) < 0.01 || std::abs(r - 20) < 0.01)
          << r;
    }
  }
  // The last step starts from the profile turned 24 times by 345 degrees: where it began.
  bool back_at_start = false;
  for (int i = scene.FaceCount - 4; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      back_at_start |= std::abs(c.x - 130) < 0.01 && std::abs(c.z - 150) < 0.01 && c.y == 180;
    }
  }
  EXPECT_TRUE(back_at_start);
  // The tool stays on for the next lathe.
  EXPECT_EQ(s.ws.tools.ToolMode, ModeArray);
}

TEST(ArrayTool, NoDirectionBoxGivesZeroAreaFacesAndTooLongAProfileIsRefused) {
  Session s;
  s.arrayTool(false);
  setArrayBox(s.ws.tools, ArrayBox::Z, false);
  s.click(View::Front, 100, 100);
  s.click(View::Front, 100, 200);
  s.right(View::Front);
  s.click(View::Front, 150, 0);
  ASSERT_EQ(s.ws.scene.FaceCount, 25 * 2);
  for (int i = 0; i < s.ws.scene.FaceCount; ++i) {
    const Face& f = s.ws.scene.FaceTable[static_cast<std::size_t>(i)];
    const Point3 n = cross({f.corners[1].x - f.corners[0].x, f.corners[1].y - f.corners[0].y, 0},
                           {f.corners[2].x - f.corners[0].x, f.corners[2].y - f.corners[0].y, 0});
    EXPECT_EQ(n.z, 0);
  }

  ToolState tools;
  for (int i = 0; i < 102; ++i) tools.ClickList1.add(i, i);
  EXPECT_THROW(doarray(s.ws.scene, s.host, tools, {0, 0, 0}, 0, 0), RangeError);
}

TEST(ArrayTool, BoxesUntickEachOther) {
  ToolState t;
  t.ToolMode = ModeArray;
  setArrayBox(t, ArrayBox::Lin, true);
  EXPECT_EQ(t.ToolMode, ModeLineArray);
  EXPECT_FALSE(t.xdir || t.ydir || t.zdir);
  setArrayBox(t, ArrayBox::X, true);
  EXPECT_FALSE(t.linar);
  EXPECT_EQ(t.ToolMode, ModeLineArray) << "ticking a direction leaves the mode";
  setArrayBox(t, ArrayBox::Lin, false);
  EXPECT_EQ(t.ToolMode, ModeArray);
}

// A line array: a vertical profile in the front view, a path along z in the top view.
void clickLineArray(Session& s) {
  s.arrayTool(true);
  s.click(View::Front, 100, 100);
  s.click(View::Front, 100, 150);
  s.right(View::Front);
  s.click(View::Top, 100, 150);
  s.click(View::Top, 100, 200);
  s.click(View::Top, 100, 250);
}

TEST(LineArray, OkJoinsTranslatedCopiesAlongThePathInItsOwnView) {
  Session s;
  int previews = 0;
  s.ws.array_curves.previewLineArray = [&] {
    ++previews;
    return previews == 1 ? 4 : 1;  // closed once with the window's button, then "Ok"
  };
  clickLineArray(s);
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  s.right(View::Top);
  EXPECT_EQ(previews, 2) << "a preview closed otherwise is shown again";
  const Scene& scene = s.ws.scene;
  ASSERT_EQ(scene.ObjectCount, 1);
  EXPECT_EQ(scene.FaceCount, 2 * 2);  // two joins of a one-segment profile
  float min_z = 1e9f, max_z = -1e9f;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      EXPECT_FLOAT_EQ(c.x, 100);
      min_z = std::min(min_z, c.z);
      max_z = std::max(max_z, c.z);
    }
  }
  EXPECT_FLOAT_EQ(min_z, 150);
  EXPECT_FLOAT_EQ(max_z, 250);
  EXPECT_EQ(s.ws.tools.ClickList1.count, 0);
  EXPECT_EQ(s.ws.tools.ClickList2.count, 0);
  EXPECT_TRUE(std::filesystem::exists(kLineArrayFile));
}

TEST(LineArray, CancelAddsNothingAndClearsBothLists) {
  Session s;
  s.ws.array_curves.previewLineArray = [] { return 2; };
  clickLineArray(s);
  s.right(View::Top);
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  EXPECT_EQ(s.ws.tools.ClickList1.count, 0);
  EXPECT_EQ(s.ws.tools.ClickList2.count, 0);
  EXPECT_EQ(s.ws.tools.ClickStage, 0);
}

TEST(LineArray, PreviewTurnsOnlyTheCurrentCopyAboutItsCentroid) {
  TempDir dir;
  LineArrayInput input;
  input.profile = {{0, 0, 0}, {10, 0, 0}};
  input.path = {{0, 0, 0}, {0, 0, 100}};
  writeLineArrayCopies(input);
  LineArrayPreview preview(2, 90, true);
  ASSERT_EQ(preview.copyCount(), 2);
  EXPECT_DOUBLE_EQ(preview.centroid()[2], 50);
  preview.previousCopy();
  EXPECT_EQ(preview.current(), 0);
  preview.nextCopy();
  preview.nextCopy();
  EXPECT_EQ(preview.current(), 1) << "kept within the copies";
  preview.turn(1, false);  // (x, y) plane by 90 degrees about (5, 0, 100)
  const auto copies = readLineArrayCopies(2);
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_FLOAT_EQ(copies[0][1].x, 10) << "the other copy stays";
  EXPECT_NEAR(copies[1][0].x, 5, 1e-4);
  EXPECT_NEAR(std::abs(copies[1][0].y), 5, 1e-4);
  EXPECT_FALSE(std::filesystem::exists(kLineArrayFile2));

  std::array<Canvas, 3> images{Canvas(200, 200), Canvas(200, 200), Canvas(200, 200)};
  preview.draw(images);
  int red = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) red += images[0].pixel(x, y) == Rgb{255, 0, 0};
  }
  EXPECT_GT(red, 0) << "the current copy is drawn in red";
}

TEST(CopyAround, NinetyMakesThreeTurnedObjects) {
  Session s;
  testing::addBoxObject(s.ws.scene, s.host, 200, 100, 150, 20, "box");
  for (int i = 0; i < s.ws.scene.FaceCount; ++i) s.ws.scene.face(i).selected = 1;
  CopyAroundSettings settings = copyAroundDefaults(s.ws.tools, {150, 100, 150});
  settings.angle = 90;
  settings.z = false;
  settings.x = true;
  EXPECT_EQ(copyAroundCentre(s.ws.scene, s.host, settings), 3);
  EXPECT_EQ(s.ws.scene.ObjectCount, 4);
  EXPECT_EQ(s.ws.scene.FaceCount, 48);
  // The copy turned by 180 in (x, y) lies mirrored through the centre.
  EXPECT_NEAR(s.ws.scene.object(2).centre[0], 100 - 10, 0.01);
  EXPECT_EQ(testing::invariantViolation(s.ws.scene), "");
}

TEST(CopyAround, AZeroOrNonNumericAngleIsRefusedBeforeTheSnapshot) {
  Session s;
  testing::addBoxObject(s.ws.scene, s.host, 200, 100, 150, 20, "box");
  CopyAroundSettings settings;
  for (double angle : {0.0, -15.0, std::nan("")}) {
    settings.angle = angle;
    EXPECT_THROW(copyAroundCentre(s.ws.scene, s.host, settings), RangeError);
  }
  EXPECT_FALSE(std::filesystem::exists(kUndoFile));
  EXPECT_EQ(s.ws.scene.ObjectCount, 1);
  // No selected face: the snapshot is taken, nothing is added.
  settings.angle = 90;
  EXPECT_EQ(copyAroundCentre(s.ws.scene, s.host, settings), 0);
  EXPECT_TRUE(std::filesystem::exists(kUndoFile));
  EXPECT_EQ(s.ws.scene.FaceCount, 12);
}

}  // namespace
}  // namespace facetry
