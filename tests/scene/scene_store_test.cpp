// Tests of the scene tables: adding faces, closing objects, capacity, bounds, selection.
#include <gtest/gtest.h>

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

TEST(AddFace, NewFaceTakesTheDefaultsAndNotTheCallersAttributes) {
  Scene scene;
  ScriptedHost host;
  scene.CurrentColour = {10, 20, 30};
  scene.ObjectCount = 0;
  FaceCorner a = corner(1, 2, 3), b = corner(4, 5, 6), c = corner(7, 8, 9);
  a.selected = 1;
  a.u = 99;
  a.spare[1] = 7;  // bytes without meaning travel with the corner
  ASSERT_TRUE(addFace(scene, host, a, b, c));
  const Face& f = scene.FaceTable[0];
  EXPECT_EQ(f.corners[0].u, 0);
  EXPECT_EQ(f.corners[0].v, 0);
  EXPECT_EQ(f.corners[1].u, 50);
  EXPECT_EQ(f.corners[1].v, 0);
  EXPECT_EQ(f.corners[2].u, 50);
  EXPECT_EQ(f.corners[2].v, 50);
  EXPECT_EQ(f.corners[0].selected, 0);
  EXPECT_EQ(f.corners[0].spare[1], 7);
  EXPECT_EQ(f.smooth, 1);
  EXPECT_EQ(f.ReflectionLevel, 0);
  EXPECT_EQ(f.material, 0);
  EXPECT_EQ((Rgb{f.red, f.green, f.blue}), (Rgb{10, 20, 30}));
  EXPECT_EQ(f.object, 0);
  EXPECT_EQ(scene.FaceCount, 1);
  EXPECT_EQ(scene.faceSlotsAllocated(), 1);  // slot FaceCount is ready for the next face
}

TEST(CloseObject, EmptyOpenObjectChangesNothingAndAsksNothing) {
  Scene scene;
  ScriptedHost host;
  EXPECT_FALSE(closeObject(scene, host, true, true));
  EXPECT_EQ(scene.ObjectCount, 0);
  EXPECT_TRUE(host.name_prompts.empty());
}

TEST(CloseObject, NameDialogOkTakesTheNameCutTo20AndCancelKeepsTheLastName) {
  Scene scene;
  ScriptedHost host;
  host.names.push_back({true, "A rather long object name", false});
  appendBox(scene, host, 0, 0, 0, 10);
  ASSERT_TRUE(closeObject(scene, host, true, true));
  EXPECT_EQ(host.name_prompts.at(0), "Object_01");
  EXPECT_EQ(scene.ObjectTable[0].name.str(), "A rather long object");

  appendBox(scene, host, 20, 0, 0, 10);  // dialog closed without Ok: the last name again
  ASSERT_TRUE(closeObject(scene, host, true, true));
  EXPECT_EQ(scene.ObjectTable[1].name.str(), "A rather long object");

  host.names.push_back({true, "Third", true});  // ticks "Don't ask for this operation"
  appendBox(scene, host, 40, 0, 0, 10);
  closeObject(scene, host, true, true);
  appendBox(scene, host, 60, 0, 0, 10);
  closeObject(scene, host, true, true);
  EXPECT_EQ(host.name_prompts.size(), 3u);
  EXPECT_EQ(scene.ObjectTable[3].name.str(), "Third");
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(CloseObject, MajorityOfFacesTowardTheCentreTurnsTheObjectInsideOut) {
  // Build the box, find its outward orientation, then turn some faces inward by hand.
  for (int inward : {12, 6, 5, 0}) {
    Scene scene;
    ScriptedHost host;
    scene.ask = true;
    addBoxObject(scene, host, 0, 0, 0, 10, "probe");
    ASSERT_EQ(facesTowardCentre(scene, 0), 0) << "the oriented box faces outward";
    std::vector<Face> faces(scene.FaceTable.begin(), scene.FaceTable.begin() + 12);
    Scene fresh;
    fresh.ask = true;
    for (int i = 0; i < 12; ++i) {
      Face f = faces[static_cast<std::size_t>(i)];
      if (i < inward) std::swap(f.corners[0], f.corners[2]);
      addFace(fresh, host, f.corners[0], f.corners[1], f.corners[2]);
    }
    closeObject(fresh, host, true, true);
    // 6 inward faces is a majority (6 > 11 div 2); 5 is not.
    const int expected = inward >= 6 ? 12 - inward : inward;
    EXPECT_EQ(facesTowardCentre(fresh, 0), expected) << inward << " faces turned inward";
  }
}

TEST(CloseObject, DeselectClearsFacesAndCornersAndSetsTheObjectIndex) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  FaceCorner c = corner(0, 0, 0);
  addFace(scene, host, c, corner(1, 0, 0), corner(0, 1, 0));
  scene.FaceTable[0].selected = 1;
  scene.FaceTable[0].corners[1].selected = 1;
  scene.FaceTable[0].object = 77;
  closeObject(scene, host, false, false);
  EXPECT_EQ(scene.FaceTable[0].selected, 1) << "without deselect the selection stays";
  EXPECT_EQ(scene.FaceTable[0].object, 0);
  addFace(scene, host, c, corner(1, 0, 0), corner(0, 1, 0));
  scene.FaceTable[1].selected = 1;
  scene.FaceTable[1].corners[2].selected = 1;
  closeObject(scene, host, false, true);
  EXPECT_EQ(scene.FaceTable[1].selected, 0);
  EXPECT_EQ(scene.FaceTable[1].corners[2].selected, 0);
  EXPECT_EQ(scene.ObjectTable[1].first, 1);
  EXPECT_EQ(scene.ObjectTable[1].last, 1);
  EXPECT_EQ(scene.ObjectTable[2].first, 2);
}

