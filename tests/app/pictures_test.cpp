// Tests of the views as pictures: "&Save..." with "Bitmap" and "Jpeg" (names, overwriting,
// a failed write), "&Print" to a PDF file and "Print &setup...".
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>

#include "app_test_support.h"
#include "support/scene_checks.h"
#include "view_widgets.h"

using namespace facetry;
using namespace facetry::testing;

namespace {

struct PictureApp {
  AppFixture app;
  PictureApp() {
    app.start();
    app.ws().scene.ask = true;
    addBoxObject(app.ws().scene, app.main().host(), 150, 120, 150, 80, "box");
    app.main().redraw();
  }
  void trigger(const char* action) { app.find<QAction>(QString::fromLatin1(action))->trigger(); }
  QString home(const QString& name) const { return QDir(app.home()).filePath(name); }
  void save(const QString& name, int filter) {
    app.driver.expect(chooseFile(name, filter));
    trigger("Save1");
  }
};

QColor colourOf(Rgb c) {
  return {c.red, c.green, c.blue};
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT
 private slots:
  void bitmapHoldsTheFrontViewAsShown();
  void jpegHoldsViewBitmapWithoutARedraw();
  void existingPictureIsReplacedOnlyAfterYes();
  void failedWriteIsReportedAndLeavesNoFile();
  void printDrawsOnePageIntoAPdf();
};

void PicturesTest::bitmapHoldsTheFrontViewAsShown() {
  PictureApp p;
  Workspace& ws = p.app.ws();
  ViewPanel* front = p.app.main().viewPanel(1);
  front->horizontalBar()->setValue(20);
  front->verticalBar()->setValue(10);
  QTest::mouseMove(front->image(), {300, 200});  // the cross stands at (300, 200)
  p.save(QStringLiteral("front"), 6);
  const QImage saved(p.home(QStringLiteral("front.bmp")));
  QCOMPARE(saved.size(), front->size());
  // Pixel for pixel the image at the scroll position: the box, the centre marker, the cross.
  const Canvas& image = ws.frame.images[0];
  for (int y = 0; y < saved.height(); y += 7) {
    for (int x = 0; x < saved.width(); x += 7) {
      // Past the image's edge the picture is white.
      const bool inside = x + 20 < image.width() && y + 10 < image.height();
      QCOMPARE(saved.pixelColor(x, y),
               inside ? colourOf(image.pixel(x + 20, y + 10)) : QColor(Qt::white));
    }
  }
  QCOMPARE(saved.pixelColor(600 - 20, 200 - 10), QColor(Qt::black));  // on the cross
  // The survey stayed out of the redraw: its picture is not in the shared bitmap's corner.
  QVERIFY(!ws.survey.suppressed);
  // The case-sensitive extension rule: ".BMP" gets ".bmp" as well.
  p.save(QStringLiteral("upper.BMP"), 6);
  QVERIFY(QFileInfo::exists(p.home(QStringLiteral("upper.BMP.bmp"))));
  QCOMPARE(p.app.main().windowTitle(), QStringLiteral("Facetry : noname"));
}

void PicturesTest::jpegHoldsViewBitmapWithoutARedraw() {
  PictureApp p;
  Workspace& ws = p.app.ws();
  // What the last drawing left: the survey picture in the top-left corner of ViewBitmap.
  const Rgb corner = ws.frame.ViewBitmap.pixel(94, 74);
  p.save(QStringLiteral("shot.jpg"), 7);
  const QImage saved(p.home(QStringLiteral("shot.jpg")));
  QCOMPARE(saved.size(), p.app.main().viewPanel(1)->size());
  const QColor got = saved.pixelColor(94, 74);
  QVERIFY(std::abs(got.red() - corner.red) < 24 && std::abs(got.green() - corner.green) < 24 &&
          std::abs(got.blue() - corner.blue) < 24);
  QVERIFY(!QFileInfo::exists(p.home(QStringLiteral("shot.jpg.jpg"))));
}

void PicturesTest::existingPictureIsReplacedOnlyAfterYes() {
  PictureApp p;
  QFile old(p.home(QStringLiteral("keep.bmp")));
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  p.app.driver.expect(chooseFile(QStringLiteral("keep"), 6));
  p.app.driver.expect(pressButton(QMessageBox::No));
  p.trigger("Save1");
  QCOMPARE(p.app.driver.seen.last(), QStringLiteral("File already exists: Overwrite ?"));
  QCOMPARE(QFileInfo(p.home(QStringLiteral("keep.bmp"))).size(), 3);
  p.app.driver.expect(chooseFile(QStringLiteral("keep"), 6));
  p.app.driver.expect(pressButton(QMessageBox::Yes));
  p.trigger("Save1");
  QVERIFY(QFileInfo(p.home(QStringLiteral("keep.bmp"))).size() > 1000);
}

void PicturesTest::failedWriteIsReportedAndLeavesNoFile() {
  PictureApp p;
  const int faces = p.app.ws().scene.FaceCount;
  for (int filter : {6, 7}) {
    p.app.driver.expect(chooseFile(p.home(QStringLiteral("missing/picture")), filter));
    p.app.driver.expect(pressButton(QMessageBox::Ok));
    p.trigger("Save1");
    QCOMPARE(p.app.driver.unanswered(), 0);
    QVERIFY(p.app.driver.seen.last().startsWith(QStringLiteral("Facetry : the quick modeler:")));
  }
  QVERIFY(!QDir(p.home(QStringLiteral("missing"))).exists());
  QCOMPARE(p.app.ws().scene.FaceCount, faces);
  QVERIFY(!p.app.ws().survey.suppressed);
  QVERIFY(p.app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

void PicturesTest::printDrawsOnePageIntoAPdf() {
  PictureApp p;
  QPrinter& printer = p.app.main().printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = p.app.path(QStringLiteral("print.pdf"));
  printer.setOutputFileName(pdf);
  // "Print setup..." is the page dialog and nothing else.
  p.app.driver.expect(cancelDialog());
  p.trigger("Printersetup1");
  QVERIFY(!QFileInfo::exists(pdf));
  p.app.driver.expect(cancelDialog());
  p.trigger("Print1");
  QVERIFY(!QFileInfo::exists(pdf));
  p.app.driver.expect([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  p.trigger("Print1");
  QCOMPARE(p.app.driver.unanswered(), 0);
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QVERIFY(bytes.size() > 1000);
  QCOMPARE(
      bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
  QVERIFY(p.app.driver.seen.filter(QStringLiteral("UNEXPECTED")).isEmpty());
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
