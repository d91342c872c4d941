// Tests of selecting in the window: the Select button with "On"/"off", the "&Select area"
// menus with rectangles drawn by two clicks, the face pick, "Select all" and "Inverse
// selection", the two name dialogs, and recolouring from the colour grid and the colour
// dialog.
#include <QAction>
#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app_test_support.h"
#include "colour_grid.h"
#include "support/scene_checks.h"
#include "toolbox.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

// Two boxes side by side in the front view: A over x 100..150, B over x 300..350, both
// over y 100..150 and z 100..150.
struct SelectApp {
  AppFixture app;
  SelectApp() {
    app.start();
    Scene& scene = app.ws().scene;
    scene.ask = true;
    addBoxObject(scene, app.main().host(), 100, 100, 150, 50, "boxA");
    addBoxObject(scene, app.main().host(), 300, 100, 150, 50, "boxB");
    app.main().redraw();
  }
  TMainview& main() { return app.main(); }
  Scene& scene() { return app.ws().scene; }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
  bool enabled(const char* name) {
    return app.find<QWidget>(QString::fromLatin1(name))->isEnabled();
  }
  // Object k, its faces and all their corners carry `value`.
  bool wholeObject(int k, std::uint8_t value) {
    const ModelObject& o = scene().object(k);
    if (o.selected != value) return false;
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene().face(i);
      if (f.selected != value) return false;
      for (const FaceCorner& c : f.corners) {
        if (c.selected != value) return false;
      }
    }
    return true;
  }
  int selectedFaces() {
    int n = 0;
    for (int i = 0; i < scene().FaceCount; ++i) n += scene().face(i).selected != 0;
    return n;
  }
};

void clickListEntry(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

}  // namespace

class SelectionTest : public QObject {
  Q_OBJECT
 private slots:
  void selectButtonPicksAndDropsTheObjectUnderTheClick();
  void rectangleSelectsPointsOrWholeObjects();
  void faceMenuPicksTheFrontFace();
  void selectAllAndInverseSelection();
  void selectObjectByNameMarksTheSelectedAndAppliesTheChoice();
  void changeObjectNamesRenamesTheMarkedObjects();
  void colourGridAndColourDialogRecolourTheSelectedFaces();
};

void SelectionTest::selectButtonPicksAndDropsTheObjectUnderTheClick() {
  SelectApp s;
  QVERIFY(!s.enabled("offmode"));
  clickTool(s.main(), "SpeedButton6");
  QVERIFY(s.app.ws().tools.flags.selectObjectsOn);
  QVERIFY(s.app.find<QToolButton>(QStringLiteral("SpeedButton6"))->isChecked());
  QVERIFY(s.enabled("selectpoints") && s.enabled("selectfaces") && s.enabled("offmode"));
  clickView(s.main(), 1, {125, 125});
  QVERIFY(s.wholeObject(0, 1));
  QVERIFY(s.wholeObject(1, 0));
  // Redrawn with the selection box in the selection colour.
  const Canvas& front = s.app.ws().frame.images[0];
  const Rgb box = s.app.ws().settings.SelectionColour;
  bool boxed = false;
  for (int x = 90; x < 160 && !boxed; ++x) {
    for (int y = 90; y < 160 && !boxed; ++y) boxed = front.pixel(x, y) == box;
  }
  QVERIFY(boxed);
  clickView(s.main(), 2, {325, 125});  // B from the top view
  QVERIFY(s.wholeObject(1, 1));
  clickTool(s.main(), "offmode");
  QVERIFY(s.app.ws().tools.offmode);
  clickView(s.main(), 1, {125, 125});
  QVERIFY(s.wholeObject(0, 0));
  QVERIFY(s.wholeObject(1, 1));
  clickView(s.main(), 1, {225, 125});  // no object there: nothing changes
  QVERIFY(s.wholeObject(1, 1));
  clickTool(s.main(), "SpeedButton6");
  QVERIFY(!s.app.ws().tools.flags.selectObjectsOn);
  QVERIFY(!s.enabled("offmode"));
}