TEST(Capacity, FaceShortageIsReportedOnceAndAddsNothingUntilFacesAreDeleted) {
  testing::TempDir dir;  // the deletion writes its compaction file here
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  const FaceCorner c = corner(1, 1, 1);
  for (int i = 0; i < kMaxFaces - 1; ++i) addFace(scene, host, c, c, c);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(addFace(scene, host, c, c, c));  // the 99 999th face
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "No more faces available");
  EXPECT_EQ(host.messages[0].title, "Error");
  EXPECT_FALSE(addFace(scene, host, c, c, c));
  EXPECT_FALSE(addFace(scene, host, c, c, c));
  EXPECT_EQ(scene.FaceCount, kMaxFaces);
  EXPECT_EQ(host.messages.size(), 1u) << "shown once per shortage";

  closeObject(scene, host, false, true);
  scene.FaceTable[0].selected = 1;
  deleteSelectedFaces(scene, host);
  EXPECT_EQ(scene.FaceCount, kMaxFaces - 1);
  EXPECT_FALSE(scene.FacesFull);
  EXPECT_TRUE(addFace(scene, host, c, c, c));
  EXPECT_EQ(host.messages.size(), 2u) << "a new shortage is reported again";
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(Capacity, ObjectShortageKeepsTheFacesInTheOpenObject) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  const FaceCorner c = corner(1, 1, 1);
  for (int k = 0; k < kMaxObjects; ++k) {
    addFace(scene, host, c, c, c);
    ASSERT_TRUE(closeObject(scene, host, false, true));
  }
  EXPECT_EQ(scene.ObjectCount, kMaxObjects);
  EXPECT_TRUE(host.messages.empty());
  addFace(scene, host, c, c, c);
  EXPECT_FALSE(closeObject(scene, host, false, true));
  EXPECT_FALSE(closeObject(scene, host, false, true));
  ASSERT_EQ(host.messages.size(), 1u) << "shown once per shortage";
  EXPECT_EQ(host.messages[0].text, "No more objects available");
  EXPECT_EQ(scene.ObjectCount, kMaxObjects);
  EXPECT_EQ(scene.FaceTable[kMaxObjects].object, kMaxObjects);
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(Bounds, ObjectWithoutFacesKeepsItsCentreAndSelectionBoundsAlwaysHaveOne) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "a");
  addBoxObject(scene, host, 100, 0, 0, 10, "b");
  const ModelObject& a = scene.ObjectTable[0];
  EXPECT_FLOAT_EQ(a.min[2], -10);
  EXPECT_FLOAT_EQ(a.centre[0], 5);
  EXPECT_FLOAT_EQ(a.centre[2], -5);

  ModelObject& open = scene.openObject();
  open.last = open.first - 1;
  open.centre[0] = 42;
  updateObjectBounds(scene, scene.ObjectCount);
  EXPECT_EQ(open.centre[0], 42);
  EXPECT_EQ(open.min[0], 100000);

  scene.ObjectTable[1].selected = 1;
  ModelObject selected = selectionBounds(scene, false);
  EXPECT_FLOAT_EQ(selected.min[0], 100);
  EXPECT_FLOAT_EQ(selected.centre[0], 105);
  ModelObject all = selectionBounds(scene, true);
  EXPECT_FLOAT_EQ(all.min[0], 0);
  EXPECT_FLOAT_EQ(all.max[0], 110);
  scene.ObjectTable[1].selected = 0;
  ModelObject none = selectionBounds(scene, false);
  EXPECT_EQ(none.min[0], 100000);
  EXPECT_EQ(none.centre[0], 0);  // -100000 + 200000 / 2
}

