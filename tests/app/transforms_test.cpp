// Tests of the transform tools in the window, driven with the mouse: move and resize drags,
// Enlarge and Reduce, the rotate dial, copy by two clicks, the target rectangle, mirror and
// turn from the menu, and drag along with its track bar.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "app_test_support.h"
#include "edit/selection.h"
#include "edit/tool_pictures.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "toolbox.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

// Box A over x 100..150, y 100..150, z 100..150 and box B 200 to its right.
struct TransformApp {
  AppFixture app;
  std::vector<Face> start_faces;
  TransformApp() {
    app.start();
    Scene& scene = app.ws().scene;
    scene.ask = true;
    addBoxObject(scene, app.main().host(), 100, 100, 150, 50, "boxA");
    addBoxObject(scene, app.main().host(), 300, 100, 150, 50, "boxB");
    app.main().redraw();
    start_faces.assign(scene.FaceTable.begin(), scene.FaceTable.begin() + scene.FaceCount);
  }
  TMainview& main() { return app.main(); }
  Workspace& ws() { return app.ws(); }
  Scene& scene() { return app.ws().scene; }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
  void selectOnly(int object) { selectObjectsByIndex(scene(), {object}, 1); }
  // Every corner of faces [first, end) is where it started, moved by `offset`.
  bool movedBy(int first, int end, Point3 offset, int source_first = -1) {
    if (source_first < 0) source_first = first;
    for (int i = first; i < end; ++i) {
      const Face& before = start_faces[static_cast<std::size_t>(source_first + i - first)];
      for (int k = 0; k < 3; ++k) {
        const FaceCorner& c = scene().face(i).corners[k];
        const FaceCorner& b = before.corners[k];
        if (c.x != b.x + offset.x || c.y != b.y + offset.y || c.z != b.z + offset.z) return false;
      }
    }
    return true;
  }
  // Faces of object k whose normal points at the middle of its corners (the object's
  // cached centre is left as it was by the transforms).
  int facesTowardMiddle(int k) {
    const Point3 middle{(range(k, 0).first + range(k, 0).second) / 2,
                        (range(k, 1).first + range(k, 1).second) / 2,
                        (range(k, 2).first + range(k, 2).second) / 2};
    const ModelObject& o = scene().object(k);
    int count = 0;
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene().face(i);
      count += facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(), middle);
    }
    return count;
  }
  std::pair<float, float> range(int object, int axis) {
    const ModelObject& o = scene().object(object);
    float low = 1e9f, high = -1e9f;
    for (int i = o.first; i <= o.last; ++i) {
      for (const FaceCorner& c : scene().face(i).corners) {
        const float v = axis == 0 ? c.x : (axis == 1 ? c.y : c.z);
        low = std::min(low, v);
        high = std::max(high, v);
      }
    }
    return {low, high};
  }
};

bool near(float a, float b) {
  return std::abs(a - b) < 0.01f;
}

}  // namespace

class TransformsTest : public QObject {
  Q_OBJECT
 private slots:
  void moveDragsTheSelectionWithTheMouse();
  void resizeDragStepsOncePerThreePixels();
  void enlargeThenReduceLeavesNinetyNinePercent();
  void dialNamesItsRegionsAndTurnsTheSelection();
  void copyInTheTopViewMovesAlongXAndZ();
  void resizeRectangleInTheSideViewLeavesXUnchanged();
  void mirrorTurnsFacesInsideOutAndTurnTurnsThemBack();
  void dragAlongMovesASingleCornerTheWholeWay();
};

void TransformsTest::moveDragsTheSelectionWithTheMouse() {
  TransformApp t;
  t.trigger("Selectall1");
  clickTool(t.main(), "SpeedButton14");
  dragView(t.main(), 2, {100, 100}, {130, 120});  // the top view: x across, z down
  QVERIFY(t.movedBy(0, 24, {30, 0, 20}));
  QVERIFY(!t.ws().tools.ButtonDown);
  QCOMPARE(t.ws().tools.outline_view, 0);         // the outline went with the release
  dragView(t.main(), 3, {200, 200}, {190, 215});  // the side view: z across, y down
  QVERIFY(t.movedBy(0, 24, {30, 15, 10}));
  // One undo snapshot per drag: undo goes back to before the second.
  t.trigger("Undo1");
  QVERIFY(t.movedBy(0, 24, {30, 0, 20}));
}

