// Tests of the "Material" menu's wiring: "Apply..." through "Choose material", "Resize and
// move" and "Materials used". The core tests own the mapping and the numbering.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "../materials/picture_builders.h"
#include "app_test_support.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

class MaterialsTest : public QObject {
  Q_OBJECT
 private slots:
  void applyResizeAndMoveAndRename();
};

void clickFile(QWidget* dialog, const QString& name) {
  auto* files = dialog->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
  QVERIFY(files);
  const auto items = files->findItems(name, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(name));
  files->setCurrentItem(items.first());
  emit files->itemClicked(items.first());
}

void MaterialsTest::applyResizeAndMoveAndRename() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  addBoxObject(ws.scene, app.main().host(), 100, 100, 150, 50, "box");
  const std::string pictures = app.path(QStringLiteral("pictures")).toStdString();
  QDir().mkpath(QString::fromStdString(pictures));
  const std::vector<std::vector<std::uint32_t>> rows(4, std::vector<std::uint32_t>(4, 0x3060C0));
  writeFile(pictures + "/tile.bmp", makeBmp(4, 4, 24, {}, rows));
  writeFile(pictures + "/other.bmp", makeBmp(4, 4, 24, {}, rows));
  writeFile(pictures + "/notes.txt", "not a picture");
  ws.settings.SearchDirectory = pictures;
  app.find<QAction>(QStringLiteral("Selectall1"))->trigger();

  // "Apply...": the file list shows the pictures only; a click previews; "Wrap around".
  QStringList listed;
  bool previewed = false;
  app.driver.expect(fillAndPress(
      [&](QWidget* dialog) {
        auto* files = dialog->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        for (int i = 0; i < files->count(); ++i) listed << files->item(i)->text();
        clickFile(dialog, QStringLiteral("tile.bmp"));
        previewed = !dialog->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull();
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
      },
      QStringLiteral("Button1")));
  app.find<QAction>(QStringLiteral("Material1"))->trigger();
  QCOMPARE(listed, (QStringList{"other.bmp", "tile.bmp"}));
  QVERIFY(previewed);
  QCOMPARE(ws.scene.MaterialCount, 2);
  QCOMPARE(QString::fromStdString(ws.scene.MaterialList[1].str()),
           QString::fromStdString(pictures + "/tile.bmp"));
  QCOMPARE(ws.scene.face(0).material, 1);
  QCOMPARE(ws.textures.texture(1).width, 4);

  // "Cancel" applies nothing; the next "Apply..." has no picture chosen.
  app.driver.expect(fillAndPress([](QWidget*) {}, QStringLiteral("Button3")));
  app.find<QAction>(QStringLiteral("Material1"))->trigger();
  QCOMPARE(ws.scene.MaterialCount, 2);

  // "Resize and move": the factor typed, "Left" twice, then "Close".
  const float u = ws.scene.face(0).corners[0].u;
  app.driver.expect(fillAndPress(
      [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("20"));
        dialog->findChild<QAbstractButton*>(QStringLiteral("Left"))->click();
        dialog->findChild<QAbstractButton*>(QStringLiteral("Left"))->click();
      },
      QStringLiteral("Close")));
  app.find<QAction>(QStringLiteral("Resizeandmove1"))->trigger();
  QCOMPARE(ws.scene.face(0).corners[0].u, u + 40);
  QCOMPARE(ws.tools.ResizePercent, 20.0f);
  app.find<QAction>(QStringLiteral("Right1"))->trigger();
  QCOMPARE(ws.scene.face(0).corners[0].u, u + 20);

  // "Materials used": a click copies the line, typing replaces it, "Ok" renames.
  const QString other = QString::fromStdString(pictures + "/other.bmp");
  app.driver.expect(fillAndPress(
      [&](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        list->setCurrentRow(0);
        emit list->itemClicked(list->item(0));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QCOMPARE(edit->text().toStdString(), pictures + "/tile.bmp");
        edit->clear();
        QTest::keyClicks(edit, other);
      },
      QStringLiteral("Button1")));
  app.find<QAction>(QStringLiteral("Materialsused1"))->trigger();
  QCOMPARE(QString::fromStdString(ws.scene.MaterialList[1].str()), other);
  QCOMPARE(app.driver.unanswered(), 0);
  QVERIFY(app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

}  // namespace

QTEST_MAIN(MaterialsTest)
#include "materials_test.moc"
