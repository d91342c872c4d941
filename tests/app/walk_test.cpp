// Tests of the walk-through window's wiring: the menu opens it on the prepared scene with
// its controls, the picture, buttons, keys, pad and timer reach the core, a bitmap is
// saved, and closing it gives the main window its scene back.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>

#include "app_test_support.h"
#include "support/scene_checks.h"
#include "walk_window.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

std::string faceBytes(const Scene& s) {
  return {reinterpret_cast<const char*>(s.FaceTable.data()),
          sizeof(Face) * static_cast<std::size_t>(s.FaceCount)};
}

struct WalkApp {
  AppFixture app;
  WalkApp() {
    app.start();
    addBoxObject(app.ws().scene, app.main().host(), 180, 100, 200, 100, "box");
    app.main().redraw();
  }
  void open() { app.find<QAction>(QStringLiteral("Perspectief1"))->trigger(); }
};

// Closes the window however the answer ends, so that a failed check cannot leave it open.
struct CloseAtEnd {
  QWidget* window;
  ~CloseAtEnd() {
    if (window->isVisible()) static_cast<QDialog*>(window)->reject();
  }
};

template <typename T>
T* control(QWidget* window, const char* name) {
  T* found = window->findChild<T*>(QString::fromLatin1(name));
  if (!found) qWarning("no control %s", name);
  return found;
}

}  // namespace

class WalkTest : public QObject {
  Q_OBJECT
 private slots:
  void theMenuOpensTheWindowWithItsControlsAndClosingRestoresTheScene();
  void buttonsKeysPadAndMouseReachTheWalkThrough();
};

void WalkTest::theMenuOpensTheWindowWithItsControlsAndClosingRestoresTheScene() {
  WalkApp w;
  auto* menu = w.app.find<QAction>(QStringLiteral("Perspectief1"));
  QVERIFY(menu);
  QCOMPARE(menu->text(), QStringLiteral("&Walk through..."));
  const std::string before = faceBytes(w.app.ws().scene);
  bool checked = false;
  w.app.driver.expect([&](QWidget* window) {
    const CloseAtEnd close{window};
    QCOMPARE(window->objectName(), QStringLiteral("TForm3"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Walk through scene"));
    for (const char* name : {"Image1", "Image2"}) QVERIFY2(control<QWidget>(window, name), name);
    QVERIFY(control<QWidget>(window, "Image2")->toolTip().startsWith("Click on arrow"));
    for (const char* name : {"Quick", "Normal", "Slow"}) {
      QVERIFY2(control<QRadioButton>(window, name), name);
    }
    QVERIFY(control<QRadioButton>(window, "Normal")->isChecked());
    QCOMPARE(control<QCheckBox>(window, "studeer")->text(), QStringLiteral("Study"));
    const char* const buttons[][2] = {{"BitBtn1", "Close"},
                                      {"Restore", "Restore"},
                                      {"savebmp", "Save as bitmap"},
                                      {"Larger", "Larger screen"},
                                      {"Smaller", "Smaller screen"}};
    for (const auto& [name, caption] : buttons) {
      auto* button = control<QPushButton>(window, name);
      QVERIFY2(button, name);
      QCOMPARE(button->text(), QString::fromLatin1(caption));
    }
    QVERIFY(QFileInfo::exists(QStringLiteral("walk.fil")));
    QVERIFY(QFileInfo::exists(QStringLiteral("b@walk.tmp")));
    QCOMPARE(control<QWidget>(window, "Image1")->size(), QSize(400, 400));
    // The box's near face covers the picture's centre in its baked colour.
    QVERIFY(!(w.app.ws().frame.ViewBitmap.pixel(200, 200) == Rgb{255, 255, 255}));
    checked = true;
    control<QPushButton>(window, "BitBtn1")->click();
  });
  w.open();
  QVERIFY(checked);
  QCOMPARE(w.app.driver.seen, QStringList{QStringLiteral("Walk through scene")});
  QCOMPARE(faceBytes(w.app.ws().scene), before);
  QVERIFY(!QFileInfo::exists(QStringLiteral("walk.fil")));
  QVERIFY(!QFileInfo::exists(QStringLiteral("b@walk.tmp")));
}

void WalkTest::buttonsKeysPadAndMouseReachTheWalkThrough() {
  WalkApp w;
  const std::string before = faceBytes(w.app.ws().scene);
  QString saved = w.app.path(QStringLiteral("walk picture"));
  w.app.driver.expect([&](QWidget* window) {
    const CloseAtEnd close{window};
    auto* image1 = control<QWidget>(window, "Image1");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1);
    QTest::mouseClick(control<QPushButton>(window, "Larger"), Qt::LeftButton);
    QCOMPARE(image1->size(), QSize(480, 480));
    QTest::mouseClick(control<QPushButton>(window, "Smaller"), Qt::LeftButton);
    QCOMPARE(image1->size(), QSize(400, 400));

    std::string walked = faceBytes(w.app.ws().scene);
    QTest::keyClick(control<QCheckBox>(window, "studeer"), Qt::Key_A);
    QVERIFY(faceBytes(w.app.ws().scene) != walked);

    // A press on the pad starts the timer; the release stops it.
    QWidget* pad = control<QWidget>(window, "Image2");
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(60, 10));
    QVERIFY(timer->isActive());
    walked = faceBytes(w.app.ws().scene);
    QTest::qWait(30);
    QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(60, 10));
    QVERIFY(!timer->isActive());
    QVERIFY(faceBytes(w.app.ws().scene) != walked);

    QTest::mousePress(image1, Qt::LeftButton, {}, QPoint(200, 200));
    QVERIFY(!timer->isActive());
    QTest::mouseMove(image1, QPoint(200, 150));
    QVERIFY(timer->isActive());
    QTest::mouseRelease(image1, Qt::LeftButton, {}, QPoint(200, 150));
    QVERIFY(!timer->isActive());

    w.app.driver.expect(chooseFile(saved, 1));
    QTest::mouseClick(control<QPushButton>(window, "savebmp"), Qt::LeftButton);
    QTRY_VERIFY(QFileInfo::exists(saved + ".bmp"));
    QCOMPARE(QFileInfo(saved + ".bmp").size(), 54 + 816 * 816 * 3);
  });
  w.app.find<QAction>(QStringLiteral("Perspectief1"))->trigger();
  QCOMPARE(w.app.driver.unanswered(), 0);
  QCOMPARE(faceBytes(w.app.ws().scene), before);
}

QTEST_MAIN(WalkTest)
#include "walk_test.moc"