void TransformsTest::resizeDragStepsOncePerThreePixels() {
  TransformApp t;
  t.ws().settings.GridStep = 1;
  t.selectOnly(0);
  clickTool(t.main(), "SpeedButton15");  // the pivot: A's centre (125, 125, 125)
  QVERIFY(t.ws().tools.flags.resizeOn);
  dragView(t.main(), 1, {400, 300}, {400, 302});  // 1 pixel per move: nothing
  QVERIFY(t.movedBy(0, 24, {0, 0, 0}));
  dragView(t.main(), 1, {400, 300}, {400, 306});  // 3 and 3 pixels down: two steps
  QVERIFY(near(t.range(0, 0).first, 125 - 1.21f * 25));
  QVERIFY(near(t.range(0, 2).second, 125 + 1.21f * 25));
  QVERIFY(t.movedBy(12, 24, {0, 0, 0}));
  dragView(t.main(), 1, {400, 300}, {400, 294});  // up: smaller
  QVERIFY(near(t.range(0, 1).first, 125 - 1.21f * 0.81f * 25));
}

void TransformsTest::enlargeThenReduceLeavesNinetyNinePercent() {
  TransformApp t;
  t.selectOnly(1);
  clickTool(t.main(), "SpeedButton25");
  QVERIFY(near(t.range(1, 0).second - t.range(1, 0).first, 55));
  clickTool(t.main(), "SpeedButton26");
  QVERIFY(near(t.range(1, 0).second - t.range(1, 0).first, 49.5f));
  QVERIFY(near(t.range(1, 1).first, 125 - 0.99f * 25));
  QVERIFY(t.movedBy(0, 12, {0, 0, 0}));
  // Only x: y keeps its size.
  clickTool(t.main(), "yres");
  QVERIFY(!t.ws().tools.yres);
  clickTool(t.main(), "SpeedButton25");
  QVERIFY(near(t.range(1, 1).second - t.range(1, 1).first, 49.5f));
  QVERIFY(near(t.range(1, 0).second - t.range(1, 0).first, 49.5f * 1.1f));
}

