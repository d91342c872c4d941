// Tests of the desktop conventions' wiring: the wheel and the middle button on a view, the
// zoom and fit keys, the tool keys and the status bar, Shift and Ctrl clicks, "&Save" to
// the model's file without a dialog and "Open recent". The core's tests own the arithmetic.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "app_test_support.h"
#include "support/scene_checks.h"
#include "view_widgets.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

struct BoxApp {
  AppFixture app;
  BoxApp() {
    app.start();
    addBoxObject(app.ws().scene, app.main().host(), 100, 100, 100, 20, "box");
    app.main().redraw();
  }
  QString label(const char* name) { return app.find<QLabel>(QString::fromLatin1(name))->text(); }
  void key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(app.find<QWidget>(QStringLiteral("focusverlies")), static_cast<Qt::Key>(key),
                    modifiers);
  }
  void wheel(int view, QPoint at, int delta) {
    QWidget* image = viewImage(app.main(), view);
    QWheelEvent event(at, image->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(image, &event);
  }
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
 private slots:
  void wheelZoomsAboutTheMouseAndKeysZoomAndFit();
  void middleDragMovesTheScrollBars();
  void toolKeysChooseToolsAndTheStatusBarFollows();
  void shiftAndCtrlClicksAddAndToggle();
  void saveWritesTheModelsFileWithoutADialogAndRemembersIt();
};

void DesktopTest::wheelZoomsAboutTheMouseAndKeysZoomAndFit() {
  BoxApp b;
  b.wheel(1, {400, 300}, 120);
  QCOMPARE(b.app.ws().views.ZoomPercent, 125.0);
  QCOMPARE(b.app.main().viewPanel(1)->horizontalBar()->value(), b.app.ws().views.ScrollX[0]);
  QVERIFY(b.app.ws().views.ScrollX[0] > 0);  // the point under the mouse stayed put
  QVERIFY(b.app.find<QMenu>(QStringLiteral("Zoom1"))->title().contains(QLatin1String("125 %")));
  b.wheel(1, {430, 338}, -120);
  QCOMPARE(b.app.ws().views.ZoomPercent, 100.0);
  b.key(Qt::Key_Minus, Qt::ControlModifier);
  QCOMPARE(b.app.ws().views.ZoomPercent, 75.0);
  b.key(Qt::Key_Home);
  QVERIFY(b.app.ws().views.ZoomPercent > 150);  // zoomed in as far as the image allows
  QVERIFY(b.label("statussummary").contains(QLatin1String("Faces: 12")));
}

void DesktopTest::middleDragMovesTheScrollBars() {
  BoxApp b;
  QScrollBar* h = b.app.main().viewPanel(2)->horizontalBar();
  QScrollBar* v = b.app.main().viewPanel(2)->verticalBar();
  h->setValue(100);
  v->setValue(100);
  QWidget* image = viewImage(b.app.main(), 2);
  QTest::mousePress(image, Qt::MiddleButton, {}, {200, 200});
  QMouseEvent move(QEvent::MouseMove, QPointF(160, 170), image->mapToGlobal(QPointF(160, 170)),
                   Qt::NoButton, Qt::MiddleButton, {});
  QApplication::sendEvent(image, &move);
  QTest::mouseRelease(image, Qt::MiddleButton, {}, {160, 170});
  QCOMPARE(h->value(), 140);
  QCOMPARE(v->value(), 130);
  QCOMPARE(b.app.ws().views.ScrollX[1], 140);
  QVERIFY(b.app.ws().tools.ToolMode == ModeNone);  // no tool saw the press
}

