// Tests of the construction tools in the window, driven as a user drives them: toolbox
// buttons clicked, clicks and right clicks in the views, Enter and Escape on the form. They
// check what the window shows (buttons, boxes, the tool picture, the previews) and the
// faces that the clicks build.
#include <QAction>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include "app_test_support.h"
#include "edit/tool_pictures.h"
#include "support/scene_checks.h"
#include "toolbox.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Bounds {
  Point3 min{1e9f, 1e9f, 1e9f};
  Point3 max{-1e9f, -1e9f, -1e9f};
};

Bounds boundsOf(const Scene& scene, int first, int end) {
  Bounds b;
  for (int i = first; i < end; ++i) {
    for (const FaceCorner& c : scene.face(i).corners) {
      b.min = {std::min(b.min.x, c.x), std::min(b.min.y, c.y), std::min(b.min.z, c.z)};
      b.max = {std::max(b.max.x, c.x), std::max(b.max.y, c.y), std::max(b.max.z, c.z)};
    }
  }
  return b;
}

// A started program that never asks for object names.
struct ToolApp {
  AppFixture app;
  ToolApp() {
    app.start();
    app.ws().scene.ask = true;
  }
  TMainview& main() { return app.main(); }
  Workspace& ws() { return app.ws(); }
  QToolButton* button(const char* name) { return app.find<QToolButton>(QString::fromLatin1(name)); }
  bool enabled(const char* name) {
    return app.find<QWidget>(QString::fromLatin1(name))->isEnabled();
  }
  bool pictureIs(ToolPicture picture) {
    const Canvas expected = toolPicture(picture, Toolbox::kPictureWidth, Toolbox::kPictureHeight);
    const Canvas& shown = main().toolbox()->picture();
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        if (!(shown.pixel(x, y) == expected.pixel(x, y))) return false;
      }
    }
    return true;
  }
};

}  // namespace

class ToolsTest : public QObject {
  Q_OBJECT
 private slots:
  void constructionButtonsShowTheirToolPictureAndBoxes();
  void flagToolsRaiseTheConstructionButtons();
  void cubeBuiltByThreeClicksInTheTopView();
  void escapeAfterTwoCubeClicksAddsNothing();
  void polygonListEndsWithARightClickOfAtLeastThreePoints();
  void enterClicksInTheSideViewWhereTheMouseWasLast();
  void previewFollowsTheMouseAndLeavesNoTrace();
};

void ToolsTest::constructionButtonsShowTheirToolPictureAndBoxes() {
  ToolApp t;
  struct Case {
    const char* button;
    std::uint8_t mode;
    ToolPicture picture;
    bool closed, d, array;
  };
  const Case cases[] = {
      {"kubusknop", ModeCube, ToolPicture::Cube, false, false, false},
      {"bolknop", ModeSphere, ToolPicture::Sphere, false, false, false},
      {"driehoekknop", ModeTriangle, ToolPicture::Triangle, false, true, false},
      {"buisknop", ModeTube, ToolPicture::Tube, true, false, false},
      {"puntknop", ModePoint, ToolPicture::Point, true, false, false},
      {"polyknop", ModePolygon, ToolPicture::Polygon, true, false, false},
      {"multibuisknop", ModeMultiTube, ToolPicture::MultiTube, true, false, false},
      {"ringknop", ModeRing, ToolPicture::Ring, false, false, false},
      {"cirkelknop", ModeCircle, ToolPicture::Circle, false, false, false},
      {"multioppervlakknop", ModeMultiSurface, ToolPicture::MultiSurface, false, false, false},
      {"arrayknop", ModeArray, ToolPicture::Array, false, false, true},
  };
  for (const Case& c : cases) {
    clickTool(t.main(), c.button);
    QCOMPARE(t.ws().tools.ToolMode, c.mode);
    for (const Case& other : cases) {
      QVERIFY2(t.button(other.button)->isChecked() == (&other == &c), other.button);
    }
    QVERIFY2(t.pictureIs(c.picture), c.button);
    QVERIFY2(t.enabled("closedar") == c.closed, c.button);
    QVERIFY2(t.enabled("detri") == c.d, c.button);
    QVERIFY2(t.enabled("linar") == c.array && t.enabled("xdir") == c.array, c.button);
    QVERIFY(!t.enabled("selectpoints") && !t.enabled("sterkdrag"));
    // The keys reach the form again.
    QCOMPARE(t.main().focusWidget(), t.app.find<QWidget>(QStringLiteral("focusverlies")));
  }
  // With "lin" the array button chooses the line array and keeps its boxes.
  clickTool(t.main(), "linar");
  QVERIFY(t.ws().tools.linar);
  clickTool(t.main(), "arrayknop");
  QCOMPARE(t.ws().tools.ToolMode, std::uint8_t{ModeLineArray});
  QVERIFY(t.pictureIs(ToolPicture::LineArray));
  QVERIFY(t.enabled("xdir") && t.enabled("linar"));
  // "Closed" and "D" reach the tool state.
  clickTool(t.main(), "puntknop");
  clickTool(t.main(), "closedar");
  QVERIFY(!t.ws().tools.closedar);
  clickTool(t.main(), "driehoekknop");
  clickTool(t.main(), "detri");
  QVERIFY(t.ws().tools.detri);
}

