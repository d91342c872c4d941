// Tests of the file and shell commands through the real menus and file dialogs: the
// caption after saving and loading, the extension and overwrite rules, the formats not yet
// available, New, Exit, closing the window, import and undo.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include "app_test_support.h"
#include "files/native_file.h"
#include "support/scene_checks.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A started program with one closed box of 12 faces, as after a modifying command.
struct BoxApp {
  AppFixture app;
  BoxApp() {
    app.start();
    Workspace& ws = app.ws();
    ws.scene.ask = true;
    addBoxObject(ws.scene, app.main().host(), 100, 100, 100, 20, "box");
    ws.scene.ModifiedFlag = true;
  }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
};

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void captionFollowsSaveAndLoad();
  void saveAppendsTheExtensionAndAsksBeforeOverwriting();
  void otherFormatsAreListedButNotAvailableYet();
  void dxfAndThreeDsRoundTripThroughSaveAndLoad();
  void loadingAFileThatIsNoModelSaysSo();
  void newAnsweredCancelKeepsTheSceneAtFullSizeWithAFreshSnapshot();
  void newAnsweredYesSavesFirst();
  void exitAnsweredNoAsksOnceAndRemovesTheScratchFiles();
  void closingTheWindowCancelKeepsItOpen();
  void importAddsTheObjectsAndKeepsTheName();
  void undoBringsBackDeletedAndCollectedFaces();
  void collectAsksForTheNameOfTheNewObject();
};

void FileCommandsTest::captionFollowsSaveAndLoad() {
  BoxApp b;
  b.app.driver.expect(chooseFile(QStringLiteral("model"), 1));
  b.trigger("Save1");
  QCOMPARE(b.app.driver.unanswered(), 0);
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : model.fcy"));
  QVERIFY(QFileInfo::exists(QDir(b.app.home()).filePath(QStringLiteral("model.fcy"))));
  QVERIFY(!b.app.ws().scene.ModifiedFlag);

  // Another name on disk, loaded: the caption follows the file, the zoom is 100 %.
  QFile::copy(QDir(b.app.home()).filePath(QStringLiteral("model.fcy")),
              QDir(b.app.home()).filePath(QStringLiteral("other.fcy")));
  b.trigger("N2001");
  b.app.driver.expect(chooseFile(QDir(b.app.home()).filePath(QStringLiteral("other.fcy")), 1));
  b.trigger("Load1");
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : other.fcy"));
  QCOMPARE(b.app.ws().scene.FaceCount, 12);
  QCOMPARE(b.app.ws().views.ZoomPercent, 100.0);
  QCOMPARE(b.app.ws().scene.face(0).corners[0].x, 100.f);

  // A cancelled dialog and a name that does not exist change nothing.
  b.app.driver.expect(cancelDialog());
  b.trigger("Load1");
  b.app.driver.expect(chooseFile(QStringLiteral("missing.fcy"), 1));
  b.trigger("Load1");
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : other.fcy"));
  QCOMPARE(b.app.ws().scene.FaceCount, 12);
  QCOMPARE(b.app.driver.seen.filter(QStringLiteral("UNEXPECTED")), QStringList());
}

void FileCommandsTest::saveAppendsTheExtensionAndAsksBeforeOverwriting() {
  BoxApp b;
  const QString saved = QDir(b.app.home()).filePath(QStringLiteral("BOX.FCY.fcy"));
  b.app.driver.expect(chooseFile(QStringLiteral("BOX.FCY"), 1));
  b.trigger("Save1");
  QVERIFY2(QFileInfo::exists(saved), "capital letters are not the extension");
  const QByteArray first = fileBytes(saved);

  b.app.ws().scene.face(0).corners[0].x = 1;  // a change the next save would write
  b.app.driver.expect(chooseFile(QStringLiteral("BOX.FCY.fcy"), 1));
  b.app.driver.expect(pressButton(QMessageBox::No));
  b.trigger("Save1");
  QCOMPARE(b.app.driver.seen.last(), QStringLiteral("File already exists: Overwrite ?"));
  QCOMPARE(fileBytes(saved), first);

  b.app.driver.expect(chooseFile(QStringLiteral("BOX.FCY.fcy"), 1));
  b.app.driver.expect(pressButton(QMessageBox::Yes));
  b.trigger("Save1");
  QVERIFY(fileBytes(saved) != first);
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : BOX.FCY.fcy"));
}

