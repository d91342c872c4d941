// Tests of the array tools and the free curves in the window: the toolbox buttons and
// boxes, the "Nurbs" menu, and the three windows they open, answered as a user would.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app_test_support.h"
#include "array_dialogs.h"
#include "ops/line_array_preview.h"
#include "scene/scratch_files.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

struct ToolApp {
  AppFixture app;
  ToolApp() {
    app.start();
    app.ws().scene.ask = true;
  }
  TMainview& main() { return app.main(); }
  Workspace& ws() { return app.ws(); }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
};

}  // namespace

class ArraysCurvesTest : public QObject {
  Q_OBJECT
 private slots:
  void arrayButtonBuildsALatheAndTheBoxesUntickEachOther();
  void lineArrayShowsThePreviewAndBuildsOnOk();
  void copyAroundCentreAsksAndCancelTakesNoSnapshot();
  void curvesAreDrawnAndConnectedFromTheButtonsAndTheMenu();
};

void ArraysCurvesTest::arrayButtonBuildsALatheAndTheBoxesUntickEachOther() {
  ToolApp t;
  clickTool(t.main(), "arrayknop");
  QVERIFY(t.ws().tools.zdir);
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {120, 160});
  clickView(t.main(), 1, {0, 0}, Qt::RightButton);
  clickView(t.main(), 1, {150, 40});
  QCOMPARE(t.ws().scene.ObjectCount, 1);
  QCOMPARE(t.ws().scene.FaceCount, 50);
  QCOMPARE(t.ws().tools.ToolMode, std::uint8_t{ModeArray});
  // "x" unticks "lin"; "lin" unticks the three and chooses the line array.
  clickTool(t.main(), "linar");
  QCOMPARE(t.ws().tools.ToolMode, std::uint8_t{ModeLineArray});
  QVERIFY(!t.app.find<QCheckBox>(QStringLiteral("zdir"))->isChecked());
  clickTool(t.main(), "xdir");
  QVERIFY(t.ws().tools.xdir && !t.ws().tools.linar);
  QVERIFY(!t.app.find<QCheckBox>(QStringLiteral("linar"))->isChecked());
}

void ArraysCurvesTest::lineArrayShowsThePreviewAndBuildsOnOk() {
  ToolApp t;
  clickTool(t.main(), "arrayknop");
  clickTool(t.main(), "linar");
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {100, 150});
  clickView(t.main(), 1, {0, 0}, Qt::RightButton);
  clickView(t.main(), 2, {100, 150});
  clickView(t.main(), 2, {100, 250});
  int copies = 0;
  t.app.driver.expect(fillAndPress(
      [&](QWidget* w) {
        auto* preview = qobject_cast<TForm1*>(w);
        QVERIFY(preview);
        copies = preview->model()->copyCount();
        w->findChild<QToolButton*>(QStringLiteral("SpeedButton5"))->click();
        QCOMPARE(preview->model()->current(), 1);
      },
      QStringLiteral("Button1")));
  clickView(t.main(), 2, {100, 250}, Qt::RightButton);
  QCOMPARE(copies, 2);
  QCOMPARE(t.ws().scene.FaceCount, 2);
  QCOMPARE(t.ws().tools.ClickList2.count, 0);
  QCOMPARE(t.app.driver.unanswered(), 0);
}

void ArraysCurvesTest::copyAroundCentreAsksAndCancelTakesNoSnapshot() {
  ToolApp t;
  clickTool(t.main(), "kubusknop");
  clickView(t.main(), 1, {100, 100});
  clickView(t.main(), 1, {140, 140});
  clickView(t.main(), 1, {140, 180});
  QFile::remove(QString::fromLatin1(kUndoFile));
  t.trigger("Selectall1");
  t.app.driver.expect(cancelDialog());
  t.trigger("copyselecteditemsroundturningpoint1");
  QVERIFY(!QFile::exists(QString::fromLatin1(kUndoFile)));
  QCOMPARE(t.ws().scene.ObjectCount, 1);
  t.app.driver.expect(fillAndPress(
      [](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("TForm4"));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit4"))->text(), QStringLiteral("15"));
        w->findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QStringLiteral("90"));
      },
      QStringLiteral("Button1")));
  t.trigger("copyselecteditemsroundturningpoint1");
  QCOMPARE(t.ws().scene.ObjectCount, 4);
  // An angle of 0 is refused with a message and changes nothing.
  t.app.driver.expect(fillAndPress(
      [](QWidget* w) { w->findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText("0"); },
      QStringLiteral("Button1")));
  t.app.driver.expect(pressButton(QMessageBox::Ok));
  t.trigger("copyselecteditemsroundturningpoint1");
  QCOMPARE(t.ws().scene.ObjectCount, 4);
  QCOMPARE(t.app.driver.unanswered(), 0);
}

void ArraysCurvesTest::curvesAreDrawnAndConnectedFromTheButtonsAndTheMenu() {
  ToolApp t;
  clickTool(t.main(), "SpeedButton7");  // the nurb buttons, and drawing starts
  QVERIFY(t.ws().tools.flags.nurbDrawOn);
  QVERIFY(t.app.find<QToolButton>(QStringLiteral("nurbdrawbutton"))->isChecked());
  for (int x : {20, 60, 100, 140}) clickView(t.main(), 1, {x, 40 + x / 4});
  clickView(t.main(), 1, {0, 0}, Qt::RightButton);
  for (int x : {20, 60, 100, 140}) clickView(t.main(), 1, {x, 140 + x / 4});
  QCOMPARE(t.ws().scene.NurbCount, 2);
  QCOMPARE(t.ws().frame.images[0].pixel(40, 50), (Rgb{128, 128, 128}));
  t.app.driver.expect(fillAndPress(
      [](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("Tnurbresolutie"));
        w->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("2"));
        w->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
      },
      QStringLiteral("Button1")));
  clickTool(t.main(), "connectap");
  QCOMPARE(t.ws().scene.FaceCount, 2 * 3 * 2);
  // "Don't ask again": the next connection asks nothing.
  t.trigger("All1");
  QCOMPARE(t.ws().scene.FaceCount, 2 * 2 * 3 * 2);
  t.trigger("Deleteallnurbs1");
  QCOMPARE(t.ws().scene.NurbCount, 0);
  QCOMPARE(t.app.driver.unanswered(), 0);
}

QTEST_MAIN(ArraysCurvesTest)
#include "arrays_curves_test.moc"