void ToolsTest::flagToolsRaiseTheConstructionButtons() {
  ToolApp t;
  clickTool(t.main(), "kubusknop");
  clickTool(t.main(), "SpeedButton14");  // Move
  QVERIFY(t.ws().tools.flags.moveOn);
  QCOMPARE(t.ws().tools.ToolMode, std::uint8_t{ModeNone});
  QVERIFY(!t.button("kubusknop")->isChecked());
  QVERIFY(t.button("SpeedButton14")->isChecked());
  QVERIFY(t.pictureIs(ToolPicture::Empty));
  clickTool(t.main(), "SpeedButton17");  // Copy takes over from Move
  QVERIFY(t.ws().tools.flags.copyOn && !t.ws().tools.flags.moveOn);
  QVERIFY(!t.button("SpeedButton14")->isChecked() && t.button("SpeedButton17")->isChecked());
  clickTool(t.main(), "SpeedButton17");  // and goes off again
  QVERIFY(!t.ws().tools.flags.copyOn && !t.button("SpeedButton17")->isChecked());
  // Drag along: its picture and its boxes.
  clickTool(t.main(), "dragknop");
  QVERIFY(t.ws().tools.flags.dragAlongOn && t.button("dragknop")->isChecked());
  QVERIFY(t.pictureIs(ToolPicture::DragAlong));
  QVERIFY(t.enabled("sterkdrag") && t.enabled("relative"));
  // Escape cancels the tool and raises its button.
  pressKey(t.main(), Qt::Key_Escape);
  QVERIFY(!t.ws().tools.flags.dragAlongOn && !t.button("dragknop")->isChecked());
  // The punch button goes down with its boxes and its picture, and up again.
  clickTool(t.main(), "SpeedButton21");
  QVERIFY(t.button("SpeedButton21")->isChecked() && t.enabled("indeuken"));
  QVERIFY(t.pictureIs(ToolPicture::PunchIn));
  clickTool(t.main(), "SpeedButton21");
  QVERIFY(!t.button("SpeedButton21")->isChecked() && !t.enabled("indeuken"));
}

void ToolsTest::cubeBuiltByThreeClicksInTheTopView() {
  ToolApp t;
  Workspace& ws = t.ws();
  const Point3 c = ws.views.CentrePoint;  // (230, 150, 150)
  clickTool(t.main(), "kubusknop");
  // A press that no move announced acts where it happens.
  QTest::mouseClick(viewImage(t.main(), 2), Qt::LeftButton, {}, {100, 100});
  clickView(t.main(), 2, {200, 150});
  QCOMPARE(ws.scene.FaceCount, 0);
  clickView(t.main(), 2, {200, 200});  // 50 from the second click: the depth
  QCOMPARE(ws.scene.FaceCount, 12);
  QCOMPARE(ws.scene.ObjectCount, 1);
  QCOMPARE(ws.scene.LastCubeDepth, 50.f);
  // Built in the front frame and turned into the top view: the clicks span x and z, the
  // depth goes down y from the centre.
  const Bounds b = boundsOf(ws.scene, 0, 12);
  QCOMPARE(b.min.x, 100.f);
  QCOMPARE(b.max.x, 200.f);
  QCOMPARE(b.min.z, 100.f);
  QCOMPARE(b.max.z, 150.f);
  QCOMPARE(b.max.y, c.y);
  QCOMPARE(b.min.y, c.y - 50);
  for (int i = 0; i < 12; ++i) QCOMPARE(ws.scene.face(i).smooth, std::uint8_t{0});
  QVERIFY(invariantViolation(ws.scene).empty());
  // Drawn: the top view shows the cube's edge; the tool stays for the next cube.
  QVERIFY(!(ws.frame.images[1].pixel(150, 100) == kWhite));
  QVERIFY(t.button("kubusknop")->isChecked());
  clickView(t.main(), 1, {300, 300});
  clickView(t.main(), 1, {350, 350});
  clickView(t.main(), 1, {350, 370});
  QCOMPARE(ws.scene.ObjectCount, 2);
  // The front view's cube keeps z for its depth.
  const Bounds front = boundsOf(ws.scene, 12, 24);
  QCOMPARE(front.max.z, c.z);
  QCOMPARE(front.min.z, c.z - 20);
}

void ToolsTest::escapeAfterTwoCubeClicksAddsNothing() {
  ToolApp t;
  Workspace& ws = t.ws();
  clickTool(t.main(), "kubusknop");
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {200, 200});
  pressKey(t.main(), Qt::Key_Escape);
  QCOMPARE(ws.tools.ClickStage, std::uint8_t{0});
  QVERIFY(!t.button("kubusknop")->isChecked());
  // The tool stays chosen: the next three clicks make a whole new cube.
  clickView(t.main(), 1, {300, 300});
  QCOMPARE(ws.scene.FaceCount, 0);
  clickView(t.main(), 1, {320, 330});
  clickView(t.main(), 1, {320, 340});
  QCOMPARE(ws.scene.FaceCount, 12);
  const Bounds b = boundsOf(ws.scene, 0, 12);
  QCOMPARE(b.min.x, 300.f);
  QCOMPARE(b.max.y, 330.f);
}

