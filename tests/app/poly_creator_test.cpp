// Tests of the Poly creator window's wiring: the menu entry opens it beside the main window,
// clicks in its images reach the core's tools, the controls set its options, and "Ok" adds
// the solid.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app_test_support.h"
#include "poly_creator_window.h"

using namespace facetry;
using namespace facetry::testing;

class PolyCreatorTest : public QObject {
  Q_OBJECT
 private slots:
  void menuEntryOpensTheCreatorAndOkAddsTheSolid();
  void controlsReachTheCreatorAndCancelBuildsNothing();
};

namespace {

TForm16* openCreator(AppFixture& app) {
  app.find<QAction>(QStringLiteral("Polyeditor1"))->trigger();
  return app.main().windows().poly_creator;
}

template <typename T>
T* control(TForm16* window, const char* name) {
  return window->findChild<T*>(QString::fromLatin1(name));
}

void click(TForm16* window, const char* image, QPoint at) {
  QWidget* picture = control<QWidget>(window, image);
  QTest::mouseMove(picture, at);
  QTest::mouseClick(picture, Qt::LeftButton, {}, at);
}

}  // namespace

void PolyCreatorTest::menuEntryOpensTheCreatorAndOkAddsTheSolid() {
  AppFixture app;
  app.start();
  TForm16* window = openCreator(app);
  QVERIFY(window->isVisible());
  QVERIFY(!window->isModal());
  QCOMPARE(window->windowTitle(), QStringLiteral("Poly creator"));
  QVERIFY(app.ws().survey.poly_creator_open);
  click(window, "Image1", {100, 100});
  click(window, "Image1", {200, 100});
  click(window, "Image3", {10, 10});
  click(window, "Image3", {110, 10});
  QCOMPARE(window->creator().lines[0].size(), std::size_t{2});
  QCOMPARE(app.ws().scene.FaceCount, 0);  // the preview leaves the scene as it was
  app.driver.expect([](QWidget* d) {      // "Ok" names the new object
    d->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("loft"));
    d->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
  });
  control<QPushButton>(window, "BitBtn3")->click();
  QVERIFY(!window->isVisible());
  QCOMPARE(app.ws().scene.ObjectTable[0].name.str(), std::string("loft"));
  QCOMPARE(app.ws().scene.ObjectCount, 1);
  QCOMPARE(app.ws().scene.FaceCount, 2);
  QCOMPARE(int(app.ws().scene.ObjectTable[0].selected), 1);
  QVERIFY(!app.ws().survey.poly_creator_open);
  QVERIFY2(app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty(),
           qPrintable(app.driver.seen.join(QStringLiteral("; "))));
}

void PolyCreatorTest::controlsReachTheCreatorAndCancelBuildsNothing() {
  AppFixture app;
  app.start();
  TForm16* window = openCreator(app);
  PolyCreator& pc = window->creator();
  control<QToolButton>(window, "b6")->click();
  QCOMPARE(pc.tool, PolyTool::Circle);
  control<QCheckBox>(window, "CheckBox1")->click();
  control<QCheckBox>(window, "edge")->click();
  QVERIFY(pc.closed_front && !pc.follow_edge);
  auto* resolution = control<QLineEdit>(window, "bezres");
  resolution->selectAll();
  QTest::keyClicks(resolution, QStringLiteral("8"));
  QCOMPARE(pc.resolution, 8);
  app.driver.expect(pressButton(QMessageBox::Ok));
  resolution->selectAll();
  QTest::keyClicks(resolution, QStringLiteral("1"));  // refused with a message
  QCOMPARE(pc.resolution, 8);
  QCOMPARE(app.driver.unanswered(), 0);
  click(window, "Image1", {100, 100});
  click(window, "Image1", {130, 60});
  QCOMPARE(pc.lines[0].size(), std::size_t{10});
  control<QPushButton>(window, "Button1")->click();  // "New"
  QVERIFY(pc.lines[0].empty());
  control<QPushButton>(window, "BitBtn2")->click();
  QVERIFY(!window->isVisible());
  QCOMPARE(app.ws().scene.FaceCount, 0);
}

QTEST_MAIN(PolyCreatorTest)
#include "poly_creator_test.moc"
