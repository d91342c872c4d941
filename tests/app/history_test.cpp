// Window tests of the undo history: "&Redo" in the "&Edit" menu with its keys, undo and
// redo through the menu, and the budget's boxes in the Settings dialog.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

#include "app_test_support.h"
#include "support/scene_checks.h"

namespace facetry {

using testing::AppFixture;

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  void redoFollowsUndoInTheEditMenuWithItsKeys();
  void settingsCarryTheBudget();
};

void HistoryTest::redoFollowsUndoInTheEditMenuWithItsKeys() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  testing::addBoxObject(ws.scene, app.main().host(), 100, 100, 100, 20, "box");
  auto* redo = app.find<QAction>(QStringLiteral("Redo1"));
  QVERIFY(redo);
  QCOMPARE(redo->text(), QStringLiteral("&Redo"));
  QCOMPARE(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
  setObjectSelected(ws.scene, 0, 1);
  app.find<QAction>(QStringLiteral("Delete1"))->trigger();
  QCOMPARE(ws.scene.FaceCount, 0);
  app.find<QAction>(QStringLiteral("Undo1"))->trigger();
  QCOMPARE(ws.scene.FaceCount, 12);
  redo->trigger();
  QCOMPARE(ws.scene.FaceCount, 0);
  QVERIFY(app.driver.seen.isEmpty());
}

void HistoryTest::settingsCarryTheBudget() {
  AppFixture app;
  app.start();
  app.driver.expect(testing::fillAndPress(
      [](QWidget* dialog) {
        auto* steps = dialog->findChild<QLineEdit*>(QStringLiteral("HistorySteps"));
        QVERIFY(steps);
        QCOMPARE(steps->text().toDouble(), 32.0);
        steps->selectAll();
        QTest::keyClicks(steps, QStringLiteral("7"));
        QVERIFY(dialog->findChild<QLineEdit*>(QStringLiteral("HistoryMegabytes")));
      },
      QStringLiteral("Button1")));
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.ws().settings.HistorySteps, 7);
}

}  // namespace facetry

QTEST_MAIN(facetry::HistoryTest)
#include "history_test.moc"
