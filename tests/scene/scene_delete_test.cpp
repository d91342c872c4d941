// Tests of deletion and collection, which rebuild the tables through the compaction file.
#include <gtest/gtest.h>

#include <filesystem>

#include "scene/errors.h"
#include "scene/scene.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::appendBox;
using testing::corner;
using testing::facesTowardCentre;
using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;

// Three boxes "a", "b", "c" of 12 faces each.
Scene threeBoxes(ScriptedHost& host) {
  Scene scene;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "a");
  addBoxObject(scene, host, 20, 0, 0, 10, "b");
  addBoxObject(scene, host, 40, 0, 0, 10, "c");
  scene.ask = false;
  return scene;
}

// Reverses faces [first, last) by exchanging their first and third corners.
void turnInsideOut(Scene& scene, int first, int last) {
  for (int i = first; i < last; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    std::swap(f.corners[0], f.corners[2]);
  }
}

TEST(DeleteSelectedFaces, FullySelectedObjectDisappearsWithItsName) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  setObjectSelected(scene, 1, 1);
  deleteSelectedFaces(scene, host);
  ASSERT_EQ(scene.ObjectCount, 2);
  EXPECT_EQ(scene.FaceCount, 24);
  EXPECT_EQ(scene.ObjectTable[0].name.str(), "a");
  EXPECT_EQ(scene.ObjectTable[1].name.str(), "c");
  EXPECT_EQ(scene.ObjectTable[1].first, 12);
  EXPECT_FLOAT_EQ(scene.ObjectTable[1].min[0], 40);
  EXPECT_TRUE(host.name_prompts.empty()) << "no name is asked while rebuilding";
  EXPECT_FALSE(scene.ask) << "the deletion leaves the box unticked";
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(DeleteSelectedFaces, NothingSelectedRebuildsTheSameSceneDeselectedWithoutOpenFaces) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  scene.FaceTable[3].corners[1].selected = 1;  // a point selected, its face not
  scene.FaceTable[30].red = 200;
  appendBox(scene, host, 80, 0, 0, 5);  // faces of the open object are dropped
  ASSERT_EQ(scene.FaceCount, 48);
  std::vector<Face> before(scene.FaceTable.begin(), scene.FaceTable.begin() + 36);
  deleteSelectedFaces(scene, host);
  ASSERT_EQ(scene.FaceCount, 36);
  ASSERT_EQ(scene.ObjectCount, 3);
  for (int i = 0; i < 36; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    const Face& b = before[static_cast<std::size_t>(i)];
    EXPECT_EQ(f.corners[0].x, b.corners[0].x);
    EXPECT_EQ(f.corners[2].z, b.corners[2].z);
    EXPECT_EQ(f.red, b.red);
  }
  EXPECT_EQ(scene.FaceTable[3].corners[1].selected, 0);
  EXPECT_EQ(scene.ObjectTable[2].name.str(), "c");
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(DeleteSelectedFaces, PartlySelectedObjectKeepsItsOtherFacesAndOrientation) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  // Turn object b inside out by hand; deleting faces must not re-orient it.
  turnInsideOut(scene, 12, 24);
  scene.FaceTable[12].selected = 1;
  scene.FaceTable[13].selected = 1;
  deleteSelectedFaces(scene, host);
  ASSERT_EQ(scene.ObjectCount, 3);
  EXPECT_EQ(scene.ObjectTable[1].last - scene.ObjectTable[1].first + 1, 10);
  EXPECT_EQ(facesTowardCentre(scene, 1), 10);
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(DeleteObject, RemovesOneObjectAndReorientsTheRest) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  turnInsideOut(scene, 24, 36);
  scene.FaceTable[0].selected = 1;
  deleteObject(scene, host, 1);
  ASSERT_EQ(scene.ObjectCount, 2);
  EXPECT_EQ(scene.ObjectTable[1].name.str(), "c");
  EXPECT_EQ(facesTowardCentre(scene, 1), 0) << "deleteObject re-orients by majority";
  EXPECT_EQ(scene.FaceTable[0].selected, 0) << "rebuilt objects are deselected";
  EXPECT_THROW(deleteObject(scene, host, 2), RangeError);
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(CollectSelectedFaces, SelectedFacesMoveIntoOneNewObjectAtTheEnd) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  host.names.push_back({true, "collected", false});
  scene.FaceTable[0].selected = 1;
  scene.FaceTable[25].selected = 1;
  scene.FaceTable[25].green = 99;
  collectSelectedFaces(scene, host);
  ASSERT_EQ(scene.ObjectCount, 4);
  EXPECT_EQ(scene.FaceCount, 36);
  const ModelObject& collected = scene.ObjectTable[3];
  EXPECT_EQ(collected.name.str(), "collected");
  EXPECT_EQ(collected.last - collected.first, 1);
  EXPECT_EQ(scene.FaceTable[static_cast<std::size_t>(collected.last)].green, 99);
  EXPECT_EQ(scene.FaceTable[static_cast<std::size_t>(collected.last)].selected, 0);
  EXPECT_EQ(scene.ObjectTable[0].last, 10);
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(DeleteNurbPoints, EmptiedSurfaceIsRemovedAndTheFollowingOnesMoveDown) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.NurbCount = 3;
  for (int s = 0; s < 3; ++s) {
    scene.NurbTable[static_cast<std::size_t>(s)].count = 3;
    for (int j = 0; j < 3; ++j)
      scene.NurbTable[static_cast<std::size_t>(s)].points[j].x = s * 10.f + j;
  }
  scene.NurbTable[0].points[1].selected = 1;
  for (int j = 0; j < 3; ++j) scene.NurbTable[1].points[j].selected = 1;
  deleteSelectedFaces(scene, host);
  ASSERT_EQ(scene.NurbCount, 2);
  EXPECT_EQ(scene.NurbTable[0].count, 2);
  EXPECT_EQ(scene.NurbTable[0].points[1].x, 2);
  EXPECT_EQ(scene.NurbTable[1].points[0].x, 20);
}

TEST(DeleteSelectedFaces, UnwritableCompactionFileRaisesIoErrorAndChangesNothing) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = threeBoxes(host);
  std::filesystem::create_directory("del&.del");
  setObjectSelected(scene, 0, 1);
  EXPECT_THROW(deleteSelectedFaces(scene, host), IoError);
  EXPECT_EQ(scene.ObjectCount, 3);
  EXPECT_EQ(scene.FaceCount, 36);
  EXPECT_EQ(invariantViolation(scene), "");
}

}  // namespace
}  // namespace facetry