void TransformsTest::dialNamesItsRegionsAndTurnsTheSelection() {
  TransformApp t;
  QWidget* dial = t.app.find<QWidget>(QStringLiteral("Image6"));
  auto* label = t.app.find<QLabel>(QStringLiteral("Label5"));
  const Canvas plain = dialPicture();
  const Canvas& shown = t.main().toolbox()->dial();
  auto outlined = [&] {
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (!(shown.pixel(x, y) == plain.pixel(x, y))) return true;
      }
    }
    return false;
  };
  QTest::mouseMove(dial, {21, 5});
  QCOMPARE(label->text(), QStringLiteral("y+"));
  QVERIFY(outlined());
  QTest::mouseMove(dial, {3, 20});
  QCOMPARE(label->text(), QStringLiteral("z-"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(dial, &leave);
  QVERIFY(!outlined());  // the not-xor outline erased itself

  // "All" unchecked and nothing selected: the dial turns nothing.
  clickTool(t.main(), "all");
  QTest::mouseClick(dial, Qt::LeftButton, {}, {21, 5});
  QVERIFY(t.movedBy(0, 24, {0, 0, 0}));
  // A selected: "y+" turns it about the x axis through the centre point by 15 degrees.
  t.selectOnly(0);
  QTest::mouseClick(dial, Qt::LeftButton, {}, {21, 5});
  const Point3 c = t.ws().views.CentrePoint;
  FaceCorner expected = t.start_faces[0].corners[0];
  rotateX(expected, true, c, std::cos(15 * kDegreeRadians), std::sin(15 * kDegreeRadians), false);
  const FaceCorner& turned = t.scene().face(0).corners[0];
  QCOMPARE(turned.x, expected.x);
  QVERIFY(near(turned.y, expected.y) && near(turned.z, expected.z));
  QVERIFY(!near(turned.y, t.start_faces[0].corners[0].y));
  QVERIFY(t.movedBy(12, 24, {0, 0, 0}));
}

void TransformsTest::copyInTheTopViewMovesAlongXAndZ() {
  TransformApp t;
  t.trigger("Selectall1");
  clickTool(t.main(), "SpeedButton17");
  clickView(t.main(), 2, {100, 100});
  clickView(t.main(), 2, {140, 120});
  QCOMPARE(t.scene().ObjectCount, 4);
  QVERIFY(t.movedBy(24, 48, {40, 0, 20}, 0));
  QVERIFY(t.movedBy(0, 24, {0, 0, 0}));
  // The copies are closed objects of their own, not selected; the tool stays on.
  QCOMPARE(t.scene().object(2).selected, std::uint8_t{0});
  QVERIFY(t.app.find<QToolButton>(QStringLiteral("SpeedButton17"))->isChecked());
  clickView(t.main(), 2, {200, 200});
  clickView(t.main(), 2, {200, 150});
  QCOMPARE(t.scene().ObjectCount, 6);
  QVERIFY(t.movedBy(48, 72, {0, 0, -50}, 0));
  QVERIFY(invariantViolation(t.scene()).empty());
}

void TransformsTest::resizeRectangleInTheSideViewLeavesXUnchanged() {
  TransformApp t;
  t.selectOnly(0);
  clickTool(t.main(), "SpeedButton20");
  clickView(t.main(), 3, {200, 200});  // the anchor: z 200, y 200
  clickView(t.main(), 3, {300, 250});
  QVERIFY(near(t.range(0, 2).first, 200) && near(t.range(0, 2).second, 300));
  QVERIFY(near(t.range(0, 1).first, 200) && near(t.range(0, 1).second, 250));
  QCOMPARE(t.range(0, 0), (std::pair<float, float>{100, 150}));
  QVERIFY(t.movedBy(12, 24, {0, 0, 0}));
}

void TransformsTest::mirrorTurnsFacesInsideOutAndTurnTurnsThemBack() {
  TransformApp t;
  t.selectOnly(0);
  const float cx = t.ws().views.CentrePoint.x;
  t.trigger("Towardsxaxis1");
  QCOMPARE(t.range(0, 0), (std::pair<float, float>{2 * cx - 150, 2 * cx - 100}));
  QCOMPARE(t.facesTowardMiddle(0), 12);
  t.trigger("Draaiom1");
  QCOMPARE(t.facesTowardMiddle(0), 0);
  // Mirrored back in place, inside out again; turning to the centre mends it.
  t.trigger("Towardsxaxis1");
  QCOMPARE(t.facesTowardMiddle(0), 12);
  t.trigger("Smartturn1");
  QCOMPARE(t.facesTowardMiddle(0), 0);
  QCOMPARE(t.facesTowardMiddle(1), 0);
}

void TransformsTest::dragAlongMovesASingleCornerTheWholeWay() {
  TransformApp t;
  t.trigger("Points1");
  clickView(t.main(), 1, {95, 95});
  clickView(t.main(), 1, {105, 105});  // the corners at x 100, y 100 (both depths)
  clickTool(t.main(), "dragknop");
  auto* influence = t.app.find<QSlider>(QStringLiteral("sterkdrag"));
  QVERIFY(influence->isEnabled());
  influence->setValue(5);
  QCOMPARE(t.ws().tools.sterkdrag, 5);
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {120, 90});
  int moved = 0;
  for (int i = 0; i < t.scene().FaceCount; ++i) {
    for (int k = 0; k < 3; ++k) {
      const FaceCorner& b = t.start_faces[static_cast<std::size_t>(i)].corners[k];
      const FaceCorner& c = t.scene().face(i).corners[k];
      if (b.x == 100 && b.y == 100) {
        QCOMPARE(c.x, 120.f);
        QCOMPARE(c.y, 90.f);
        QCOMPARE(c.z, b.z);
        ++moved;
      } else {
        QCOMPARE(c.x, b.x);
        QCOMPARE(c.y, b.y);
      }
    }
  }
  QVERIFY(moved > 0);
  t.trigger("Undo1");
  QVERIFY(t.movedBy(0, 24, {0, 0, 0}));
}

QTEST_MAIN(TransformsTest)
#include "transforms_test.moc"