void SelectionTest::rectangleSelectsPointsOrWholeObjects() {
  SelectApp s;
  s.trigger("Points1");
  QCOMPARE(s.app.ws().tools.ToolMode, std::uint8_t{ModeSelectArea});
  QVERIFY(s.app.find<QAbstractButton>(QStringLiteral("selectpoints"))->isChecked());
  clickView(s.main(), 1, {95, 95});
  clickView(s.main(), 1, {130, 160});
  // Only the corners on A's left side lie in the rectangle.
  int selected = 0;
  for (int i = 0; i < s.scene().FaceCount; ++i) {
    for (const FaceCorner& c : s.scene().face(i).corners) {
      QCOMPARE(c.selected != 0, c.x == 100.f);
      selected += c.selected;
    }
  }
  QVERIFY(selected > 0);
  QCOMPARE(s.scene().object(0).selected, std::uint8_t{1});
  QCOMPARE(s.scene().object(1).selected, std::uint8_t{0});
  // Objects: the same rectangle now takes the whole of A.
  s.trigger("Selectarea1");
  QVERIFY(!s.app.find<QAbstractButton>(QStringLiteral("selectpoints"))->isChecked());
  clickView(s.main(), 1, {95, 95});
  clickView(s.main(), 1, {130, 160});
  QVERIFY(s.wholeObject(0, 1));
  QVERIFY(s.wholeObject(1, 0));
  // In the side view the rectangle spans z and y: both boxes lie in it.
  clickView(s.main(), 3, {90, 90});
  clickView(s.main(), 3, {160, 160});
  QVERIFY(s.wholeObject(1, 1));
}

void SelectionTest::faceMenuPicksTheFrontFace() {
  SelectApp s;
  s.trigger("Face1");
  QVERIFY(s.app.find<QAbstractButton>(QStringLiteral("selectfaces"))->isChecked());
  QVERIFY(s.app.find<QToolButton>(QStringLiteral("SpeedButton6"))->isChecked());
  clickView(s.main(), 1, {110, 140});
  QCOMPARE(s.selectedFaces(), 1);
  for (int i = 0; i < s.scene().FaceCount; ++i) {
    const Face& f = s.scene().face(i);
    if (!f.selected) continue;
    // The face nearest the centre point's depth: the front face at z = 150.
    for (const FaceCorner& c : f.corners) QCOMPARE(c.z, 150.f);
  }
  QCOMPARE(s.scene().object(0).selected, std::uint8_t{1});
  QCOMPARE(s.scene().object(1).selected, std::uint8_t{0});
}

void SelectionTest::selectAllAndInverseSelection() {
  SelectApp s;
  s.trigger("Selectall1");
  QVERIFY(s.wholeObject(0, 1) && s.wholeObject(1, 1));
  clickTool(s.main(), "SpeedButton6");
  clickTool(s.main(), "offmode");
  clickView(s.main(), 1, {325, 125});
  s.trigger("Inverseselection1");
  QVERIFY(s.wholeObject(0, 0));
  QVERIFY(s.wholeObject(1, 1));
}

