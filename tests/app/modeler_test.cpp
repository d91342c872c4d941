// Tests of the object and modeler file commands through the "&File" menu and of the
// Modeling window's wiring: its dialogs, the survey window hidden meanwhile, and "Ok".
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app_test_support.h"
#include "model_window.h"
#include "support/scene_checks.h"

using namespace facetry;
using namespace facetry::testing;

class ModelerTest : public QObject {
  Q_OBJECT
 private slots:
  void objectFilesSaveImportAndPlace();
  void modelerFilesExportAndImport();
  void modelingWindowHidesTheSurveyAndOkTransfers();
};

namespace {

void trigger(AppFixture& app, const char* action) {
  QAction* a = app.find<QAction>(QString::fromLatin1(action));
  QVERIFY2(a, action);
  a->trigger();
}

}  // namespace

void ModelerTest::objectFilesSaveImportAndPlace() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  addBoxObject(ws.scene, app.main().host(), 100, 100, 100, 20, "box");

  app.driver.expect(pressButton(QMessageBox::Ok));
  trigger(app, "Saveselectionasobject1");
  QCOMPARE(app.driver.seen.value(0), QStringLiteral("Error: There are no objects selected"));

  setObjectSelected(ws.scene, 0, 1);
  app.driver.expect(chooseFile(QStringLiteral("part"), 1));
  trigger(app, "Saveselectionasobject1");
  const QString part = QDir(app.home()).filePath(QStringLiteral("part.obq"));
  QVERIFY(QFileInfo::exists(part));

  app.driver.expect(chooseFile(part, 1));
  trigger(app, "Importobject1");
  QCOMPARE(app.driver.unanswered(), 0);
  QCOMPARE(ws.scene.ObjectCount, 2);
  QCOMPARE(int(ws.tools.ToolMode), int(ModePlaceObject));
  clickView(app.main(), 1, QPoint(300, 200));
  QCOMPARE(int(ws.tools.ToolMode), int(ModeNone));
  updateObjectBounds(ws.scene, 1);
  QCOMPARE(ws.scene.object(1).centre[0], 300.f);
}

void ModelerTest::modelerFilesExportAndImport() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  addBoxObject(ws.scene, app.main().host(), 400, 300, 100, 20, "box");
  setObjectSelected(ws.scene, 0, 1);
  app.driver.expect(chooseFile(QStringLiteral("mesh.mdd"), 1));
  trigger(app, "Exportselectedfaces1");
  const QString mesh = QDir(app.home()).filePath(QStringLiteral("mesh.mdd"));
  QCOMPARE(QFileInfo(mesh).size(), qint64(4 + 36 * 12 + 4 + 12 * 12));

  app.driver.expect(chooseFile(mesh, 1));
  trigger(app, "Import1");
  QCOMPARE(app.driver.unanswered(), 0);
  QCOMPARE(ws.scene.ObjectCount, 2);
  QCOMPARE(ws.scene.object(1).centre[0], ws.views.CentrePoint.x);
}

void ModelerTest::modelingWindowHidesTheSurveyAndOkTransfers() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  auto* window = app.find<Tmodel>(QStringLiteral("Tmodel"));
  QVERIFY(window);
  QWidget* survey = app.find<QWidget>(QStringLiteral("TForm17"));
  QVERIFY(survey->isVisible());
  bool survey_hidden = false;
  app.driver.expect([&](QWidget* w) {
    QCOMPARE(w, static_cast<QWidget*>(window));
    survey_hidden = !survey->isVisible();
    // Three points entered with the mouse; the third gets its depth, then a face by hand.
    ModelingModel& m = window->model();
    m.points = {{10, 10, 0}, {60, 10, 0}};
    trigger(app, "Pointsxyz1");
    QWidget* left = window->findChild<QWidget*>(QStringLiteral("Image1"));
    QWidget* right = window->findChild<QWidget*>(QStringLiteral("Image2"));
    QTest::mouseClick(left, Qt::LeftButton, {}, QPoint(10, 60));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("label2"))->text(),
             QStringLiteral("Define z-position"));
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(20, 60));
    QCOMPARE(m.points.size(), std::size_t(3));
    m.faces = {{0, 1, 2}};
    window->findChild<QPushButton*>(QStringLiteral("ok"))->click();
  });
  app.driver.expect(pressButton(QMessageBox::No));  // "Would you like to save first"
  trigger(app, "Modelling1");
  QCOMPARE(app.driver.unanswered(), 0);
  QVERIFY(survey_hidden);
  QVERIFY(survey->isVisible());
  QCOMPARE(app.driver.seen.value(1),
           QStringLiteral("Model is changed: Would you like to save first"));
  QCOMPARE(ws.scene.ObjectCount, 1);
  QCOMPARE(ws.scene.FaceCount, 1);
}

QTEST_MAIN(ModelerTest)
#include "modeler_test.moc"
