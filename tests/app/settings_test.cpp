// Tests of the Settings dialog: live edits, text that is not a number, the grid's lower
// bound, the three buttons with their directory rule, the bytes "Save settings" writes,
// and the toolbox lists chosen again afterwards.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app_test_support.h"
#include "files/configuration.h"
#include "number_edit.h"
#include "toolbox.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

// Replaces the text of a box at once (as pasting does); typing key by key would let each
// prefix that is a number take effect on the way.
void type(QWidget* dialog, const char* box, const QString& text) {
  auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(box));
  QVERIFY2(edit, box);
  edit->setText(text);
}

void typeInList(QWidget* dialog, const char* list, const QString& text) {
  auto* combo = dialog->findChild<QComboBox*>(QString::fromLatin1(list));
  QVERIFY2(combo, list);
  combo->lineEdit()->setText(text);
}

bool looksRefused(QWidget* box) {
  return box->styleSheet().contains(QStringLiteral("background"));
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void numbersTakeEffectAsTheyAreTyped();
  void textThatIsNotANumberKeepsThePreviousValue();
  void saveSettingsWritesTheFileAndStaysOpen();
  void cancelDropsOnlyTheDirectory();
  void okRefusesADirectoryThatDoesNotExist();
  void toolboxListsFollowTheDialog();
};

