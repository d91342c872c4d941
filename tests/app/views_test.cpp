// Tests of the views in the window: the zoom menu and "Set zoom factor", scrolling, the
// two layouts, the shading buttons, the cross and read-outs following the mouse, and the
// light and shadow commands.
#include <QAbstractButton>
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "app_test_support.h"
#include "support/scene_checks.h"
#include "toolbox.h"
#include "view_widgets.h"

using namespace facetry;
using namespace facetry::testing;

class ViewsTest : public QObject {
  Q_OBJECT
 private slots:
  void zoomMenuRescalesAboutTheCentre();
  void otherZoomRefusesWhatIsNotAPositiveNumber();
  void scrollBarsMoveTheImageAndRedraw();
  void onlyFrontLayoutParksAndRestoresTheScrollPositions();
  void shadingButtonsChooseTheViewMode();
  void mouseMovesTheCrossAndTheReadouts();
  void lightPositionAndShadowCommands();
  void arrowKeysMoveTheMouseByAGridStep();
  void toolboxMovesByItsHandles();
};

namespace {

struct SceneApp {
  AppFixture app;
  SceneApp() {
    app.start();
    app.ws().scene.ask = true;
    addBoxObject(app.ws().scene, app.main().host(), 250, 170, 160, 40, "box");
  }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
};

}  // namespace

void ViewsTest::zoomMenuRescalesAboutTheCentre() {
  SceneApp s;
  Scene& scene = s.app.ws().scene;
  const Point3 c = s.app.ws().views.CentrePoint;  // (230, 150, 150)
  const FaceCorner before = scene.face(3).corners[1];
  s.trigger("N2001");
  const FaceCorner& after = scene.face(3).corners[1];
  QCOMPARE(after.x, c.x + 2 * (before.x - c.x));
  QCOMPARE(after.y, c.y + 2 * (before.y - c.y));
  QCOMPARE(after.z, c.z + 2 * (before.z - c.z));
  QCOMPARE(s.app.ws().views.ZoomPercent, 200.0);
  s.trigger("N251");
  QCOMPARE(scene.face(3).corners[1].x, c.x + 0.25f * (before.x - c.x));
  s.trigger("N1001");
  QCOMPARE(scene.face(3).corners[1].x, before.x);
  QCOMPARE(scene.face(3).corners[1].y, before.y);
  // The front view shows the box's edges where the zoomed corners lie.
  s.trigger("N2001");
  const Canvas& front = s.app.ws().frame.images[0];
  QVERIFY(!(front.pixel(static_cast<int>(c.x + 2 * (270 - c.x)) - 3,
                        static_cast<int>(c.y + 2 * (190 - c.y))) == Rgb{255, 255, 255}));
}

