// Tests of the punch and glue: which corners move where, the auto edge turn and its way
// back, the tool's removal, the boxes that skip tool faces, and the pick through the views.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/previews.h"
#include "edit/view_mouse.h"
#include "ops/modelling_tools.h"
#include "ops/punch.h"
#include "ops/punch_pick.h"
#include "ops/tool_session.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::corner;

struct Session : testing::ToolSession {
  Scene& scene() { return ws.scene; }
  // One triangle closed into an object, without orienting.
  int triangle(FaceCorner a, FaceCorner b, FaceCorner c) {
    addFace(ws.scene, host, a, b, c);
    closeObject(ws.scene, host, false, true);
    return ws.scene.ObjectCount - 1;
  }
  // A square wall in the plane x = `x`, split into n x n cells of two faces each.
  int wall(float x, float y0, float z0, float size, int n) {
    const float step = size / static_cast<float>(n);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        const float y = y0 + static_cast<float>(i) * step, z = z0 + static_cast<float>(j) * step;
        addFace(ws.scene, host, corner(x, y, z), corner(x, y + step, z),
                corner(x, y + step, z + step));
        addFace(ws.scene, host, corner(x, y, z), corner(x, y + step, z + step),
                corner(x, y, z + step));
      }
    }
    closeObject(ws.scene, host, false, true);
    return ws.scene.ObjectCount - 1;
  }
  FaceCorner& cornerOf(int object, int face, int k) {
    return ws.scene.face(ws.scene.object(object).first + face).corners[k];
  }
};

PunchOptions straight(PunchMode mode) {
  PunchOptions o;
  o.mode = mode;
  o.auto_edge = false;
  o.remove = false;
  return o;
}

TEST(Punch, InsideCornersGoToTheBackOrFrontAndSurfaceCornersStay) {
  // The box spans z 100..200; corner 0 is inside, corner 1 on its front, corner 2 outside.
  for (PunchMode mode : {PunchMode::In, PunchMode::Out, PunchMode::Glue}) {
    Session s;
    const int a = s.triangle(corner(150, 150, 150), corner(150, 150, 200), corner(300, 300, 150));
    addBoxObject(s.scene(), s.host, 100, 100, 200, 100, "tool");
    dodeuk(s.scene(), s.host, a, 1, straight(mode));
    const float inside = mode == PunchMode::Out ? 200.0f : 100.0f;  // glue: a tie takes the back
    EXPECT_EQ(s.cornerOf(a, 0, 0).z, inside);
    EXPECT_EQ(s.cornerOf(a, 0, 1).z, 200.0f) << "a corner on the surface is not inside";
    EXPECT_EQ(s.cornerOf(a, 0, 2).z, 150.0f) << "a z line that misses the tool";
    EXPECT_EQ(s.scene().ObjectCount, 2);
  }
}

TEST(Punch, GlueSelectedMovesOnlySelectedCorners) {
  Session s;
  const int a = s.triangle(corner(150, 150, 150), corner(160, 140, 120), corner(300, 300, 150));
  addBoxObject(s.scene(), s.host, 100, 100, 200, 100, "tool");
  s.cornerOf(a, 0, 0).selected = 1;
  s.cornerOf(a, 0, 2).selected = 1;
  PunchOptions o = straight(PunchMode::Glue);
  o.glue_selected = true;
  dodeuk(s.scene(), s.host, a, 1, o);
  EXPECT_EQ(s.cornerOf(a, 0, 0).z, 100.0f);
  EXPECT_EQ(s.cornerOf(a, 0, 1).z, 120.0f) << "not selected";
  EXPECT_EQ(s.cornerOf(a, 0, 2).z, 150.0f) << "selected, but its z line misses";
}

