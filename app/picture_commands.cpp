// app/picture_commands.cpp: the views as pictures: "&Save..." with "Bitmap" or "Jpeg",
// "&Print" and "Print &setup...".
#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "main_window.h"
#include "render/picture_output.h"
#include "scene/errors.h"
#include "view_widgets.h"

namespace facetry {

void TMainview::Print1Click() {
  QPrintDialog dialog(&printer(), this);
  dialog.setObjectName(QStringLiteral("PrintDialog1"));
  dialog.setMinMax(1, 1);
  if (dialog.exec() != QDialog::Accepted) return;
  // One page: ViewBitmap stretched to the printed size of the front view's picture. The
  // painter ends the job when it goes, also when drawing fails.
  QPainter painter;
  if (!painter.begin(&printer())) throw IoError("The printer could not be started.");
  const QRect page = printer().pageLayout().paintRectPixels(printer().resolution());
  const Canvas& picture = ws_.frame.images[0];
  const PrintSize size = printFit(picture.width(), picture.height(), page.width(), page.height());
  const Canvas& bitmap = ws_.frame.ViewBitmap;
  const QImage image(bitmap.data(), bitmap.width(), bitmap.height(), bitmap.stride(),
                     QImage::Format_BGR888);
  painter.drawImage(QRect(0, 0, static_cast<int>(size.width), static_cast<int>(size.height)),
                    image);
}

void TMainview::Printersetup1Click() {
  QPageSetupDialog dialog(&printer(), this);
  dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
  dialog.exec();
}

}  // namespace facetry
