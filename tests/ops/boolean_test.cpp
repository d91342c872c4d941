// Tests of the boolean operations on boxes: what each operation keeps of each object, face
// by face, where the result goes, the pick, and the cases that change nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "ops/boolean_ops.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;

struct Area {
  double x_below_10 = 0, x_above_10 = 0;
};

double area(const Face& f) {
  const Point3 a = f.corners[0].point(), b = f.corners[1].point(), c = f.corners[2].point();
  const Point3 w = cross({b.x - a.x, b.y - a.y, b.z - a.z}, {c.x - a.x, c.y - a.y, c.z - a.z});
  return std::sqrt(double{w.x} * w.x + double{w.y} * w.y + double{w.z} * w.z) / 2;
}

Point3 centroid(const Face& f) {
  return {(f.corners[0].x + f.corners[1].x + f.corners[2].x) / 3,
          (f.corners[0].y + f.corners[1].y + f.corners[2].y) / 3,
          (f.corners[0].z + f.corners[1].z + f.corners[2].z) / 3};
}

// Whether every corner of f lies in the plane `axis` = value.
bool onPlane(const Face& f, int axis, float value) {
  for (const FaceCorner& c : f.corners) {
    const float p[3] = {c.x, c.y, c.z};
    if (p[axis] != value) return false;
  }
  return true;
}

// Box A runs over x 0..20, y 0..20, z -20..0; box B over x 10..40, y -5..25, z -25..5, so
// B's face x = 10 cuts A in two and B's other faces stay clear of A. A's faces lie in the
// planes of A's sides, B's in those of B's.
bool fromA(const Face& f) {
  return onPlane(f, 0, 0) || onPlane(f, 0, 20) || onPlane(f, 1, 0) || onPlane(f, 1, 20) ||
         onPlane(f, 2, 0) || onPlane(f, 2, -20);
}
bool insideA(const Point3& p) {
  return p.x > 0 && p.x < 20 && p.y > 0 && p.y < 20 && p.z > -20 && p.z < 0;
}

struct TwoBoxes {
  TempDir dir;
  Scene scene;
  ScriptedHost host;
  TwoBoxes() {
    addBoxObject(scene, host, 200, 200, 0, 10, "C");  // an object apart, before both
    addBoxObject(scene, host, 0, 0, 0, 20, "A");
    addBoxObject(scene, host, 10, -5, 5, 30, "B");
    scene.ObjectNameBuffer.assign("Result");
  }
  bool run(BooleanOperation op) { return booleanOperation(scene, host, 1, 2, op); }
  // The A faces of the result and their area on each side of x = 10.
  Area areaOfA() const {
    Area a;
    const ModelObject& o = scene.ObjectTable[1];
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
      if (!fromA(f)) continue;
      (centroid(f).x < 10 ? a.x_below_10 : a.x_above_10) += area(f);
    }
    return a;
  }
};

void expectOneResultAfterC(const TwoBoxes& t) {
  ASSERT_EQ(t.scene.ObjectCount, 2);
  EXPECT_EQ(t.scene.ObjectTable[0].name.str(), "C");
  EXPECT_EQ(t.scene.ObjectTable[0].last, 11);
  EXPECT_EQ(t.scene.ObjectTable[1].name.str(), "Result");
  EXPECT_TRUE(t.host.name_prompts.empty());
  EXPECT_EQ(invariantViolation(t.scene), "");
  for (int i = 0; i < t.scene.FaceCount; ++i) {
    EXPECT_EQ(t.scene.FaceTable[static_cast<std::size_t>(i)].selected, 0);
  }
}

