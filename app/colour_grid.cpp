// app/colour_grid.cpp: painting and picking in the colour grid.
#include "colour_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace facetry {

namespace {

// The standard 16 colours in the grid's order (black .. white); index 9 is red.
constexpr QRgb kStandardColours[ColourGrid::kColours] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr int kCell = 14;

}  // namespace

ColourGrid::ColourGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ColorGrid1"));
  setToolTip(QStringLiteral("Changel color of selected objects"));
  setFixedSize(sizeHint());
}

QColor ColourGrid::colour(int index) {
  return QColor(kStandardColours[index]);
}

QSize ColourGrid::sizeHint() const {
  return {kCell + 6, kColours * kCell + 2};
}

int ColourGrid::cellAt(QPoint position) const {
  const int index = (position.y() - 1) / kCell;
  return index >= 0 && index < kColours ? index : -1;
}

void ColourGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < kColours; ++i) {
    const QRect cell(3, 1 + i * kCell, kCell, kCell);
    p.fillRect(cell, colour(i));
    p.setPen(QColor(120, 120, 120));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
  }
  // The foreground marker: "FG" in the contrasting colour inside a double frame.
  const QRect marked(3, 1 + foreground_ * kCell, kCell, kCell);
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(marked.adjusted(1, 1, -2, -2));
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(marked.adjusted(0, 0, -1, -1));
  p.drawRect(marked.adjusted(2, 2, -3, -3));
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
  const int index = cellAt(event->position().toPoint());
  if (index < 0) return;
  foreground_ = index;
  update();
  emit foregroundChosen(index);
}

}  // namespace facetry