void SelectionTest::selectObjectByNameMarksTheSelectedAndAppliesTheChoice() {
  SelectApp s;
  s.trigger("Selectall1");
  s.scene().object(1).selected = 0;  // only A's flag: the list marks A
  QStringList names;
  QList<bool> marked;
  bool on_top = false;
  s.app.driver.expect(fillAndPress(
      [&](QWidget* dialog) {
        on_top = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        for (int i = 0; i < list->count(); ++i) {
          names << list->item(i)->text();
          marked << list->item(i)->isSelected();
        }
        clickListEntry(list, 0);  // A unmarked, B marked
        clickListEntry(list, 1);
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();  // De-select
      },
      QStringLiteral("Button1")));
  s.trigger("Selectobjectbyname1");
  QCOMPARE(s.app.driver.unanswered(), 0);
  QVERIFY(on_top);
  QCOMPARE(names, (QStringList{"boxA", "boxB"}));
  QCOMPARE(marked, (QList<bool>{true, false}));
  // B's faces are de-selected; A, not marked, keeps its flags.
  QVERIFY(s.wholeObject(1, 0));
  QVERIFY(s.wholeObject(0, 1));

  // The dialog keeps its choice between showings; "Select" chosen again.
  s.app.driver.expect(fillAndPress(
      [](QWidget* dialog) {
        clickListEntry(dialog->findChild<QListWidget*>(QStringLiteral("ListBox1")), 1);
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->click();
      },
      QStringLiteral("Button1")));
  s.trigger("Selectobjectbyname1");
  QVERIFY(s.wholeObject(1, 1));
  s.app.driver.expect(fillAndPress(
      [](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        clickListEntry(list, 0);
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
      },
      QStringLiteral("Button2")));  // Cancel
  s.trigger("Selectobjectbyname1");
  QVERIFY(s.wholeObject(0, 1) && s.wholeObject(1, 1));
}

void SelectionTest::changeObjectNamesRenamesTheMarkedObjects() {
  SelectApp s;
  QString copied;
  s.app.driver.expect(fillAndPress(
      [&](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        clickListEntry(list, 1);
        copied = edit->text();  // the clicked entry's name
        clickListEntry(list, 0);
        edit->setText(QStringLiteral("wheel"));
      },
      QStringLiteral("Button1")));
  s.trigger("Chob");
  QCOMPARE(copied, QStringLiteral("boxB"));
  QCOMPARE(s.scene().object(0).name.str(), std::string("wheel"));
  QCOMPARE(s.scene().object(1).name.str(), std::string("wheel"));
  s.app.driver.expect(fillAndPress(
      [](QWidget* dialog) {
        clickListEntry(dialog->findChild<QListWidget*>(QStringLiteral("ListBox1")), 0);
        dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("x"));
      },
      QStringLiteral("Button2")));
  s.trigger("Chob");
  QCOMPARE(s.scene().object(0).name.str(), std::string("wheel"));
}

void SelectionTest::colourGridAndColourDialogRecolourTheSelectedFaces() {
  SelectApp s;
  Scene& scene = s.scene();
  clickTool(s.main(), "SpeedButton6");
  clickView(s.main(), 1, {125, 125});
  for (int i = 0; i < 12; ++i) scene.face(i).material = 1;  // the first material
  // The blue cell of the grid.
  QWidget* grid = s.app.find<QWidget>(QStringLiteral("ColorGrid1"));
  QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(grid->width() / 2, 1 + 12 * 14 + 7));
  QCOMPARE(s.main().toolbox()->colourGrid()->foregroundIndex(), 12);
  auto colourOf = [&](int face) {
    const Face& f = scene.face(face);
    return QColor(f.red, f.green, f.blue);
  };
  QCOMPARE(colourOf(0), QColor(Qt::blue));
  QCOMPARE(scene.face(11).material, 0);                   // the texture goes
  QCOMPARE(colourOf(12), QColor(Qt::red));                // B is not selected
  QCOMPARE(scene.CurrentColour.blue, std::uint8_t{255});  // new faces are blue too
  // Recolouring took an undo snapshot.
  s.trigger("Undo1");
  QCOMPARE(colourOf(0), QColor(Qt::red));

  s.app.driver.expect([](QWidget* w) {
    auto* dialog = qobject_cast<QColorDialog*>(w);
    QVERIFY2(dialog, "the colour dialog");
    dialog->setCurrentColor(QColor(10, 20, 30));
    dialog->accept();
  });
  s.trigger("Kleur1");
  QCOMPARE(colourOf(5), QColor(10, 20, 30));
  QCOMPARE(scene.face(5).material, 0);
  s.app.driver.expect(cancelDialog());
  s.trigger("Kleur1");
  QCOMPARE(colourOf(5), QColor(10, 20, 30));
  QVERIFY(s.app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