TEST(Boolean, AddKeepsTheOutsideOfEach) {
  TwoBoxes t;
  ASSERT_TRUE(t.run(BooleanOperation::Add));
  expectOneResultAfterC(t);
  // A is cut cleanly along x = 10: its half beyond goes, its near half stays whole (the side
  // x = 0 and half of four sides: 400 + 4 * 200).
  const Area a = t.areaOfA();
  EXPECT_NEAR(a.x_below_10, 1200, 1e-2);
  EXPECT_EQ(a.x_above_10, 0);
  const ModelObject& o = t.scene.ObjectTable[1];
  const Point3 centre_a{10, 10, -10};
  for (int i = o.first; i <= o.last; ++i) {
    const Face& f = t.scene.FaceTable[static_cast<std::size_t>(i)];
    const Point3 c = centroid(f);
    if (fromA(f)) {
      EXPECT_FALSE(facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(),
                              centre_a));  // still facing out
    } else {
      EXPECT_FALSE(insideA(c)) << "B face " << i << " inside A";
    }
  }
}

TEST(Boolean, SubtractKeepsAOutsideBAndBInsideATurnedInward) {
  TwoBoxes t;
  ASSERT_TRUE(t.run(BooleanOperation::Subtract));
  expectOneResultAfterC(t);
  const Area a = t.areaOfA();
  EXPECT_NEAR(a.x_below_10, 1200, 1e-2);
  EXPECT_EQ(a.x_above_10, 0);
  const ModelObject& o = t.scene.ObjectTable[1];
  const Point3 centre_b{25, 10, -10};
  int b_faces = 0;
  double b_area = 0;
  for (int i = o.first; i <= o.last; ++i) {
    const Face& f = t.scene.FaceTable[static_cast<std::size_t>(i)];
    if (fromA(f)) continue;
    ++b_faces;
    b_area += area(f);
    EXPECT_TRUE(onPlane(f, 0, 10)) << "only B's side x = 10 reaches into A";
    EXPECT_TRUE(insideA(centroid(f))) << "B face " << i;
    EXPECT_TRUE(facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(),
                           centre_b));  // turned to face into the hole
  }
  EXPECT_GT(b_faces, 0);
  // The wall closing the cut is A's cross-section, 20 x 20, up to the pieces that cross
  // its border.
  EXPECT_NEAR(b_area, 400, 100);
}

TEST(Boolean, IntersectKeepsTheInsideOfEach) {
  TwoBoxes t;
  ASSERT_TRUE(t.run(BooleanOperation::Intersect));
  expectOneResultAfterC(t);
  const Area a = t.areaOfA();
  EXPECT_EQ(a.x_below_10, 0);
  EXPECT_NEAR(a.x_above_10, 1200, 1e-2);  // the side x = 20 and half of four sides
  const ModelObject& o = t.scene.ObjectTable[1];
  for (int i = o.first; i <= o.last; ++i) {
    const Face& f = t.scene.FaceTable[static_cast<std::size_t>(i)];
    if (!fromA(f)) {
      EXPECT_TRUE(insideA(centroid(f))) << "B face " << i;
    }
  }
}

TEST(Boolean, RemoveDeletesTheSecondWholeAndLeavesTheFirstOpen) {
  TwoBoxes t;
  ASSERT_TRUE(t.run(BooleanOperation::Remove));
  expectOneResultAfterC(t);
  const Area a = t.areaOfA();
  EXPECT_NEAR(a.x_below_10, 1200, 1e-2);
  EXPECT_EQ(a.x_above_10, 0);
  const ModelObject& o = t.scene.ObjectTable[1];
  for (int i = o.first; i <= o.last; ++i) {
    EXPECT_TRUE(fromA(t.scene.FaceTable[static_cast<std::size_t>(i)]));
  }
}

