// The quick cutting passes against the plain transcription that visits every face pair:
// on varied inputs both must leave the same faces in the same order, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "edit/primitives.h"
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

struct Maker {
  Scene scene;
  ScriptedHost host;
  ViewState views;
  ToolState tools;
  Maker() { scene.ask = true; }
  void sphere(float step, float x, float y, float z, float rx, float ry) {
    views.CentrePoint.z = z;
    BuildContext ctx{scene, host, views, tools};
    buildSphere(ctx, step, x, y, rx, ry);
  }
  // Turns object k about its centre by `degrees` round z, then round x.
  void turn(int k, double degrees) {
    updateObjectBounds(scene, k);
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    const Point3 centre{o.centre[0], o.centre[1], o.centre[2]};
    const double r = degrees * kDegreeRadians;
    for (int i = o.first; i <= o.last; ++i) {
      for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
        rotateZ(c, false, centre, std::cos(r), std::sin(r), true);
        rotateX(c, false, centre, std::cos(r), std::sin(r), true);
      }
    }
    updateObjectBounds(scene, k);
  }
};

void expectSameResult(const std::function<void(Maker&)>& make, const char* what) {
  for (int op = 1; op <= 4; ++op) {
    TempDir dir;
    Maker quick, plain;
    make(quick);
    make(plain);
    booleanOperation(quick.scene, quick.host, 0, 1, static_cast<BooleanOperation>(op));
    booleanOperation(plain.scene, plain.host, 0, 1, static_cast<BooleanOperation>(op),
                     BooleanOptions{true});
    ASSERT_EQ(quick.scene.FaceCount, plain.scene.FaceCount) << what << ", operation " << op;
    ASSERT_EQ(quick.scene.ObjectCount, plain.scene.ObjectCount) << what << ", operation " << op;
    EXPECT_EQ(std::memcmp(quick.scene.FaceTable.data(), plain.scene.FaceTable.data(),
                          sizeof(Face) * static_cast<std::size_t>(quick.scene.FaceCount)),
              0)
        << what << ", operation " << op;
    EXPECT_EQ(invariantViolation(quick.scene), "");
  }
}

TEST(BooleanPaths, TheQuickPassesGiveThePlainOnesFaces) {
  expectSameResult(
      [](Maker& m) {
        m.sphere(20, 100, 100, 150, 40, 40);
        m.sphere(20, 130, 115, 130, 35, 30);
      },
      "two spheres");
  expectSameResult(
      [](Maker& m) {
        addBoxObject(m.scene, m.host, 80, 80, 170, 50, "box");
        m.sphere(15, 110, 100, 150, 30, 45);
      },
      "a box and a sphere");
  expectSameResult(
      [](Maker& m) {
        addBoxObject(m.scene, m.host, 0, 0, 0, 40, "A");
        addBoxObject(m.scene, m.host, 15, 10, 12, 30, "B");
        m.turn(1, 27);
      },
      "a box and a turned box");
  expectSameResult(
      [](Maker& m) {
        m.sphere(30, 100, 100, 150, 40, 40);
        addBoxObject(m.scene, m.host, 60, 60, 190, 80, "around");  // holds the sphere whole
      },
      "a sphere inside a box");
}

}  // namespace
}  // namespace facetry