void ToolsTest::polygonListEndsWithARightClickOfAtLeastThreePoints() {
  ToolApp t;
  Workspace& ws = t.ws();
  // With no list pending a right click moves the centre point: the polygon's depth.
  clickView(t.main(), 2, {300, 120}, Qt::RightButton);
  QCOMPARE(ws.views.CentrePoint.x, 300.f);
  QCOMPARE(ws.views.CentrePoint.z, 120.f);
  clickTool(t.main(), "polyknop");
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {200, 100});
  clickView(t.main(), 1, {200, 100}, Qt::RightButton);  // two points: not ended
  QCOMPARE(ws.tools.ClickStage, std::uint8_t{1});
  QCOMPARE(ws.views.CentrePoint.x, 300.f);  // and the centre stays
  clickView(t.main(), 1, {200, 200});
  QCOMPARE(ws.tools.ClickList1.count, 3);
  clickView(t.main(), 1, {200, 200}, Qt::RightButton);
  QCOMPARE(ws.tools.ClickStage, std::uint8_t{2});
  QCOMPARE(ws.scene.FaceCount, 0);
  clickView(t.main(), 1, {200, 230});  // 30 from the last point: the depth
  QCOMPARE(ws.scene.ObjectCount, 1);
  QVERIFY(ws.scene.FaceCount > 0);
  const Bounds b = boundsOf(ws.scene, 0, ws.scene.FaceCount);
  QCOMPARE(b.max.z, 120.f);
  QCOMPARE(b.min.z, 90.f);
  QCOMPARE(b.min.x, 100.f);
  QCOMPARE(b.max.y, 200.f);
  QCOMPARE(ws.tools.ClickList1.count, 0);
  QVERIFY(invariantViolation(ws.scene).empty());
}

void ToolsTest::enterClicksInTheSideViewWhereTheMouseWasLast() {
  ToolApp t;
  Workspace& ws = t.ws();
  const Point3 c = ws.views.CentrePoint;
  clickTool(t.main(), "bolknop");
  QWidget* side = viewImage(t.main(), 3);
  QTest::mouseMove(viewImage(t.main(), 1), {50, 50});
  QTest::mouseMove(side, {302, 301});  // snapped to (300, 300)
  pressKey(t.main(), Qt::Key_Return);
  QCOMPARE(ws.tools.FirstClick.a, 300.f);
  QCOMPARE(ws.tools.LastClick[2][0], 300.f);
  QTest::mouseMove(side, {350, 340});
  pressKey(t.main(), Qt::Key_Enter);
  QVERIFY(ws.scene.FaceCount > 0);
  // A sphere about (300, 300) of the side view: z across, y down, its axis vertical
  // through the centre point's x.
  const Bounds b = boundsOf(ws.scene, 0, ws.scene.FaceCount);
  QVERIFY(std::abs(b.min.z - 250) < 0.05f && std::abs(b.max.z - 350) < 0.05f);
  QVERIFY(std::abs(b.min.y - 260) < 0.05f && std::abs(b.max.y - 340) < 0.05f);
  QVERIFY(std::abs(b.min.x - (c.x - 50)) < 0.05f && std::abs(b.max.x - (c.x + 50)) < 0.05f);
}

void ToolsTest::previewFollowsTheMouseAndLeavesNoTrace() {
  ToolApp t;
  Workspace& ws = t.ws();
  addBoxObject(ws.scene, t.main().host(), 120, 120, 150, 60, "box");
  t.app.find<QAction>(QStringLiteral("Off1"))->trigger();  // no cross, a plain redraw
  const std::vector<std::uint8_t> front(
      ws.frame.images[0].data(), ws.frame.images[0].data() + ws.frame.images[0].stride() * 815);
  clickTool(t.main(), "kubusknop");
  clickView(t.main(), 1, {100, 100});
  QTest::mouseMove(viewImage(t.main(), 1), {200, 160});
  QTest::mouseMove(viewImage(t.main(), 1), {210, 180});
  // The rubber band runs from the first click to the mouse, over the box too.
  QVERIFY(!(ws.frame.images[0].pixel(150, 100) == kWhite));
  QVERIFY(!(ws.frame.images[0].pixel(210, 140) == kWhite));
  QVERIFY(ws.frame.images[0].pixel(200, 140) == kWhite);
  // Another tool: the band goes at once, without a redraw, and the sphere shows none
  // before its first click.
  clickTool(t.main(), "bolknop");
  const Canvas& image = ws.frame.images[0];
  QVERIFY(std::equal(front.begin(), front.end(), image.data()));
  QTest::mouseMove(viewImage(t.main(), 1), {400, 400});
  QVERIFY(std::equal(front.begin(), front.end(), image.data()));
}

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
