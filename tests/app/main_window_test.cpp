// Tests of the program's start: the windows and their order, every documented control by
// its name, the first activation (configuration, lists, radio buttons, colours, caption),
// the help window and "About...".
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app_test_support.h"
#include "files/configuration.h"
#include "help_window.h"
#include "number_edit.h"
#include "small_dialogs.h"
#include "support/scene_checks.h"
#include "survey_window.h"
#include "toolbox.h"
#include "view_widgets.h"

using namespace facetry;
using namespace facetry::testing;
using facetry::testing::addBoxObject;

namespace {

std::string configurationWith(const std::string& directory, float rotation_step,
                              float resize_factor = 10) {
  Settings s;
  s.SearchDirectory = directory;
  s.RotationStep = rotation_step;
  s.ResizeFactor = resize_factor;
  return configurationBytes(s);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void windowsAreCreatedOnceInTheirOrder();
  void everyDocumentedControlExists();
  void menusCarryTheirCaptions();
  void viewsHaveTheirScrollRangesAndShadingButtons();
  void firstActivationSetsCaptionColoursAndPalette();
  void angleListPreselectionFollowsTheStoredStep_data();
  void angleListPreselectionFollowsTheStoredStep();
  void missingSearchDirectoryWarnsAndFallsBackToTheStartDirectory();
  void aboutShowsTheCounts();
  void helpOpensTheBundledManual();
  void errorsOfACommandAreShownAndTheProgramGoesOn();
};

void MainWindowTest::windowsAreCreatedOnceInTheirOrder() {
  AppFixture app;
  const std::vector<QWidget*>& order = app.main().windows().in_order;
  const char* expected[][2] = {{"TForm2", "Light position"},
                               {"TForm3", "Walk through scene"},
                               {"TForm1", "Preview line array"},
                               {"Tabout", "About"},
                               {"TForm4", "Copy objects round center position"},
                               {"TForm5", "Form5"},
                               {"TForm6", "Reading"},
                               {"Tformjpg", "Choose material"},
                               {"Tmodel", "Modeling"},
                               {"Tresmovetext", "Resize and move"},
                               {"TForm7", "Settings"},
                               {"TForm8", "Set zoom factor"},
                               {"TForm9", "Materials"},
                               {"TForm11", "Create landscape"},
                               {"TForm12", "Select object by name"},
                               {"TForm13", "Change object names"},
                               {"TForm14", "Name object"},
                               {"TForm15", "Progress first object"},
                               {"TForm16", "Poly creator"},
                               {"TForm17", "Survey view"},
                               {"Tnurbresolutie", "Nurb and nurb-connect resolution"}};
  QCOMPARE(order.size(), std::size(expected));
  for (std::size_t i = 0; i < order.size(); ++i) {
    QCOMPARE(order[i]->objectName(), QString::fromLatin1(expected[i][0]));
    QCOMPARE(order[i]->windowTitle(), QString::fromLatin1(expected[i][1]));
    QVERIFY2(!order[i]->isVisible(), expected[i][0]);
  }
  QCOMPARE(app.main().windowTitle(), QStringLiteral("Facetry"));
}

void MainWindowTest::everyDocumentedControlExists() {
  AppFixture app;
  const char* const buttons[] = {
      "kubusknop",     "bolknop",       "driehoekknop",  "buisknop",       "puntknop",
      "polyknop",      "multibuisknop", "ringknop",      "cirkelknop",     "multioppervlakknop",
      "arrayknop",     "dragknop",      "SpeedButton6",  "SpeedButton7",   "SpeedButton8",
      "SpeedButton14", "SpeedButton15", "SpeedButton16", "SpeedButton17",  "SpeedButton20",
      "SpeedButton21", "SpeedButton25", "SpeedButton26", "nurbdrawbutton", "nurbeditbutton",
      "nurbarzbutton", "nurbarybutton", "nurbarxbutton", "nurbselbutton",  "nurbdelbutton",
      "connectap"};
  for (const char* name : buttons) {
    auto* button = app.find<QToolButton>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QVERIFY2(!button->toolTip().isEmpty(), name);
  }
  const char* const others[] = {
      "Panel7",    "Panel11",   "Panel12",     "Panel14",      "Panel16",     "Panel20",
      "paneltool", "panelnurb", "ComboBox1",   "resizefaktor", "all",         "Image5",
      "Image6",    "Label5",    "ColorGrid1",  "xdir",         "ydir",        "zdir",
      "linar",     "closedar",  "detri",       "selectpoints", "selectfaces", "Selectmode",
      "offmode",   "sterkdrag", "relative",    "indeuken",     "uitdeuken",   "glue",
      "gluesel",   "remove",    "autoedge",    "polyl",        "Edit2",       "xres",
      "yres",      "zres",      "texres",      "xlab",         "ylab",        "Label7",
      "Label8",    "diepst",    "focusverlies"};
  for (const char* name : others) QVERIFY2(app.find<QWidget>(QString::fromLatin1(name)), name);

  QCOMPARE(app.find<QCheckBox>(QStringLiteral("polyl"))->text(), QStringLiteral("Poly-lines"));
  QCOMPARE(app.find<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("Object_01"));
  QCOMPARE(app.find<QWidget>(QStringLiteral("Panel11"))->toolTip(),
           QStringLiteral("Click here to move toolbox"));
  QCOMPARE(app.find<QWidget>(QStringLiteral("Panel12"))->toolTip(), QStringLiteral("Move toolbox"));
  // Defaults of the boxes, and the controls that wait for their tool.
  QVERIFY(app.find<QCheckBox>(QStringLiteral("closedar"))->isChecked());
  QVERIFY(app.find<QCheckBox>(QStringLiteral("all"))->isChecked());
  QVERIFY(app.find<QCheckBox>(QStringLiteral("zdir"))->isChecked());
  QVERIFY(app.find<QRadioButton>(QStringLiteral("Selectmode"))->isChecked());
  for (const char* name : {"selectpoints", "xdir", "closedar", "detri", "sterkdrag", "glue"}) {
    QVERIFY2(!app.find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
  }
}

void MainWindowTest::menusCarryTheirCaptions() {
  AppFixture app;
  const char* const actions[][2] = {
      {"New1", "&New"},
      {"Load1", "&Load..."},
      {"Save1", "&Save..."},
      {"Importfcy1", "Import &Facetry-file..."},
      {"Exit1", "&Exit"},
      {"Undo1", "&Undo"},
      {"Delete1", "&Delete"},
      {"Turnselectedfacesintooneobject1", "&Collect selected faces into new object "},
      {"Smoothselectedfaces1", "&Smooth selected faces"},
      {"Unsmoothselectedfaces1", "&Unsmooth selected faces"},
      {"N251", "25 %"},
      {"N1751", "175 %"},
      {"N4001", "400 %"},
      {"Other1", "Other..."},
      {"FrontTopSidewindow1", "Front- Top - Side window "},
      {"Onlyfrontwindow1", "Only front window"},
      {"On1", "On"},
      {"Off1", "Off"},
      {"Surveyview1", "Survey view"},
      {"Max1", "Max"},
      {"Normaal1", "Normal"},
      {"Little1", "Little"},
      {"Min1", "Min"},
      {"None2", "None"},
      {"Max2", "Max"},
      {"Normal2", "Normal"},
      {"None1", "None"},
      {"Lamppositie1", "Light &position..."},
      {"Settings1", "&Settings..."},
      {"Help2", "Help..."},
      {"About1", "About..."},
      {"Print1", "&Print"},
      {"Printersetup1", "Print &setup..."},
      {"Kleur1", "&Color..."},
      {"Selectarea1", "&Objects"},
      {"Points1", "&Points"},
      {"Face1", "Face"},
      {"Selectall1", "Select &all"},
      {"Inverseselection1", "Inverse selection"},
      {"Selectobjectbyname1", "Select &object by name"},
      {"Chob", "Change object names"},
      {"Towardsxaxis1", "Towards x-axis"},
      {"Towardsyaxis1", "Towards y-axis"},
      {"Towardszaxis1", "Towards z-axis"},
      {"Centreer1", "Center"},
      {"Draaiom1", "&Turn selected faces"},
      {"Smartturn1", "T&urn selected faces to center of object"},
      {"Dragalong1", "Drag along"}};
  for (const auto& [name, caption] : actions) {
    auto* action = app.find<QAction>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QCOMPARE(action->text(), QString::fromLatin1(caption));
  }
}

void MainWindowTest::viewsHaveTheirScrollRangesAndShadingButtons() {
  AppFixture app;
  const char* const radios[3][4] = {
      {"w", "f", "g", "p"}, {"ww", "ff", "gg", "pp"}, {"www", "fff", "gggg", "ppp"}};
  const char* const titles[3] = {"frontviewpanel", "topviewpanel", "sideviewpanel"};
  for (int view = 1; view <= 3; ++view) {
    QVERIFY(app.find<QWidget>(QStringLiteral("Panel%1").arg(view)));
    auto* image = app.find<QWidget>(QStringLiteral("Image%1").arg(view));
    QVERIFY(image);
    QCOMPARE(image->size(), QSize(815, 815));
    auto* horizontal = app.find<QScrollBar>(QStringLiteral("ScrollBar%1").arg(2 * view - 1));
    auto* vertical = app.find<QScrollBar>(QStringLiteral("ScrollBar%1").arg(2 * view));
    QCOMPARE(horizontal->orientation(), Qt::Horizontal);
    QCOMPARE(horizontal->maximum(), 440);
    QCOMPARE(vertical->orientation(), Qt::Vertical);
    QCOMPARE(vertical->maximum(), 540);
    QVERIFY(app.find<QWidget>(QString::fromLatin1(titles[view - 1])));
    const char* hints[4] = {"Wired", "Flat shading", "Gourad shading", "Phong shading"};
    for (int i = 0; i < 4; ++i) {
      auto* radio = app.find<QRadioButton>(QString::fromLatin1(radios[view - 1][i]));
      QVERIFY2(radio, radios[view - 1][i]);
      QCOMPARE(radio->toolTip(), QString::fromLatin1(hints[i]));
    }
  }
}

void MainWindowTest::firstActivationSetsCaptionColoursAndPalette() {
  AppFixture app;
  app.start();
  QCOMPARE(app.main().windowTitle(), QStringLiteral("Facetry : noname"));
  QVERIFY(app.driver.seen.isEmpty());
  // Without a configuration the home directory is the search directory.
  QCOMPARE(QDir::currentPath(), QDir(app.home()).canonicalPath());
  Workspace& ws = app.ws();
  QCOMPARE(ws.scene.CurrentColour, (Rgb{255, 0, 0}));
  for (const Rgb& c : ws.scene.DxfPalette) {
    for (int component : {c.red, c.green, c.blue}) QVERIFY(component > 0 && component < 255);
  }
  QCOMPARE(ws.lighting.LightPosition.x, 230.f);
  QCOMPARE(ws.lighting.LightPosition.z, 800.f);
  // Front shaded flat, top and side wired.
  QVERIFY(app.find<QRadioButton>(QStringLiteral("f"))->isChecked());
  QVERIFY(app.find<QRadioButton>(QStringLiteral("ww"))->isChecked());
  QVERIFY(app.find<QRadioButton>(QStringLiteral("www"))->isChecked());
  QVERIFY(app.main().windows().survey->isVisible());
  QCOMPARE(app.find<QComboBox>(QStringLiteral("resizefaktor"))->currentText(),
           QStringLiteral("10"));
  // The views show the cleared scene with the centre marker: not all background.
  const Canvas& front = ws.frame.images[0];
  QCOMPARE(front.pixel(600, 600), (Rgb{255, 255, 255}));
  bool marked = false;
  for (int x = 220; x < 240; ++x) marked = marked || !(front.pixel(x, 150) == Rgb{255, 255, 255});
  QVERIFY(marked);
}

void MainWindowTest::angleListPreselectionFollowsTheStoredStep_data() {
  QTest::addColumn<float>("step");
  QTest::addColumn<int>("index");
  QTest::newRow("half a degree selects 1") << 0.5f << 1;
  QTest::newRow("15") << 15.f << 4;
  QTest::newRow("180") << 180.f << 37;
}

void MainWindowTest::angleListPreselectionFollowsTheStoredStep() {
  QFETCH(float, step);
  QFETCH(int, index);
  QTemporaryDir models;
  AppFixture app(configurationWith(models.path().toStdString(), step, 2));
  app.start();
  QVERIFY2(app.driver.seen.isEmpty(), qPrintable(app.driver.seen.join('\n')));
  auto* toolbox_list = app.main().toolbox()->degrees();
  QCOMPARE(toolbox_list->currentIndex(), index);
  QCOMPARE(app.main().toolbox()->resizeList()->currentIndex(), 0);
  QCOMPARE(app.ws().settings.RotationStep, step);
  QCOMPARE(app.ws().tools.DegreeStep, step);
  QCOMPARE(QDir::currentPath(), QDir(models.path()).canonicalPath());

  // The Settings dialog's list follows the same rule and leaves the step alone.
  app.driver.expect([&](QWidget* dialog) {
    auto* list = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    QCOMPARE(list->currentIndex(), index);
    dialog->findChild<QAbstractButton*>(QStringLiteral("Button3"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.driver.unanswered(), 0);
  QCOMPARE(app.ws().settings.RotationStep, step);
}

void MainWindowTest::missingSearchDirectoryWarnsAndFallsBackToTheStartDirectory() {
  AppFixture app(configurationWith("c:\\", 15));
  app.driver.expect(pressButton(QMessageBox::Ok));
  app.start();
  QCOMPARE(app.driver.seen.size(), 1);
  QVERIFY2(app.driver.seen[0].startsWith(
               QStringLiteral("Error: the directory does not exist: The default search "
                              "directory is set to : ")),
           qPrintable(app.driver.seen[0]));
  QCOMPARE(QDir::currentPath(), QDir(app.path(QString())).canonicalPath());
  QCOMPARE(QString::fromStdString(app.ws().settings.SearchDirectory),
           QString::fromStdString(app.main().startDirectory()));
}

void MainWindowTest::aboutShowsTheCounts() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  addBoxObject(ws.scene, app.main().host(), 100, 100, 100, 20, "one");
  addBoxObject(ws.scene, app.main().host(), 200, 100, 100, 20, "two");
  QString objects, faces;
  app.driver.expect([&](QWidget* about) {
    objects = about->findChild<QLabel*>(QStringLiteral("objects"))->text();
    faces = about->findChild<QLabel*>(QStringLiteral("faces"))->text();
    about->findChild<QAbstractButton*>(QStringLiteral("OKButton"))->click();
  });
  app.find<QAction>(QStringLiteral("About1"))->trigger();
  QCOMPARE(app.driver.seen, QStringList{QStringLiteral("About")});
  QCOMPARE(objects, QStringLiteral("2"));
  QCOMPARE(faces, QStringLiteral("24"));
}

void MainWindowTest::helpOpensTheBundledManual() {
  AppFixture app;
  app.start();
  app.find<QAction>(QStringLiteral("Help2"))->trigger();
  auto* help = app.find<HelpWindow>(QStringLiteral("HelpWindow"));
  QVERIFY(help);
  QVERIFY(help->isVisible());
  const QString contents = help->browser()->toPlainText();
  QVERIFY2(contents.contains(QStringLiteral("Facetry")), qPrintable(contents.left(200)));
  // Every page the contents link to exists in the bundle and mentions its menus.
  for (const char* page : {"views.md", "toolbox.md", "menus.md", "settings.md"}) {
    help->browser()->setSource(QUrl(QStringLiteral("qrc:/manual/") + QLatin1String(page)));
    QVERIFY2(help->browser()->toPlainText().size() > 200, page);
  }
  help->browser()->setSource(QUrl(QStringLiteral("qrc:/manual/menus.md")));
  for (const char* caption : {"Save...", "Import Facetry-file...", "Collect selected faces",
                              "Light position...", "Other...", "Only front window"}) {
    QVERIFY2(help->browser()->toPlainText().contains(QLatin1String(caption)), caption);
  }
}

void MainWindowTest::errorsOfACommandAreShownAndTheProgramGoesOn() {
  AppFixture app;
  app.start();
  Workspace& ws = app.ws();
  ws.scene.ask = true;
  addBoxObject(ws.scene, app.main().host(), 100, 100, 100, 20, "kept");
  setObjectSelected(ws.scene, 0, 1);
  // A directory in the way of the undo snapshot makes the snapshot fail, which must stop
  // the deletion before it changes the scene.
  QVERIFY(QDir().mkdir(QStringLiteral("undo.fil")));
  app.driver.expect(pressButton(QMessageBox::Ok));
  app.find<QAction>(QStringLiteral("Delete1"))->trigger();
  QCOMPARE(app.driver.seen.size(), 1);
  QVERIFY2(app.driver.seen[0].startsWith(QStringLiteral("Facetry : the quick modeler: ")) &&
               app.driver.seen[0].contains(QStringLiteral("undo.fil")),
           qPrintable(app.driver.seen[0]));
  QCOMPARE(ws.scene.FaceCount, 12);
  // The program goes on: with the obstacle gone the same command works.
  QVERIFY(QDir().rmdir(QStringLiteral("undo.fil")));
  app.find<QAction>(QStringLiteral("Delete1"))->trigger();
  QCOMPARE(ws.scene.FaceCount, 0);
  QCOMPARE(app.driver.seen.size(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