TEST(Punch, AutoEdgePunchesAlongTheLineBetweenTheCentresAndTurnsBack) {
  // The wall stands in the plane x = 150 with its centre at (150, 150, 150); the tool box
  // (x 140..200, y and z 120..180) has its centre beside it along +x, so the punch runs along
  // x: wall corners inside the box go to the box's side x = 140.
  Session s;
  const int a = s.wall(150, 95, 95, 110, 11);
  addBoxObject(s.scene(), s.host, 140, 120, 180, 60, "tool");
  const Scene before = s.scene();
  PunchOptions o;
  o.remove = false;
  dodeuk(s.scene(), s.host, a, 1, o);

  // Corners inside the box move along x only; the others, and the tool, come back exactly.
  int pushed = 0;
  for (int i = 0; i < s.scene().FaceCount; ++i) {
    for (int k = 0; k < 3; ++k) {
      const FaceCorner& was = before.FaceTable[static_cast<std::size_t>(i)].corners[k];
      const FaceCorner& now = s.scene().face(i).corners[k];
      if (i <= s.scene().object(a).last && was.y > 120 && was.y < 180 && was.z > 120 &&
          was.z < 180) {
        ++pushed;
        EXPECT_NEAR(now.x, 140, 0.01);
        EXPECT_NEAR(now.y, was.y, 0.01);
        EXPECT_NEAR(now.z, was.z, 0.01);
      } else {
        EXPECT_TRUE(now.x == was.x && now.y == was.y && now.z == was.z) << i << " " << k;
      }
    }
  }
  EXPECT_GT(pushed, 0);
  // Both objects' bounds are in the model's frame.
  EXPECT_FLOAT_EQ(s.scene().object(1).min[0], 140);
  EXPECT_FLOAT_EQ(s.scene().object(1).max[2], 180);
  EXPECT_NEAR(s.scene().object(a).min[0], 140, 0.01);
  EXPECT_NEAR(s.scene().object(a).max[0], 150, 0.01);
}

TEST(Punch, RemoveDeletesTheToolAndBadPairsDoNothing) {
  Session s;
  const int a = s.triangle(corner(150, 150, 150), corner(150, 160, 150), corner(160, 150, 150));
  addBoxObject(s.scene(), s.host, 100, 100, 200, 100, "tool");
  addBoxObject(s.scene(), s.host, 400, 100, 200, 50, "other");
  EXPECT_FALSE(punchObjects(s.ws, s.host, a, a, {}));
  EXPECT_FALSE(punchObjects(s.ws, s.host, a, 3, {}));
  EXPECT_TRUE(punchObjects(s.ws, s.host, a, 1, {PunchMode::In, false, false, true}));
  ASSERT_EQ(s.scene().ObjectCount, 2);
  EXPECT_EQ(s.scene().ObjectTable[1].name.str(), "other");
  EXPECT_EQ(s.cornerOf(a, 0, 0).z, 100.0f);
  EXPECT_EQ(testing::invariantViolation(s.scene()), "");
}

// The plain method: every corner against every tool face, without the boxes.
void plainPunch(Scene& scene, int a, int b, PunchMode mode) {
  const ModelObject oa = scene.object(a), ob = scene.object(b);
  for (int i = oa.first; i <= oa.last; ++i) {
    for (FaceCorner& p : scene.face(i).corners) {
      float low = 10000, high = -10000;
      for (int j = ob.first; j <= ob.last; ++j) {
        const Face& f = scene.face(j);
        Point3 m;
        if (segmentHitsFace({p.x, p.y, p.z - 10000}, {p.x, p.y, p.z + 10000}, f.corners[0].point(),
                            f.corners[1].point(), f.corners[2].point(), m) &&
            std::fabs(m.x - p.x) < 1 && std::fabs(m.y - p.y) < 1) {
          low = std::min(low, m.z);
          high = std::max(high, m.z);
        }
      }
      if (low < p.z && p.z < high) p.z = mode == PunchMode::In ? low : high;
    }
  }
}

TEST(Punch, SkippingToolFacesByTheirBoxesGivesThePlainResult) {
  for (PunchMode mode : {PunchMode::In, PunchMode::Out}) {
    Session s;
    // A tilted, wavy sheet through a tilted box: corners fall on edges and inside.
    for (int i = 0; i < 20; ++i) {
      for (int j = 0; j < 20; ++j) {
        auto h = [](float x, float y) { return 150 + 20 * std::sin(x * 0.05f) + 0.3f * y; };
        const float x = 100 + 5.0f * i, y = 100 + 5.0f * j;
        addFace(s.scene(), s.host, corner(x, y, h(x, y)), corner(x + 5, y, h(x + 5, y)),
                corner(x + 5, y + 5, h(x + 5, y + 5)));
        addFace(s.scene(), s.host, corner(x, y, h(x, y)), corner(x + 5, y + 5, h(x + 5, y + 5)),
                corner(x, y + 5, h(x, y + 5)));
      }
    }
    closeObject(s.scene(), s.host, false, true);
    addBoxObject(s.scene(), s.host, 130, 120, 210, 60, "tool");
    const ModelObject& tool = s.scene().object(1);
    for (int i = tool.first; i <= tool.last; ++i) {
      for (FaceCorner& c : s.scene().face(i).corners) {
        rotateZ(c, true, {160, 150, 180}, std::cos(0.3), std::sin(0.3), true);
      }
    }
    const Scene before = s.scene();
    Scene plain = s.scene();
    plainPunch(plain, 0, 1, mode);
    dodeuk(s.scene(), s.host, 0, 1, straight(mode));
    int moved = 0;
    for (int i = 0; i <= s.scene().object(0).last; ++i) {
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s.scene().face(i).corners[k].z, plain.face(i).corners[k].z) << i << " " << k;
        moved += plain.face(i).corners[k].z != before.face(i).corners[k].z ? 1 : 0;
      }
    }
    EXPECT_GT(moved, 0);
  }
}