void ViewsTest::otherZoomRefusesWhatIsNotAPositiveNumber() {
  SceneApp s;
  auto typeAndOk = [](const QString& text) {
    return fillAndPress(
        [text](QWidget* d) { d->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text); },
        QStringLiteral("Button1"));
  };
  const float x = s.app.ws().scene.face(0).corners[0].x;
  for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("-50"),
                             QStringLiteral(""), QStringLiteral("20000")}) {
    s.app.driver.expect(typeAndOk(bad));
    s.app.driver.expect(pressButton(QMessageBox::Ok));  // the refusal; the dialog stays
    s.app.driver.expect(cancelDialog());
    s.trigger("Other1");
    QCOMPARE(s.app.driver.unanswered(), 0);
    QVERIFY2(s.app.driver.seen[s.app.driver.seen.size() - 2].contains(
                 QStringLiteral("not a zoom factor")),
             qPrintable(bad));
    QCOMPARE(s.app.ws().views.ZoomPercent, 100.0);
    QCOMPARE(s.app.ws().scene.face(0).corners[0].x, x);
  }
  s.app.driver.expect(typeAndOk(QStringLiteral("150")));
  s.trigger("Other1");
  QCOMPARE(s.app.ws().views.ZoomPercent, 150.0);
  QVERIFY(s.app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

void ViewsTest::scrollBarsMoveTheImageAndRedraw() {
  SceneApp s;
  ViewPanel* top = s.app.main().viewPanel(2);
  top->horizontalBar()->setValue(120);
  top->verticalBar()->setValue(300);
  QCOMPARE(top->image()->pos(), QPoint(-120, -300));
  QCOMPARE(s.app.ws().views.ScrollX[1], 120);
  QCOMPARE(s.app.ws().views.ScrollY[1], 300);
  // The redraw happened: the box, added after the last redraw, is in the top view now.
  const Canvas& image = s.app.ws().frame.images[1];
  bool drawn = false;
  for (int x = 250; x <= 290 && !drawn; ++x) drawn = !(image.pixel(x, 160) == Rgb{255, 255, 255});
  QVERIFY(drawn);
}

void ViewsTest::onlyFrontLayoutParksAndRestoresTheScrollPositions() {
  SceneApp s;
  ViewPanel* front = s.app.main().viewPanel(1);
  front->horizontalBar()->setValue(40);
  front->verticalBar()->setValue(70);
  s.trigger("Onlyfrontwindow1");
  QVERIFY(!s.app.ws().views.ThreeWindows);
  QVERIFY(!s.app.main().viewPanel(2)->isVisible());
  QVERIFY(!s.app.main().viewPanel(3)->isVisible());
  QVERIFY(!front->horizontalBar()->isVisible());
  QCOMPARE(front->horizontalBar()->value(), 0);
  QCOMPARE(front->image()->pos(), QPoint(0, 0));
  QCOMPARE(front->size(), QSize(813, 813));
  QCOMPARE(s.app.ws().views.ScrollY[0], 0);
  s.trigger("FrontTopSidewindow1");
  QVERIFY(s.app.main().viewPanel(3)->isVisible());
  QVERIFY(front->verticalBar()->isVisible());
  QCOMPARE(front->horizontalBar()->value(), 40);
  QCOMPARE(front->verticalBar()->value(), 70);
  QCOMPARE(s.app.ws().views.ScrollY[0], 70);
  QCOMPARE(front->image()->pos(), QPoint(-40, -70));
}

void ViewsTest::shadingButtonsChooseTheViewMode() {
  SceneApp s;
  auto& shading = s.app.ws().views.ViewShading;
  s.app.find<QRadioButton>(QStringLiteral("gggg"))->click();
  QVERIFY(shading[2].shaded && shading[2].gouraud && !shading[2].flat && !shading[2].phong);
  s.app.find<QRadioButton>(QStringLiteral("pp"))->click();
  QVERIFY(shading[1].shaded && shading[1].phong && !shading[1].gouraud);
  s.app.find<QRadioButton>(QStringLiteral("w"))->click();
  QVERIFY(!shading[0].shaded && !shading[0].flat && !shading[0].gouraud && !shading[0].phong);
  s.app.find<QRadioButton>(QStringLiteral("fff"))->click();
  QVERIFY(shading[2].shaded && shading[2].flat && !shading[2].gouraud);
}

void ViewsTest::mouseMovesTheCrossAndTheReadouts() {
  SceneApp s;
  Workspace& ws = s.app.ws();
  ws.settings.GridStep = 10;
  ws.settings.ScaleFactor = 2;
  s.trigger("N1001");  // a redraw, with the cross at the stored position
  QWidget* side = s.app.main().viewPanel(3)->image();
  QTest::mouseMove(side, QPoint(127, 333));
  QCOMPARE(ws.views.MousePosition[2][0], 120.f);  // snapped to the grid
  QCOMPARE(ws.views.MousePosition[2][1], 330.f);
  auto text = [&](const char* name) {
    return s.app.find<QLabel>(QString::fromLatin1(name))->text();
  };
  QCOMPARE(text("Label7"), QStringLiteral("z:"));
  QCOMPARE(text("Label8"), QStringLiteral("y:"));
  QCOMPARE(text("xlab"), QStringLiteral("60"));
  QCOMPARE(text("ylab"), QStringLiteral("165"));
  // The cross is a not-xor line through the new position; the old one is erased.
  const Canvas& image = ws.frame.images[2];
  QCOMPARE(image.pixel(700, 330), (Rgb{0, 0, 0}));
  QCOMPARE(image.pixel(120, 700), (Rgb{0, 0, 0}));
  QCOMPARE(image.pixel(700, 0), (Rgb{255, 255, 255}));
  QTest::mouseMove(side, QPoint(200, 400));
  QCOMPARE(image.pixel(700, 330), (Rgb{255, 255, 255}));
  QCOMPARE(image.pixel(700, 400), (Rgb{0, 0, 0}));
  // With the cross off the views show none.
  s.trigger("Off1");
  QCOMPARE(image.pixel(700, 400), (Rgb{255, 255, 255}));
  QTest::mouseMove(s.app.main().viewPanel(2)->image(), QPoint(55, 66));
  QCOMPARE(text("Label8"), QStringLiteral("z:"));
  QCOMPARE(ws.frame.images[1].pixel(700, 60), (Rgb{255, 255, 255}));
}

void ViewsTest::lightPositionAndShadowCommands() {
  SceneApp s;
  Workspace& ws = s.app.ws();
  s.app.driver.expect(fillAndPress(
      [](QWidget* d) {
        d->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("100"));
        d->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("x"));
        d->findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("-40"));
      },
      QStringLiteral("Button1")));
  s.trigger("Lamppositie1");
  QCOMPARE(ws.lighting.LightPosition.x, 100.f);
  QCOMPARE(ws.lighting.LightPosition.y, 0.f);  // text that is not a number keeps the value
  QCOMPARE(ws.lighting.LightPosition.z, -40.f);
  s.app.driver.expect(cancelDialog());
  s.trigger("Lamppositie1");
  QCOMPARE(ws.lighting.LightPosition.x, 100.f);

  s.trigger("Max2");
  QCOMPARE(ws.lighting.ShadowLevel, 100);
  QCOMPARE(ws.lighting.shade(0, 0, 200), std::uint8_t{0});  // turned away, Max: black
  s.trigger("None1");
  QCOMPARE(ws.lighting.shade(0, 0, 200), std::uint8_t{200});

  ws.scene.face(2).selected = 1;
  s.trigger("None2");
  QCOMPARE(ws.scene.face(2).ReflectionLevel, std::uint8_t{4});
  QCOMPARE(ws.scene.face(1).ReflectionLevel, std::uint8_t{0});
  s.trigger("Unsmoothselectedfaces1");
  QCOMPARE(ws.scene.face(2).smooth, std::uint8_t{0});
  QCOMPARE(ws.scene.face(1).smooth, std::uint8_t{1});
}

