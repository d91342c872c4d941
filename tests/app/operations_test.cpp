// Tests of the "Extend faces" and "Boolean" menus in the window: the entries reach their
// commands and tools, the pictures show, the progress window exists and closes again, and
// the user cut refuses the top view in the status line.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "app_test_support.h"
#include "ops/operation_pictures.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "toolbox.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

struct OpsApp {
  AppFixture app;
  ScriptedHost quiet;
  OpsApp() {
    app.start();
    app.ws().scene.ask = true;
  }
  TMainview& main() { return app.main(); }
  Workspace& ws() { return app.ws(); }
  void trigger(const char* name) { app.find<QAction>(QString::fromLatin1(name))->trigger(); }
  bool pictureIs(OperationPicture picture) {
    const Canvas expected =
        operationPicture(picture, Toolbox::kPictureWidth, Toolbox::kPictureHeight);
    const Canvas& shown = main().toolbox()->picture();
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        if (!(shown.pixel(x, y) == expected.pixel(x, y))) return false;
      }
    }
    return true;
  }
  // Where object k's first corner shows in the front view (the pick takes the nearest).
  QPoint firstCorner(int k) {
    const FaceCorner& c = ws().scene.face(ws().scene.object(k).first).corners[0];
    return {static_cast<int>(c.x), static_cast<int>(c.y)};
  }
};

}  // namespace

class OperationsTest : public QObject {
  Q_OBJECT
 private slots:
  void extendMenuRunsThePatternsAndShowsTheirPictures();
  void booleanEntryPicksTwoObjectsAndMergesThem();
  void userCutTakesTheFrontViewOnly();
};

void OperationsTest::extendMenuRunsThePatternsAndShowsTheirPictures() {
  OpsApp t;
  addBoxObject(t.ws().scene, t.quiet, 100, 100, 150, 50, "box");
  setObjectSelected(t.ws().scene, 0, 1);
  auto* extend = t.app.find<QMenu>(QStringLiteral("Extendfaces1"));
  QVERIFY(extend);
  emit extend->aboutToShow();
  QVERIFY(t.pictureIs(OperationPicture::ExtendFaces));
  emit t.app.find<QMenu>(QStringLiteral("Complex21"))->aboutToShow();
  QVERIFY(t.pictureIs(OperationPicture::Complex2));
  t.trigger("Dosimple1");
  QCOMPARE(t.ws().scene.FaceCount, 36);
  t.trigger("Donormal1");
  QCOMPARE(t.ws().scene.FaceCount, 144);
  QVERIFY(t.app.driver.seen.isEmpty());
}

void OperationsTest::booleanEntryPicksTwoObjectsAndMergesThem() {
  OpsApp t;
  addBoxObject(t.ws().scene, t.quiet, 100, 100, 150, 60, "A");
  addBoxObject(t.ws().scene, t.quiet, 130, 120, 170, 60, "B");
  auto* progress = t.app.find<QWidget>(QStringLiteral("TForm15"));
  QVERIFY(progress);
  QCOMPARE(progress->windowTitle(), QStringLiteral("Progress first object"));
  t.trigger("Add1");
  QVERIFY(t.ws().tools.flags.booleanPickOn);
  QVERIFY(t.pictureIs(OperationPicture::Add));
  clickView(t.main(), 1, t.firstCorner(0));
  QCOMPARE(t.ws().tools.PickedObject, 0);
  clickView(t.main(), 1, t.firstCorner(0));  // the same object again starts nothing
  QCOMPARE(t.ws().scene.ObjectCount, 2);
  clickView(t.main(), 1, t.firstCorner(1));
  QCOMPARE(t.ws().scene.ObjectCount, 1);
  QVERIFY(!t.ws().tools.flags.booleanPickOn);
  QVERIFY(!progress->isVisible());
  QCOMPARE(progress->windowTitle(), QStringLiteral("Calculate space"));
  QCOMPARE(invariantViolation(t.ws().scene), std::string());
}

void OperationsTest::userCutTakesTheFrontViewOnly() {
  OpsApp t;
  addBoxObject(t.ws().scene, t.quiet, 100, 100, 150, 60, "A");
  setObjectSelected(t.ws().scene, 0, 1);
  t.trigger("User1");
  QVERIFY(t.ws().tools.flags.userExtendOn);
  QVERIFY(t.pictureIs(OperationPicture::User));
  clickView(t.main(), 2, {130, 130});
  QCOMPARE(t.ws().scene.FaceCount, 12);
  QVERIFY(t.main().statusBar()->currentMessage().contains(QStringLiteral("front view")));
  clickView(t.main(), 1, {130, 80});
  clickView(t.main(), 1, {131, 200});
  QVERIFY(t.ws().scene.FaceCount > 12);
  QCOMPARE(invariantViolation(t.ws().scene), std::string());
}

QTEST_MAIN(OperationsTest)
#include "operations_test.moc"