TEST(GlueSelectedPoints, SnapsSelectedCornersOntoTheNextObjectOnly) {
  Session s;
  const int a = s.triangle(corner(0, 0, 0), corner(10, 0, 0), corner(0, 10, 0));
  const int b = s.triangle(corner(1, 1, 1), corner(50, 50, 50), corner(9, 1, 0));
  s.cornerOf(a, 0, 0).selected = 1;
  s.cornerOf(a, 0, 0).u = 7;
  s.cornerOf(a, 0, 1).selected = 1;
  s.cornerOf(b, 0, 0).selected = 1;
  s.cornerOf(b, 0, 2).selected = 1;
  EXPECT_TRUE(glueSelectedPoints(s.scene()));
  EXPECT_EQ(s.cornerOf(a, 0, 0).point().x, 1.0f);
  EXPECT_EQ(s.cornerOf(a, 0, 0).u, 7.0f) << "texture coordinates stay";
  EXPECT_EQ(s.cornerOf(a, 0, 1).point().x, 9.0f);
  EXPECT_EQ(s.cornerOf(a, 0, 2).point().y, 10.0f) << "not selected";
  EXPECT_EQ(s.cornerOf(b, 0, 0).point().x, 1.0f) << "the last object has no next one";

  // Selected corners only in the last object: nothing to glue.
  for (int i = 0; i < 3; ++i) s.cornerOf(a, 0, i).selected = 0;
  EXPECT_FALSE(glueSelectedPoints(s.scene()));
}

TEST(PunchPick, TwoClicksOnDifferentObjectsPunchAndSwitchTheToolOff) {
  Session s;
  const int a = s.triangle(corner(150, 150, 150), corner(150, 160, 150), corner(160, 150, 150));
  addBoxObject(s.scene(), s.host, 100, 100, 200, 100, "tool");
  redrawViews(s.ws);
  ASSERT_TRUE(togglePunchTool(s.ws));
  s.ws.tools.autoedge = false;
  auto click = [&](int x, int y) {
    moveInView(s.ws, s.host, View::Front, x, y);
    clickInView(s.ws, s.host, View::Front);
  };
  click(150, 150);  // nearest first corner: the triangle's
  EXPECT_EQ(s.ws.tools.PickFirst, a);
  click(150, 150);  // the same object again does nothing
  EXPECT_TRUE(s.ws.tools.flags.punchOn);
  click(100, 100);  // the box's first corner
  EXPECT_FALSE(s.ws.tools.flags.punchOn);
  EXPECT_EQ(s.scene().ObjectCount, 1) << "Remove is on by default";
  EXPECT_EQ(s.cornerOf(a, 0, 0).z, 100.0f);
}

TEST(PunchPick, HoverFramesTheNearestObjectOnlyWithTwoObjects) {
  Session s;
  s.triangle(corner(150, 150, 150), corner(150, 160, 150), corner(160, 150, 150));
  redrawViews(s.ws);
  togglePunchTool(s.ws);
  EXPECT_FALSE(dofig(s.ws, View::Front, 150, 150));
  EXPECT_EQ(s.ws.tools.PickHighlight, -1);
  addBoxObject(s.scene(), s.host, 300, 100, 200, 100, "tool");
  updateAllObjectBounds(s.scene());
  EXPECT_TRUE(dofig(s.ws, View::Front, 290, 110));
  EXPECT_EQ(s.ws.tools.PickHighlight, 1);
  const Canvas& image = s.ws.frame.images[0];
  EXPECT_EQ(image.pixel(299, 150), (Rgb{0, 0, 0})) << "the frame one unit outside the bounds";
  EXPECT_FALSE(dofig(s.ws, View::Front, 295, 110)) << "the same object stays framed";
  EXPECT_TRUE(dofig(s.ws, View::Front, 150, 150));
  EXPECT_EQ(image.pixel(299, 150), (Rgb{255, 255, 255})) << "the old frame is erased";
}

}  // namespace
}  // namespace facetry
