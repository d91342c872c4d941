// app/colour_grid.h: the toolbox's colour grid (ColorGrid1), a column of the 16 standard
// colours with a marker on the foreground colour, the colour of new faces.
#pragma once
#include <QColor>
#include <QWidget>

namespace facetry {

// ColorGrid1: a column of the 16 standard colours with a marker on the foreground colour.
class ColourGrid : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kColours = 16;
  static constexpr int kStartIndex = 9;  // red
  explicit ColourGrid(QWidget* parent);

  int foregroundIndex() const { return foreground_; }
  static QColor colour(int index);
  QSize sizeHint() const override;

 signals:
  void foregroundChosen(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int cellAt(QPoint position) const;
  int foreground_ = kStartIndex;
};

}  // namespace facetry
