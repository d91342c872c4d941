// Tests of the elastic cage: fitting, the missing selection, dragging through the views, the
// weights of the bend, and the degenerate cages that must stay harmless.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/view_mouse.h"
#include "ops/elastic.h"
#include "ops/modelling_tools.h"
#include "ops/tool_session.h"
#include "support/scene_checks.h"

namespace facetry {
namespace {

using testing::corner;

struct Session : testing::ToolSession {
  // A triangle with every corner selected.
  void selectedTriangle(FaceCorner a, FaceCorner b, FaceCorner c) {
    addFace(ws.scene, host, a, b, c);
    closeObject(ws.scene, host, false, false);
    for (FaceCorner& k : ws.scene.face(ws.scene.FaceCount - 1).corners) k.selected = 1;
  }
  FaceCorner& at(int face, int k) { return ws.scene.face(face).corners[k]; }
  // Press at P, move to Q, press at Q: the point picked at P is dragged to Q and let go.
  void drag(View view, int px, int py, int qx, int qy) {
    moveInView(ws, host, view, px, py);
    pressInView(ws, host, view, px, py, MouseButton::Left);
    releaseInView(ws, host, view);
    moveInView(ws, host, view, qx, qy);
    pressInView(ws, host, view, qx, qy, MouseButton::Left);
    releaseInView(ws, host, view);
  }
  void right(View view) {
    const auto& m = ws.views.MousePosition[static_cast<std::size_t>(viewIndex(view))];
    pressInView(ws, host, view, static_cast<int>(m[0]), static_cast<int>(m[1]), MouseButton::Right);
  }
};

TEST(Elastic, WithoutASelectedCornerTheModeGoesOffWithAMessage) {
  Session s;
  addFace(s.ws.scene, s.host, corner(0, 0, 0), corner(10, 0, 0), corner(0, 10, 0));
  closeObject(s.ws.scene, s.host, false, true);
  EXPECT_FALSE(Elastic1Click(s.ws, s.host));
  EXPECT_FALSE(s.ws.tools.flags.elasticOn);
  ASSERT_EQ(s.host.messages.size(), 1u);
  EXPECT_EQ(s.host.messages[0].text, "No objects selected");
  EXPECT_EQ(s.host.messages[0].title, "Error");
}

TEST(Elastic, TheCageFitsTheSelectionInEachView) {
  Session s;
  s.selectedTriangle(corner(100.7f, 120, 130), corner(200, 220.9f, 140), corner(150, 160, 250));
  s.ws.tools.ToolMode = ModeCube;
  ASSERT_TRUE(Elastic1Click(s.ws, s.host));
  EXPECT_EQ(s.ws.tools.ToolMode, ModeNone);
  const auto& c = s.ws.elastic.current;
  EXPECT_EQ(c[0], (CagePoint{100, 120, 130}));
  EXPECT_EQ(c[2], (CagePoint{200, 220, 250}));
  EXPECT_EQ(c[7], c[3]);
  EXPECT_EQ(c[9], (CagePoint{100, 120, 250}));
  EXPECT_EQ(c[11], (CagePoint{100, 220, 130}));
  EXPECT_EQ(s.ws.elastic.reference, c);
  EXPECT_EQ(s.ws.frame.images[0].pixel(150, 120), (Rgb{0, 0, 0})) << "the front cage is drawn";
}

TEST(Elastic, DraggingACageCornerBendsTheSelectionByDistanceWeights) {
  Session s;
  s.selectedTriangle(corner(100, 100, 150), corner(200, 100, 150), corner(150, 200, 150));
  ASSERT_TRUE(Elastic1Click(s.ws, s.host));
  // Front point 3 (200, 200) goes to (220, 240); the right click applies the front view.
  s.drag(View::Front, 200, 200, 220, 240);
  EXPECT_EQ(s.ws.elastic.current[2], (CagePoint{220, 240, 150}));
  s.right(View::Front);
  // Corner (100, 100) sits on point 1: a = 0, so it stays. Corner (200, 100) has a = 0 too
  // (on point 2). Corner (150, 200): a = 50 (to point 4), b = 50, so it moves half way.
  EXPECT_EQ(s.at(0, 0).x, 100.0f);
  EXPECT_EQ(s.at(0, 1).y, 100.0f);
  EXPECT_FLOAT_EQ(s.at(0, 2).x, 160);
  EXPECT_FLOAT_EQ(s.at(0, 2).y, 220);
  EXPECT_EQ(s.at(0, 2).z, 150.0f) << "the front view moves x and y only";
  // The cage is refitted to the bent selection.
  EXPECT_TRUE(s.ws.tools.flags.elasticOn);
  EXPECT_EQ(s.ws.elastic.current[2], (CagePoint{200, 220, 150}));
  EXPECT_EQ(s.ws.elastic.picked, ElasticCage::kNonePicked);
}

TEST(Elastic, ARightClickWithNothingMovedMovesNothing) {
  Session s;
  s.selectedTriangle(corner(100, 100, 150), corner(200, 100, 150), corner(150, 200, 120));
  const Scene before = s.ws.scene;
  ASSERT_TRUE(Elastic1Click(s.ws, s.host));
  moveInView(s.ws, s.host, View::Top, 30, 30);
  s.right(View::Top);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(s.at(0, k).point().x, before.face(0).corners[k].x);
    EXPECT_EQ(s.at(0, k).point().y, before.face(0).corners[k].y);
    EXPECT_EQ(s.at(0, k).point().z, before.face(0).corners[k].z);
  }
}

TEST(Elastic, ACageAroundOnePointIsDegenerateButHarmless) {
  // Every cage point of a view coincides with the corner: a + b = 0 for each of them.
  Session s;
  FaceCorner p = corner(120, 130, 140);
  p.selected = 1;
  addFace(s.ws.scene, s.host, p, corner(300, 300, 300), corner(300, 310, 300));
  closeObject(s.ws.scene, s.host, false, false);
  s.at(0, 0).selected = 1;
  ASSERT_TRUE(Elastic1Click(s.ws, s.host));
  s.drag(View::Side, 140, 130, 160, 110);  // side view: (z, y)
  s.right(View::Side);
  const FaceCorner& c = s.at(0, 0);
  EXPECT_FALSE(std::isnan(c.y) || std::isnan(c.z));
  EXPECT_EQ(c.x, 120.0f);
  EXPECT_EQ(c.z, 160.0f) << "a corner on the dragged point follows it";
  EXPECT_EQ(c.y, 110.0f);
  EXPECT_EQ(s.at(0, 1).z, 300.0f) << "unselected corners stay";
}

}  // namespace
}  // namespace facetry