void ViewsTest::arrowKeysMoveTheMouseByAGridStep() {
  SceneApp s;
  s.app.ws().settings.GridStep = 7;
  QCursor::setPos(QPoint(300, 300));
  QWidget* focus = s.app.find<QWidget>(QStringLiteral("focusverlies"));
  QTest::keyClick(focus, Qt::Key_Right);
  QTest::keyClick(focus, Qt::Key_Down);
  QTest::keyClick(focus, Qt::Key_Down);
  QCOMPARE(QCursor::pos(), QPoint(307, 314));
  QTest::keyClick(focus, Qt::Key_Left);
  QTest::keyClick(focus, Qt::Key_Up);
  QCOMPARE(QCursor::pos(), QPoint(300, 307));
}

void ViewsTest::toolboxMovesByItsHandles() {
  SceneApp s;
  QWidget* toolbox = s.app.find<QWidget>(QStringLiteral("Panel7"));
  const QPoint start = toolbox->pos();
  QWidget* handle = s.app.find<QWidget>(QStringLiteral("Panel11"));
  QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(30, 5));
  QTest::mouseMove(handle, QPoint(32, 6));  // a jitter of 2 by 1 does not move it
  QCOMPARE(toolbox->pos(), start);
  QTest::mouseMove(handle, QPoint(30 - 100, 5 + 40));
  QCOMPARE(toolbox->pos(), start + QPoint(-100, 40));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-70, 45));
  QTest::mouseMove(handle, QPoint(0, 0));  // released: no more moving
  QCOMPARE(toolbox->pos(), start + QPoint(-100, 40));
  // The lower handle drags too.
  QWidget* lower = s.app.find<QWidget>(QStringLiteral("Panel12"));
  QCOMPARE(lower->y(), toolbox->height() - 20);
  QTest::mousePress(lower, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(lower, QPoint(10, 0));
  QTest::mouseRelease(lower, Qt::LeftButton, {}, QPoint(10, 0));
  QCOMPARE(toolbox->pos(), start + QPoint(-100, 30));
}

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
