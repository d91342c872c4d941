// Tests of the survey window: the picture that the main redraw draws, the track bars and
// shading buttons, hiding and showing it from the menu and by closing it, its cross, and
// the JPEG saved by a right click.
#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "app_test_support.h"
#include "render/survey_projection.h"
#include "support/scene_checks.h"
#include "survey_window.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

constexpr Rgb kWhite{255, 255, 255};

struct SurveyApp {
  AppFixture app;
  SurveyApp() {
    app.start();
    app.ws().scene.ask = true;
    addBoxObject(app.ws().scene, app.main().host(), 200, 100, 150, 100, "box");
    app.main().redraw();
  }
  TForm17* survey() { return app.main().windows().survey; }
  const Canvas& picture() { return app.ws().survey.Image4; }
  template <typename T>
  T* control(const char* name) {
    return survey()->findChild<T*>(QString::fromLatin1(name));
  }
  // The picture's pixels that are not background, drawn again without the cross.
  std::vector<QPoint> drawn() {
    const bool cross = app.ws().views.CrossOn;
    app.ws().views.CrossOn = false;
    survey()->teken();
    std::vector<QPoint> points;
    for (int y = 0; y < picture().height(); ++y) {
      for (int x = 0; x < picture().width(); ++x) {
        if (!(picture().pixel(x, y) == kWhite)) points.emplace_back(x, y);
      }
    }
    app.ws().views.CrossOn = cross;
    return points;
  }
  std::vector<std::uint8_t> pictureBytes() {
    return {picture().data(), picture().data() + picture().stride() * picture().height()};
  }
};

}  // namespace

class SurveyTest : public QObject {
  Q_OBJECT
 private slots:
  void windowShowsTheSceneTurnedAndScaledByItsTrackBars();
  void gouraudAndPhongAreRefusedWhileThePolyCreatorIsOpen();
  void hiddenSurveyIsNeitherDrawnNorCrossed();
  void rightClickSavesA188By148Jpeg();
};