void FileCommandsTest::otherFormatsAreListedButNotAvailableYet() {
  BoxApp b;
  QStringList save_filters, load_filters;
  b.app.driver.expect([&](QWidget* w) {
    save_filters = qobject_cast<QFileDialog*>(w)->nameFilters();
    chooseFile(QStringLiteral("scene"), 3)(w);
  });
  b.trigger("Save1");
  QCOMPARE(save_filters,
           (QStringList{"Facetry-files (*.fcy)", "DXF-files (*.dxf)", "VRML#1-worlds (*.wrl)",
                        "VRML#2-worlds (*.wrl)", "3D studio files (*.3ds)", "Bitmap (*.bmp)",
                        "Jpeg (*.jpg)", "Povray files (*.pov)", "Wavefront OBJ (*.obj)",
                        "STL (*.stl)", "PLY (*.ply)", "glTF 2.0 binary (*.glb)"}));
  // The format table writes VRML 1.0 for the third filter; the model keeps its name.
  QCOMPARE(QDir(b.app.home()).entryList({"scene*"}), QStringList{"scene.wrl"});
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : noname"));

  b.app.driver.expect([&](QWidget* w) {
    load_filters = qobject_cast<QFileDialog*>(w)->nameFilters();
    chooseFile(QStringLiteral("scene.wrl"), 3)(w);
  });
  b.trigger("Load1");
  QCOMPARE(load_filters,
           (QStringList{"Facetry-files (*.fcy)", "DXF-files (*.dxf)", "VRML-files (*.wrl)",
                        "3D studio files (*.3ds)", "Wavefront OBJ (*.obj)", "STL (*.stl)",
                        "PLY (*.ply)", "glTF 2.0 (*.gltf)", "glTF 2.0 binary (*.glb)",
                        "Collada (*.dae)", "FBX (*.fbx)", "OFF (*.off)"}));
  // The VRML filter reads the world back as a new object beside the box.
  QCOMPARE(b.app.driver.unanswered(), 0);
  QCOMPARE(b.app.ws().scene.FaceCount, 24);
  QCOMPARE(b.app.ws().scene.ObjectCount, 2);
}

void FileCommandsTest::dxfAndThreeDsRoundTripThroughSaveAndLoad() {
  BoxApp b;
  b.app.driver.expect(chooseFile(QStringLiteral("box"), 2));
  b.trigger("Save1");
  b.app.driver.expect(chooseFile(QStringLiteral("box"), 5));
  b.trigger("Save1");
  QVERIFY(QFileInfo::exists(QDir(b.app.home()).filePath("box.dxf")));
  QVERIFY(QFileInfo::exists(QDir(b.app.home()).filePath("box.3ds")));
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : noname"));

  // Each importer adds to the scene: a DXF face comes back twice (its fourth corner repeats
  // the first), a 3DS mesh once.
  b.app.driver.expect(chooseFile(QStringLiteral("box.dxf"), 2));
  b.trigger("Load1");
  QCOMPARE(b.app.ws().scene.FaceCount, 12 + 24);
  b.app.driver.expect(chooseFile(QStringLiteral("box.3ds"), 4));
  b.trigger("Load1");
  QCOMPARE(b.app.ws().scene.FaceCount, 12 + 24 + 12);
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : noname"));
}

void FileCommandsTest::loadingAFileThatIsNoModelSaysSo() {
  BoxApp b;
  const QString junk = QDir(b.app.home()).filePath(QStringLiteral("junk.fcy"));
  QFile file(junk);
  QVERIFY(file.open(QIODevice::WriteOnly));
  const qint32 materials = 101;
  file.write(reinterpret_cast<const char*>(&materials), 4);
  file.close();
  // The scene has unsaved work: Cancel on the question keeps it and reads nothing.
  b.app.driver.expect(chooseFile(junk, 1));
  b.app.driver.expect(pressButton(QMessageBox::Cancel));
  b.trigger("Load1");
  QCOMPARE(b.app.driver.seen.last(), QStringLiteral("Scene is modified: Do you want to save ?"));
  QCOMPARE(b.app.ws().scene.FaceCount, 12);
  b.app.driver.expect(chooseFile(junk, 1));
  b.app.driver.expect(pressButton(QMessageBox::No));
  b.app.driver.expect(pressButton(QMessageBox::Ok));
  b.trigger("Load1");
  QCOMPARE(b.app.driver.seen.last(),
           QStringLiteral("Error reading file: This is not an facetry file"));
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : noname"));
}

void FileCommandsTest::newAnsweredCancelKeepsTheSceneAtFullSizeWithAFreshSnapshot() {
  BoxApp b;
  const float full_x = b.app.ws().scene.face(0).corners[0].x;
  b.trigger("N2001");
  QVERIFY(b.app.ws().scene.face(0).corners[0].x != full_x);
  b.app.driver.expect(pressButton(QMessageBox::Cancel));
  b.trigger("New1");
  QCOMPARE(b.app.driver.seen,
           QStringList{QStringLiteral("Scene is modified: Do you want to save ?")});
  Workspace& ws = b.app.ws();
  QCOMPARE(ws.scene.FaceCount, 12);
  QCOMPARE(ws.scene.ObjectCount, 1);
  QCOMPARE(ws.views.ZoomPercent, 100.0);
  QCOMPARE(ws.scene.face(0).corners[0].x, full_x);
  // The snapshot was taken at 100 %, after the zoom.
  ws.scene.face(0).corners[0].x = -5;
  b.trigger("Undo1");
  QCOMPARE(ws.scene.face(0).corners[0].x, full_x);
}

