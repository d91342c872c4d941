// Tests of the punch tool, "Create landscape", "Elastic" and "Glue selected points" in the
// window: the controls reach the core commands and the window shows the result.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "app_test_support.h"
#include "number_edit.h"
#include "support/scene_checks.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

struct ShapeApp {
  AppFixture app;
  ShapeApp() {
    app.start();
    app.ws().scene.ask = true;
  }
  Workspace& ws() { return app.ws(); }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
  QAbstractButton* box(const char* name) {
    return app.find<QAbstractButton>(QString::fromLatin1(name));
  }
};

}  // namespace

class PunchLandscapeTest : public QObject {
  Q_OBJECT
 private slots:
  void punchToolPicksTwoObjectsAndGoesUp();
  void punchBoxesFollowEachOther();
  void landscapeDialogGeneratesOnOkOnly();
  void elasticWithoutSelectionSaysSoAndUndoRefitsTheCage();
};

void PunchLandscapeTest::punchToolPicksTwoObjectsAndGoesUp() {
  ShapeApp t;
  Scene& scene = t.ws().scene;
  Host& host = t.app.main().host();
  FaceCorner a = corner(150, 150, 150), b = corner(150, 160, 150), c = corner(160, 150, 150);
  addFace(scene, host, a, b, c);
  closeObject(scene, host, false, true);
  addBoxObject(scene, host, 100, 100, 200, 100, "tool");
  t.app.main().redraw();
  clickTool(t.app.main(), "SpeedButton21");
  clickTool(t.app.main(), "autoedge");  // off: punch straight along z
  QVERIFY(!t.ws().tools.autoedge);
  clickView(t.app.main(), 1, {150, 150});
  clickView(t.app.main(), 1, {100, 100});
  QCOMPARE(scene.ObjectCount, 1);
  QCOMPARE(scene.FaceTable[0].corners[0].z, 100.0f);
  QVERIFY(!t.app.find<QToolButton>(QStringLiteral("SpeedButton21"))->isChecked());
  QVERIFY(!t.box("indeuken")->isEnabled());
}

void PunchLandscapeTest::punchBoxesFollowEachOther() {
  ShapeApp t;
  clickTool(t.app.main(), "SpeedButton21");
  clickTool(t.app.main(), "gluesel");
  QVERIFY(t.box("glue")->isChecked());
  QCOMPARE(t.ws().tools.punch_mode, PunchMode::Glue);
  QVERIFY(t.ws().tools.gluesel);
  clickTool(t.app.main(), "uitdeuken");
  QVERIFY(!t.box("gluesel")->isChecked());
  QCOMPARE(t.ws().tools.punch_mode, PunchMode::Out);
  QVERIFY(!t.ws().tools.gluesel);
  clickTool(t.app.main(), "remove");
  QVERIFY(!t.ws().tools.remove);
}

void PunchLandscapeTest::landscapeDialogGeneratesOnOkOnly() {
  ShapeApp t;
  t.app.driver.expect(cancelDialog());
  t.trigger("Createlandscape1");
  QCOMPARE(t.ws().scene.FaceCount, 0);
  QVERIFY(!QFile::exists(t.app.path(QStringLiteral("undo.fil"))));
  t.app.driver.expect(fillAndPress(
      [](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QSlider*>(QStringLiteral("TrackBar1"))->value(), 6);
        QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
        dialog->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(3);
        auto* height = dialog->findChild<NumberEdit*>(QStringLiteral("Edit2"));
        height->selectAll();
        QTest::keyClicks(height, "40");
      },
      QStringLiteral("Button1")));
  t.trigger("Createlandscape1");
  QCOMPARE(t.app.driver.seen, (QStringList{"Create landscape", "Create landscape"}));
  QCOMPARE(t.ws().scene.FaceCount, 16);
  QCOMPARE(t.ws().scene.ObjectCount, 1);
  QCOMPARE(t.ws().landscape.resolution, 3);
  QCOMPARE(t.ws().landscape.height, 40);
}

void PunchLandscapeTest::elasticWithoutSelectionSaysSoAndUndoRefitsTheCage() {
  ShapeApp t;
  Scene& scene = t.ws().scene;
  Host& host = t.app.main().host();
  addBoxObject(scene, host, 100, 100, 200, 100, "box");
  t.app.driver.expect(pressButton(QMessageBox::Ok));
  t.trigger("Elastic1");
  QCOMPARE(t.app.driver.seen.last(), QStringLiteral("Error: No objects selected"));
  QVERIFY(!t.ws().tools.flags.elasticOn);

  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.face(i).corners) c.selected = 1;
  }
  t.trigger("Elastic1");
  QVERIFY(t.ws().tools.flags.elasticOn);
  QCOMPARE(t.ws().elastic.current[2].X, 200);
  // Point 3 (200, 200) of the front cage dragged to (240, 200), then applied.
  clickView(t.app.main(), 1, {200, 200});
  clickView(t.app.main(), 1, {240, 200});
  clickView(t.app.main(), 1, {240, 200}, Qt::RightButton);
  QCOMPARE(t.ws().elastic.current[2].X, 240);
  t.trigger("Undo1");
  QVERIFY(t.ws().tools.flags.elasticOn);
  QCOMPARE(t.ws().elastic.current[2].X, 200);
  QCOMPARE(t.app.driver.seen.filter(QStringLiteral("UNEXPECTED")), QStringList());
}

QTEST_MAIN(PunchLandscapeTest)
#include "punch_landscape_test.moc"