void SurveyTest::windowShowsTheSceneTurnedAndScaledByItsTrackBars() {
  SurveyApp s;
  QVERIFY(s.survey()->isVisible());
  QCOMPARE(s.survey()->size(), QSize(229, 247));
  QVERIFY(s.survey()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(s.control<QWidget>("Image4")->size(), QSize(188, 148));
  const std::size_t at_start = s.drawn().size();
  QVERIFY(at_start > 100);

  // Turning changes the picture; the angle goes to the settings.
  const auto before = s.pictureBytes();
  s.control<QSlider>("TrackBar1")->setValue(75);
  QCOMPARE(s.app.ws().settings.SurveyAngleX, 75.f);
  QVERIFY(s.pictureBytes() != before);
  s.control<QSlider>("TrackBar2")->setValue(200);
  QCOMPARE(s.app.ws().settings.SurveyAngleY, 200.f);

  // Size: larger draws more; 0 collapses every face onto the centre.
  s.control<QSlider>("TrackBar3")->setValue(60);
  QCOMPARE(s.app.ws().settings.SurveyScale, 0.6f);
  QVERIFY(s.drawn().size() > at_start);
  s.control<QSlider>("TrackBar3")->setValue(0);
  for (const QPoint p : s.drawn()) {
    QVERIFY(std::abs(p.x() - kSurveyWidth / 2) <= 1 && std::abs(p.y() - kSurveyHeight / 2) <= 1);
  }

  // The Settings dialog's values move the bars.
  s.app.ws().settings.SurveyAngleX = 12.7f;
  s.app.ws().settings.SurveyScale = 0.45f;
  s.survey()->showSettings();
  QCOMPARE(s.control<QSlider>("TrackBar1")->value(), 12);
  QCOMPARE(s.control<QSlider>("TrackBar3")->value(), 45);
  QCOMPARE(s.app.ws().settings.SurveyAngleX, 12.7f);  // moving the bar did not round it
}

void SurveyTest::gouraudAndPhongAreRefusedWhileThePolyCreatorIsOpen() {
  SurveyApp s;
  auto& entry = s.app.ws().views.ViewShading[3];
  s.app.ws().survey.poly_creator_open = true;
  s.control<QRadioButton>("g4")->click();
  QVERIFY(entry.flat && !entry.gouraud);
  QVERIFY(s.control<QRadioButton>("f4")->isChecked());
  s.control<QRadioButton>("p4")->click();
  QVERIFY(entry.flat && !entry.phong);
  s.app.ws().survey.poly_creator_open = false;
  s.control<QRadioButton>("p4")->click();
  QVERIFY(entry.phong && !entry.flat);
  QVERIFY(s.control<QRadioButton>("p4")->isChecked());
  s.control<QRadioButton>("f4")->click();
  QVERIFY(entry.flat && !entry.phong);
}

void SurveyTest::hiddenSurveyIsNeitherDrawnNorCrossed() {
  SurveyApp s;
  QAction* menu = s.app.find<QAction>(QStringLiteral("Surveyview1"));
  menu->trigger();  // off
  QVERIFY(!s.survey()->isVisible());
  QVERIFY(!s.app.ws().views.SurveyVisible);
  const auto hidden = s.pictureBytes();
  QTest::mouseMove(viewImage(s.app.main(), 1), {300, 200});
  addBoxObject(s.app.ws().scene, s.app.main().host(), 400, 300, 150, 60, "second");
  s.app.main().redraw();
  QVERIFY(s.pictureBytes() == hidden);
  // Shown again, it shows the scene as it is now, and its cross follows the mouse.
  menu->trigger();
  QVERIFY(s.survey()->isVisible());
  QVERIFY(s.pictureBytes() != hidden);
  const auto shown = s.pictureBytes();
  QTest::mouseMove(viewImage(s.app.main(), 1), {350, 250});
  QVERIFY(s.pictureBytes() != shown);
  // Closing the window is the menu switched off.
  s.survey()->close();
  QVERIFY(!s.survey()->isVisible());
  QVERIFY(!menu->isChecked());
  QVERIFY(!s.app.ws().views.SurveyVisible);
}

void SurveyTest::rightClickSavesA188By148Jpeg() {
  SurveyApp s;
  QWidget* image = s.control<QWidget>("Image4");
  s.app.driver.expect(chooseFile(s.app.path(QStringLiteral("survey")), 1));
  QTest::mouseClick(image, Qt::RightButton, {}, {50, 50});
  QCOMPARE(s.app.driver.unanswered(), 0);
  const QImage saved(s.app.path(QStringLiteral("survey.jpg")));
  QCOMPARE(saved.size(), QSize(188, 148));
  // The picture as drawn, within what JPEG keeps of it.
  const Canvas& bitmap = s.app.ws().frame.ViewBitmap;
  for (const QPoint p : {QPoint(94, 74), QPoint(10, 10), QPoint(150, 120)}) {
    const Rgb want = bitmap.pixel(p.x(), p.y());
    const QColor got = saved.pixelColor(p);
    QVERIFY2(std::abs(got.red() - want.red) < 24 && std::abs(got.green() - want.green) < 24 &&
                 std::abs(got.blue() - want.blue) < 24,
             qPrintable(QStringLiteral("pixel %1,%2").arg(p.x()).arg(p.y())));
  }
  // A left click saves nothing; a cancelled dialog neither.
  QTest::mouseClick(image, Qt::LeftButton, {}, {50, 50});
  s.app.driver.expect(cancelDialog());
  QTest::mouseClick(image, Qt::RightButton, {}, {50, 50});
  QCOMPARE(QDir(s.app.path(QString())).entryList({"*.jpg"}).size(), 1);
  QVERIFY(s.app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

QTEST_MAIN(SurveyTest)
#include "survey_test.moc"