TEST(Selection, SetToggleAndFullySelectedAgreeOnFacesAndCorners) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "a");
  EXPECT_FALSE(objectFullySelected(scene, 0));
  setObjectSelected(scene, 0, 1);
  EXPECT_TRUE(objectFullySelected(scene, 0));
  EXPECT_EQ(scene.FaceTable[5].corners[2].selected, 1);
  scene.FaceTable[3].selected = 0;
  scene.FaceTable[3].corners[0].selected = 0;
  toggleObjectSelected(scene, 0);
  EXPECT_EQ(scene.ObjectTable[0].selected, 1) << "face 3 ends selected";
  EXPECT_EQ(scene.FaceTable[3].selected, 1);
  EXPECT_EQ(scene.FaceTable[3].corners[0].selected, 1);
  EXPECT_EQ(scene.FaceTable[3].corners[1].selected, 0);
  EXPECT_EQ(scene.FaceTable[4].selected, 0);
  setObjectSelected(scene, 0, 0);
  toggleObjectSelected(scene, 0);
  toggleObjectSelected(scene, 0);
  EXPECT_EQ(scene.ObjectTable[0].selected, 0);

  // An object without faces counts as fully selected.
  scene.openObject().last = scene.openObject().first - 1;
  EXPECT_TRUE(objectFullySelected(scene, scene.ObjectCount));
}

TEST(Recentre, MeanOfTheNewCornersLandsOnTheCentreAndOldFacesStay) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  addFace(scene, host, corner(0, 0, 0), corner(3, 0, 0), corner(0, 3, 0));
  addFace(scene, host, corner(10, 10, 10), corner(13, 10, 10), corner(10, 13, 10));
  addFace(scene, host, corner(20, 20, 20), corner(23, 20, 20), corner(20, 23, 20));
  recentreFaces(scene, 1, {100, 200, 300});
  double sum[3] = {0, 0, 0};
  for (int i = 1; i < 3; ++i) {
    for (const auto& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      sum[0] += c.x;
      sum[1] += c.y;
      sum[2] += c.z;
    }
  }
  EXPECT_NEAR(sum[0] / 6, 100, 1e-4);
  EXPECT_NEAR(sum[1] / 6, 200, 1e-4);
  EXPECT_NEAR(sum[2] / 6, 300, 1e-4);
  EXPECT_EQ(scene.FaceTable[0].corners[1].x, 3);
  EXPECT_EQ(scene.FaceTable[1].corners[0].u, 0) << "texture coordinates untouched";
  const float before = scene.FaceTable[2].corners[0].x;
  recentreFaces(scene, 3, {1, 1, 1});  // no faces: nothing moves, no division by zero
  EXPECT_EQ(scene.FaceTable[2].corners[0].x, before);
}

TEST(CheckedAccess, IndicesOutsideTheTablesRaiseRangeErrors) {
  Scene scene;
  EXPECT_THROW(scene.face(-1), RangeError);
  EXPECT_THROW(scene.face(1), RangeError);  // only slot 0 is allocated
  EXPECT_NO_THROW(scene.face(0));
  EXPECT_THROW(scene.object(5), RangeError);
  EXPECT_THROW(scene.surface(101), RangeError);
  EXPECT_THROW(scene.material(0), RangeError);
  EXPECT_THROW(scene.material(101), RangeError);
}

}  // namespace
}  // namespace facetry