void DesktopTest::toolKeysChooseToolsAndTheStatusBarFollows() {
  BoxApp b;
  auto* cube = b.app.find<QToolButton>(QStringLiteral("kubusknop"));
  QVERIFY(cube->toolTip().endsWith(QLatin1String("(C)")));
  b.key(Qt::Key_C);
  QVERIFY(cube->isChecked());
  QCOMPARE(b.label("statusprompt"), QStringLiteral("Cube: click the first corner"));
  clickView(b.app.main(), 1, {300, 300});
  QCOMPARE(b.label("statusprompt"), QStringLiteral("Cube: click the opposite corner"));
  QTest::mouseMove(viewImage(b.app.main(), 2), {40, 60});
  QCOMPARE(b.label("statusposition"), QStringLiteral("x: 40  z: 60"));
  b.key(Qt::Key_Escape);  // cancels the click, keeps the tool
  QCOMPARE(b.app.ws().tools.ToolMode, std::uint8_t{ModeCube});
  b.key(Qt::Key_Escape);
  QCOMPARE(b.app.ws().tools.ToolMode, std::uint8_t{ModeNone});
  QVERIFY(!cube->isChecked());
  b.key(Qt::Key_G);
  QVERIFY(b.app.ws().tools.flags.moveOn);
  QCOMPARE(b.label("statusprompt"), QStringLiteral("Move: drag the selection"));
}

void DesktopTest::shiftAndCtrlClicksAddAndToggle() {
  BoxApp b;
  addBoxObject(b.app.ws().scene, b.app.main().host(), 200, 100, 100, 20, "other");
  b.key(Qt::Key_V);
  QVERIFY(b.app.ws().tools.flags.selectObjectsOn);
  QWidget* image = viewImage(b.app.main(), 1);
  auto click = [&](QPoint at, Qt::KeyboardModifiers keys) {
    QTest::mouseMove(image, at);
    QTest::mouseClick(image, Qt::LeftButton, keys, at);
  };
  click({110, 110}, Qt::ControlModifier);
  QVERIFY(b.app.ws().scene.object(0).selected);
  click({210, 110}, Qt::ShiftModifier);
  QVERIFY(b.app.ws().scene.object(1).selected);
  click({110, 110}, Qt::ControlModifier);
  QVERIFY(!b.app.ws().scene.object(0).selected);
  QVERIFY(b.app.ws().scene.object(1).selected);
  QVERIFY(b.label("statussummary").endsWith(QLatin1String("Selected: 1 object")));
}

void DesktopTest::saveWritesTheModelsFileWithoutADialogAndRemembersIt() {
  BoxApp b;
  // Without a file of its own, "&Save" asks as "&Save..." does.
  b.app.driver.expect(chooseFile(QStringLiteral("model"), 1));
  b.app.find<QAction>(QStringLiteral("Savedirect1"))->trigger();
  QCOMPARE(b.app.driver.unanswered(), 0);
  const int dialogs = static_cast<int>(b.app.driver.seen.size());
  const QString file = QString::fromStdString(b.app.main().modelPath());
  QVERIFY(file.endsWith(QLatin1String("model.fcy")));
  QFile::remove(file);
  b.app.main().activateWindow();  // the keys go to the window again once the dialog is gone
  QVERIFY(QTest::qWaitForWindowActive(&b.app.main()));
  for (int i = 0; i < 2; ++i) {
    b.app.ws().scene.ModifiedFlag = true;
    b.key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(file));
    QVERIFY(!b.app.ws().scene.ModifiedFlag);
  }
  QCOMPARE(static_cast<int>(b.app.driver.seen.size()), dialogs);  // no dialog, no question
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : model.fcy"));
  // "Open recent" lists it and the settings file keeps it.
  auto* recent = b.app.find<QMenu>(QStringLiteral("Openrecent1"));
  emit recent->aboutToShow();
  QCOMPARE(recent->actions().size(), 1);
  QCOMPARE(recent->actions().first()->text(), QFileInfo(file).absoluteFilePath());
  QFile cfg(b.app.path(QStringLiteral("facetry.cfg")));
  QVERIFY(cfg.open(QIODevice::ReadOnly));
  QVERIFY(cfg.readAll().contains(QFileInfo(file).absoluteFilePath().toUtf8()));
  // "Save &as" still asks.
  QCOMPARE(b.app.find<QAction>(QStringLiteral("Save1"))->shortcut(),
           QKeySequence(QKeySequence::SaveAs));
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