void FileCommandsTest::newAnsweredYesSavesFirst() {
  BoxApp b;
  b.app.driver.expect(pressButton(QMessageBox::Yes));
  b.app.driver.expect(chooseFile(QStringLiteral("kept"), 1));
  b.trigger("New1");
  QCOMPARE(b.app.ws().scene.FaceCount, 0);
  QVERIFY(!b.app.ws().scene.ModifiedFlag);
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : kept.fcy"));
  QCOMPARE(fileBytes(QDir(b.app.home()).filePath(QStringLiteral("kept.fcy"))).size(),
           16 + 12 * 92 + 84);
  // A new scene with nothing to save asks nothing; undo brings back the box.
  b.trigger("New1");
  b.trigger("Undo1");
  QCOMPARE(b.app.ws().scene.FaceCount, 0);  // the second New's snapshot was empty
  QCOMPARE(b.app.driver.seen.size(), 2);
}

void FileCommandsTest::exitAnsweredNoAsksOnceAndRemovesTheScratchFiles() {
  BoxApp b;
  const QDir home(b.app.home());
  for (const char* name : {"lijnar", "lijntje", "punten", "moddd.tmp"}) {
    QFile f(home.filePath(QString::fromLatin1(name)));
    QVERIFY(f.open(QIODevice::WriteOnly));
  }
  b.trigger("Delete1");  // leaves undo.fil behind
  QVERIFY(home.exists(QStringLiteral("undo.fil")));
  b.app.driver.expect(pressButton(QMessageBox::No));
  b.trigger("Exit1");
  QTest::qWait(50);
  QCOMPARE(b.app.driver.seen,
           QStringList{QStringLiteral("Scene is modified: Do you want to save ?")});
  QVERIFY(!b.app.main().isVisible());
  for (const char* name : {"lijnar", "lijntje", "punten", "undo.fil", "del&.del"}) {
    QVERIFY2(!home.exists(QString::fromLatin1(name)), name);
  }
  QVERIFY(home.exists(QStringLiteral("moddd.tmp")));
}

void FileCommandsTest::closingTheWindowCancelKeepsItOpen() {
  BoxApp b;
  b.app.driver.expect(pressButton(QMessageBox::Cancel));
  b.app.main().close();
  QVERIFY(b.app.main().isVisible());
  b.app.driver.expect(pressButton(QMessageBox::No));
  b.app.main().close();
  QVERIFY(!b.app.main().isVisible());
  QCOMPARE(b.app.driver.seen.size(), 2);
}

void FileCommandsTest::importAddsTheObjectsAndKeepsTheName() {
  BoxApp b;
  const std::string other = QDir(b.app.home()).filePath(QStringLiteral("two.fcy")).toStdString();
  opslaan(b.app.ws().scene, other);
  b.app.driver.expect(chooseFile(QString::fromStdString(other), 1));
  b.trigger("Importfcy1");
  Workspace& ws = b.app.ws();
  QCOMPARE(ws.scene.ObjectCount, 2);
  QCOMPARE(ws.scene.FaceCount, 24);
  QCOMPARE(ws.scene.object(1).first, 12);
  QCOMPARE(b.app.main().windowTitle(), QStringLiteral("Facetry : noname"));
  b.trigger("Undo1");
  QCOMPARE(ws.scene.ObjectCount, 1);
}

void FileCommandsTest::undoBringsBackDeletedAndCollectedFaces() {
  BoxApp b;
  Workspace& ws = b.app.ws();
  for (int i = 0; i < 4; ++i) ws.scene.face(i).selected = 1;
  b.trigger("Turnselectedfacesintooneobject1");
  QCOMPARE(ws.scene.ObjectCount, 2);
  QCOMPARE(ws.scene.object(1).last - ws.scene.object(1).first + 1, 4);
  QCOMPARE(invariantViolation(ws.scene), std::string());
  setObjectSelected(ws.scene, 1, 1);
  b.trigger("Delete1");
  QCOMPARE(ws.scene.FaceCount, 8);
  b.trigger("Undo1");
  QCOMPARE(ws.scene.FaceCount, 12);
  QCOMPARE(ws.scene.ObjectCount, 2);
}

void FileCommandsTest::collectAsksForTheNameOfTheNewObject() {
  BoxApp b;
  Workspace& ws = b.app.ws();
  ws.scene.ask = false;
  ws.scene.face(0).selected = 1;
  QString proposed;
  b.app.driver.expect([&](QWidget* d) {
    auto* edit = d->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    proposed = edit->selectedText();
    edit->setText(QStringLiteral("A very long object name indeed"));
    d->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
  });
  b.trigger("Turnselectedfacesintooneobject1");
  QCOMPARE(b.app.driver.seen, QStringList{QStringLiteral("Name object")});
  QCOMPARE(proposed, QStringLiteral("box"));  // the name buffer: the last name used
  QCOMPARE(ws.scene.object(1).name.str(), std::string("A very long object n"));

  // Closing the dialog another way keeps the proposed name, which the redraw after the
  // last command reset.
  ws.scene.face(0).selected = 1;
  b.app.driver.expect(cancelDialog());
  b.trigger("Turnselectedfacesintooneobject1");
  QCOMPARE(ws.scene.object(ws.scene.ObjectCount - 1).name.str(), std::string("Object_01"));
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
