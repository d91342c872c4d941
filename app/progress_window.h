// app/progress_window.h: the progress window of the cutting operations (TForm15): one blue
// gauge under a caption that names the stage ("Progress first object", "Progress second
// object", "Calculate space"). Shown beside the main window, not modal, while the
// operation works.
#pragma once
#include <QDialog>

class QProgressBar;

namespace facetry {

class TForm15 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm15(QWidget* parent);
  // The caption, repainted at once (the operation holds the event loop).
  void setStage(const QString& caption);
  // The gauge at `percent` (0..100), repainted when it moved.
  void setPercent(int percent);
  int percent() const;

 private:
  QProgressBar* gauge_;
};

}  // namespace facetry