TEST(Boolean, AResultPastTheFaceLimitIsRefusedWithTheFacesUnchanged) {
  TempDir dir;
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  for (int i = 0; i < 99960; ++i) {
    addFace(scene, host, testing::corner(500, 500, 0), testing::corner(501, 500, 0),
            testing::corner(500, 501, 0));
  }
  closeObject(scene, host, false, true);
  addBoxObject(scene, host, 0, 0, 0, 20, "A");
  addBoxObject(scene, host, 10, -5, 5, 30, "B");
  const std::vector<Face> before(scene.FaceTable.begin(),
                                 scene.FaceTable.begin() + scene.FaceCount);
  EXPECT_TRUE(booleanOperation(scene, host, 1, 2, BooleanOperation::Add));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Error");
  ASSERT_EQ(scene.FaceCount, static_cast<int>(before.size()));
  EXPECT_EQ(scene.ObjectCount, 3);
  for (std::size_t i = 0; i < before.size(); ++i) {
    for (int j = 0; j < 3; ++j) {
      ASSERT_EQ(scene.FaceTable[i].corners[j].x, before[i].corners[j].x);
      ASSERT_EQ(scene.FaceTable[i].corners[j].z, before[i].corners[j].z);
    }
  }
}

TEST(Boolean, ProgressWindowShowsItsThreeStagesAndCloses) {
  struct Recorder : ScriptedHost {
    std::vector<std::string> stages;
    int shown = 0;
    void showProgress(bool visible) override { shown += visible ? 1 : -1; }
    void progressStage(const std::string& label) override {
      if (stages.empty() || stages.back() != label) stages.push_back(label);
    }
  };
  TempDir dir;
  Scene scene;
  Recorder host;
  addBoxObject(scene, host, 0, 0, 0, 20, "A");
  addBoxObject(scene, host, 10, -5, 5, 30, "B");
  booleanOperation(scene, host, 0, 1, BooleanOperation::Add);
  EXPECT_EQ(host.shown, 0);
  EXPECT_EQ(host.stages, (std::vector<std::string>{"Progress first object",
                                                   "Progress second object", "Calculate space"}));
}

TEST(Boolean, TouchingObjectsKeepTheirFacesAndTheSameObjectTwiceDoesNothing) {
  TempDir dir;
  Workspace ws;
  ScriptedHost host;
  Scene& scene = ws.scene;
  addBoxObject(scene, host, 0, 0, 0, 20, "A");
  addBoxObject(scene, host, 20, 0, 0, 20, "D");  // shares the plane x = 20 with A
  setObjectSelected(scene, 0, 1);
  const std::vector<Face> before(scene.FaceTable.begin(), scene.FaceTable.begin() + 24);
  EXPECT_TRUE(booleanOperation(scene, host, 0, 1, BooleanOperation::Add));
  ASSERT_EQ(scene.FaceCount, 24);
  EXPECT_EQ(scene.ObjectCount, 2);
  for (int i = 0; i < 24; ++i) {
    for (int j = 0; j < 3; ++j) {
      const FaceCorner& now = scene.FaceTable[static_cast<std::size_t>(i)].corners[j];
      const FaceCorner& was = before[static_cast<std::size_t>(i)].corners[j];
      EXPECT_TRUE(now.x == was.x && now.y == was.y && now.z == was.z);
      EXPECT_EQ(now.selected, 0);  // only the marks were cleared
    }
  }

  // The pick: the same object twice starts nothing; the tool stays on.
  chooseBooleanTool(ws.tools, scene, BooleanOperation::Add);
  EXPECT_TRUE(ws.tools.flags.booleanPickOn);
  EXPECT_EQ(objectUnderClick(scene, View::Front, 1, 1), 0);
  EXPECT_FALSE(booleanPickClick(ws, host, View::Front, 1, 1));
  EXPECT_FALSE(booleanPickClick(ws, host, View::Front, 2, 2));
  EXPECT_TRUE(ws.tools.flags.booleanPickOn);
  EXPECT_EQ(ws.tools.PickedObject, 0);
  EXPECT_TRUE(booleanPickClick(ws, host, View::Front, 21, 1));  // object D: the operation runs
  EXPECT_FALSE(ws.tools.flags.booleanPickOn);
  // Chosen again, the same entry switches the tool off.
  chooseBooleanTool(ws.tools, scene, BooleanOperation::Add);
  EXPECT_FALSE(chooseBooleanTool(ws.tools, scene, BooleanOperation::Add));
}

}  // namespace
}  // namespace facetry