void SettingsTest::numbersTakeEffectAsTheyAreTyped() {
  AppFixture app;
  app.start();
  Settings& s = app.ws().settings;
  app.driver.expect([&](QWidget* d) {
    type(d, "Edit3", QStringLiteral("0"));
    QCOMPARE(s.GridStep, std::int16_t{1});  // below 1 counts as 1
    type(d, "Edit3", QStringLiteral("8"));
    QCOMPARE(s.GridStep, std::int16_t{8});
    type(d, "Edit2", QStringLiteral("2,5"));  // a decimal comma reads as a point
    QCOMPARE(s.ScaleFactor, 2.5);
    type(d, "Edit1", QStringLiteral("12"));
    type(d, "Edit4", QStringLiteral("-40"));
    type(d, "Edit5", QStringLiteral("90.25"));
    type(d, "Edit6", QStringLiteral("0.75"));
    QCOMPARE(s.SurveyAngleZ, 12.f);  // "X-rotation" turns about the z axis
    QCOMPARE(s.SurveyAngleX, -40.f);
    QCOMPARE(s.SurveyAngleY, 90.25f);
    QCOMPARE(s.SurveyScale, 0.75f);
    typeInList(d, "ComboBox1", QStringLiteral("35"));
    typeInList(d, "resizefaktor", QStringLiteral("6"));
    QCOMPARE(s.RotationStep, 35.f);
    QCOMPARE(app.ws().tools.DegreeStep, 35.f);
    QCOMPARE(s.ResizeFactor, 6.f);
    QCOMPARE(app.ws().tools.ResizePercent, 6.f);
    d->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.driver.unanswered(), 0);
  QCOMPARE(app.driver.seen, QStringList{QStringLiteral("Settings")});
}

void SettingsTest::textThatIsNotANumberKeepsThePreviousValue() {
  AppFixture app;
  app.start();
  Settings& s = app.ws().settings;
  app.driver.expect([&](QWidget* d) {
    auto* grid = d->findChild<NumberEdit*>(QStringLiteral("Edit3"));
    QCOMPARE(grid->text(), QStringLiteral("5"));
    type(d, "Edit3", QStringLiteral("7x"));
    QCOMPARE(s.GridStep, std::int16_t{5});
    QVERIFY(looksRefused(grid));
    QVERIFY2(grid->toolTip().contains(QStringLiteral("5")), qPrintable(grid->toolTip()));
    type(d, "Edit3", QStringLiteral("40000"));  // beyond what the grid can hold
    QCOMPARE(s.GridStep, std::int16_t{5});
    type(d, "Edit3", QStringLiteral("2.5"));  // the grid takes whole numbers
    QCOMPARE(s.GridStep, std::int16_t{5});
    type(d, "Edit3", QStringLiteral(" 9 "));
    QCOMPARE(s.GridStep, std::int16_t{9});
    QVERIFY(!looksRefused(grid));
    QCOMPARE(grid->toolTip(), QStringLiteral("Number of pixels for grid"));

    type(d, "Edit6", QString());
    QCOMPARE(s.SurveyScale, 0.3f);
    typeInList(d, "ComboBox1", QStringLiteral("abc"));
    QCOMPARE(s.RotationStep, 15.f);
    QVERIFY(looksRefused(d->findChild<QWidget*>(QStringLiteral("ComboBox1"))));
    d->findChild<QAbstractButton*>(QStringLiteral("Button3"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.driver.unanswered(), 0);
  // Opening the dialog again shows the values in use, accepted.
  app.driver.expect([&](QWidget* d) {
    QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("Edit3"))->text(), QStringLiteral("9"));
    QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("Edit6"))->text(), QStringLiteral("0.30"));
    QVERIFY(!looksRefused(d->findChild<QWidget*>(QStringLiteral("ComboBox1"))));
    d->findChild<QAbstractButton*>(QStringLiteral("Button3"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.driver.unanswered(), 0);
}

void SettingsTest::saveSettingsWritesTheFileAndStaysOpen() {
  AppFixture app;
  app.start();
  const QString models = app.path(QStringLiteral("models"));
  QVERIFY(QDir().mkdir(models));
  bool still_open = false;
  app.driver.expect([&](QWidget* d) {
    type(d, "Edit7", models);
    d->findChild<QAbstractButton*>(QStringLiteral("Button2"))->click();
    still_open = d->isVisible();
    d->findChild<QAbstractButton*>(QStringLiteral("Button3"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QVERIFY(still_open);
  QCOMPARE(QDir::currentPath(), QDir(models).canonicalPath());

  // 41 + L bytes, in the start directory; the defaults but for the directory.
  QFile file(app.path(QStringLiteral("facetry.cfg")));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const QByteArray directory = models.toUtf8();
  QCOMPARE(bytes.size(), 41 + directory.size());
  QCOMPARE(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(directory.size()));
  QCOMPARE(bytes.mid(1, directory.size()), directory);
  Settings expected;
  expected.SearchDirectory = models.toStdString();
  const std::string layout = configurationBytes(expected);
  QCOMPARE(bytes, QByteArray(layout.data(), static_cast<qsizetype>(layout.size())));
}

void SettingsTest::cancelDropsOnlyTheDirectory() {
  AppFixture app;
  app.start();
  const QString before = QDir::currentPath();
  QVERIFY(QDir().mkdir(app.path(QStringLiteral("elsewhere"))));
  app.driver.expect([&](QWidget* d) {
    type(d, "Edit6", QStringLiteral("0.5"));
    type(d, "Edit7", app.path(QStringLiteral("elsewhere")));
    d->findChild<QAbstractButton*>(QStringLiteral("Button3"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.ws().settings.SurveyScale, 0.5f);
  QCOMPARE(QDir::currentPath(), before);
  QCOMPARE(QString::fromStdString(app.ws().settings.SearchDirectory), app.home());
  QVERIFY(!QFile::exists(app.path(QStringLiteral("facetry.cfg"))));
}

void SettingsTest::okRefusesADirectoryThatDoesNotExist() {
  AppFixture app;
  app.start();
  app.driver.expect([&](QWidget* d) {
    type(d, "Edit7", app.path(QStringLiteral("nowhere")));
    d->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
  });
  app.driver.expect(pressButton(QMessageBox::Ok));
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  QCOMPARE(app.driver.seen, (QStringList{QStringLiteral("Settings"),
                                         QStringLiteral("Error: Directory does not exist, "
                                                        "setting not changed")}));
  QCOMPARE(QString::fromStdString(app.ws().settings.SearchDirectory), app.home());
  QVERIFY(!app.main().windows().in_order[10]->isVisible());
}

void SettingsTest::toolboxListsFollowTheDialog() {
  AppFixture app;
  app.start();
  app.driver.expect([&](QWidget* d) {
    typeInList(d, "ComboBox1", QStringLiteral("3"));
    typeInList(d, "resizefaktor", QStringLiteral("20"));
    d->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
  });
  app.find<QAction>(QStringLiteral("Settings1"))->trigger();
  // 3 degrees is below 5: the toolbox shows "1" while the step stays 3.
  QCOMPARE(app.main().toolbox()->degrees()->currentText(), QStringLiteral("1"));
  QCOMPARE(app.ws().settings.RotationStep, 3.f);
  QCOMPARE(app.main().toolbox()->resizeList()->currentIndex(), 9);
  // Typing into the toolbox's own list sets the same step.
  QTest::keyClicks(app.main().toolbox()->degrees()->lineEdit(), QStringLiteral("0"));
  QCOMPARE(app.ws().settings.RotationStep, 10.f);
  QCOMPARE(app.ws().tools.DegreeStep, 10.f);
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
