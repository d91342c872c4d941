// app/tool_icons.cpp: line drawings of the tools on a 24 x 24 grid.
#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace facetry {

namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 48);
const QColor kAccent(200, 70, 30);

using Drawing = std::function<void(QPainter&)>;

void cube(QPainter& p, qreal x, qreal y, qreal s) {
  const qreal d = s * 0.4;
  p.drawRect(QRectF(x, y + d, s, s));
  p.drawPolyline(QPolygonF({{x, y + d}, {x + d, y}, {x + s + d, y}, {x + s, y + d}}));
  p.drawPolyline(QPolygonF({{x + s + d, y}, {x + s + d, y + s}, {x + s, y + s + d}}));
}

void curve(QPainter& p) {
  QPainterPath path({3, 18});
  path.cubicTo(7, 2, 15, 24, 21, 6);
  p.drawPath(path);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  const QPointF d = tip - from;
  const QPointF n(-d.y(), d.x());
  p.drawLine(tip, tip - d * 0.35 + n * 0.25);
  p.drawLine(tip, tip - d * 0.35 - n * 0.25);
}

void text(QPainter& p, const QString& t, int pixel_size = 13) {
  QFont font = p.font();
  font.setPixelSize(pixel_size);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, t);
}

void rotationArrow(QPainter& p, const QString& axis) {
  p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 280 * 16);
  arrowHead(p, {18.9, 7.9}, {16, 5});
  text(p, axis, 10);
}

const std::map<QString, Drawing>& drawings() {
  static const std::map<QString, Drawing> table = {
      {"kubusknop", [](QPainter& p) { cube(p, 3, 3, 13); }},
      {"bolknop",
       [](QPainter& p) {
         p.drawEllipse(QRectF(3, 3, 18, 18));
         p.drawEllipse(QRectF(3, 9, 18, 6));
         p.drawEllipse(QRectF(9, 3, 6, 18));
       }},
      {"driehoekknop",
       [](QPainter& p) {
         p.drawPolygon(QPolygonF({{12, 3}, {21, 20}, {3, 20}}));
       }},
      {"buisknop",
       [](QPainter& p) {
         p.drawEllipse(QRectF(5, 2, 14, 5));
         p.drawArc(QRectF(5, 17, 14, 5), 180 * 16, 180 * 16);
         p.drawLine(QPointF(5, 4.5), QPointF(5, 19.5));
         p.drawLine(QPointF(19, 4.5), QPointF(19, 19.5));
       }},
      {"puntknop",
       [](QPainter& p) {
         p.drawEllipse(QRectF(4, 16, 16, 5));
         p.drawPolyline(QPolygonF({{4, 18.5}, {12, 2}, {20, 18.5}}));
       }},
      {"polyknop",
       [](QPainter& p) {
         p.drawPolygon(QPolygonF({{4, 9}, {11, 3}, {21, 7}, {18, 20}, {7, 19}}));
       }},
      {"multibuisknop",
       [](QPainter& p) {
         QPen pen = p.pen();
         pen.setWidthF(5);
         pen.setCapStyle(Qt::RoundCap);
         pen.setJoinStyle(Qt::RoundJoin);
         p.setPen(pen);
         p.drawPolyline(QPolygonF({{4, 19}, {9, 8}, {16, 15}, {20, 5}}));
         pen.setColor(Qt::white);
         pen.setWidthF(2);
         p.setPen(pen);
         p.drawPolyline(QPolygonF({{4, 19}, {9, 8}, {16, 15}, {20, 5}}));
       }},
      {"ringknop",
       [](QPainter& p) {
         p.drawEllipse(QRectF(2, 6, 20, 12));
         p.drawEllipse(QRectF(8, 10, 8, 4));
       }},
      {"cirkelknop", [](QPainter& p) { p.drawEllipse(QRectF(3, 3, 18, 18)); }},
      {"multioppervlakknop",
       [](QPainter& p) {
         for (int i = 0; i <= 3; ++i) {
           p.drawLine(QPointF(3 + 4 * i, 19), QPointF(8 + 4 * i, 5));
           p.drawLine(QPointF(3 + 1.67 * i, 19 - 4.67 * i), QPointF(15 + 1.67 * i, 19 - 4.67 * i));
         }
       }},
      {"arrayknop",
       [](QPainter& p) {
         p.drawPolyline(QPolygonF({{12, 3}, {16, 6}, {14, 12}, {18, 20}}));
         p.drawLine(QPointF(12, 2), QPointF(12, 22));
         p.drawArc(QRectF(4, 14, 16, 7), 200 * 16, 230 * 16);
       }},
      {"dragknop",
       [](QPainter& p) {
         p.drawPolyline(QPolygonF({{2, 20}, {8, 18}, {12, 12}, {16, 18}, {22, 20}}));
         p.setPen(QPen(kAccent, 1.6));
         p.drawLine(QPointF(12, 12), QPointF(12, 3));
         arrowHead(p, {12, 3}, {12, 8});
       }},
      {"SpeedButton14",
       [](QPainter& p) {
         p.drawLine(QPointF(12, 2), QPointF(12, 22));
         p.drawLine(QPointF(2, 12), QPointF(22, 12));
         arrowHead(p, {12, 2}, {12, 8});
         arrowHead(p, {12, 22}, {12, 16});
         arrowHead(p, {2, 12}, {8, 12});
         arrowHead(p, {22, 12}, {16, 12});
       }},
      {"SpeedButton15",
       [](QPainter& p) {
         p.drawRect(QRectF(3, 11, 10, 10));
         p.drawLine(QPointF(8, 16), QPointF(21, 3));
         arrowHead(p, {21, 3}, {15, 9});
       }},
      {"SpeedButton20",
       [](QPainter& p) {
         p.drawRect(QRectF(3, 3, 8, 8));
         p.setPen(QPen(kInk, 1.2, Qt::DashLine));
         p.drawRect(QRectF(3, 3, 18, 17));
       }},
      {"SpeedButton17",
       [](QPainter& p) {
         p.drawRect(QRectF(3, 3, 11, 11));
         p.fillRect(QRectF(9, 9, 12, 12), Qt::white);
         p.drawRect(QRectF(9, 9, 12, 12));
       }},
      {"SpeedButton21",
       [](QPainter& p) {
         p.drawPolyline(QPolygonF({{3, 6}, {3, 21}, {21, 21}, {21, 6}}));
         p.drawArc(QRectF(7, 0, 10, 12), 180 * 16, 180 * 16);
         p.drawLine(QPointF(3, 6), QPointF(7, 6));
         p.drawLine(QPointF(17, 6), QPointF(21, 6));
       }},
      {"SpeedButton6",
       [](QPainter& p) {
         p.setBrush(Qt::white);
         p.drawPolygon(
             QPolygonF({{6, 2}, {6, 19}, {10, 15}, {13, 22}, {16, 21}, {13, 14}, {19, 14}}));
       }},
      {"SpeedButton16",
       [](QPainter& p) {
         p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(5, 5), QPointF(19, 19));
         p.drawLine(QPointF(19, 5), QPointF(5, 19));
       }},
      {"SpeedButton25", [](QPainter& p) { text(p, QStringLiteral("<>")); }},
      {"SpeedButton26", [](QPainter& p) { text(p, QStringLiteral("><")); }},
      {"SpeedButton7",
       [](QPainter& p) {
         curve(p);
         p.setBrush(kAccent);
         for (QPointF c : {QPointF(3, 18), QPointF(9, 8), QPointF(15, 16), QPointF(21, 6)}) {
           p.drawRect(QRectF(c.x() - 1.5, c.y() - 1.5, 3, 3));
         }
       }},
      {"SpeedButton8", [](QPainter& p) { cube(p, 4, 4, 11); }},
      {"nurbdrawbutton",
       [](QPainter& p) {
         curve(p);
         p.setPen(QPen(kAccent, 1.6));
         p.drawLine(QPointF(14, 10), QPointF(21, 3));
       }},
      {"nurbeditbutton",
       [](QPainter& p) {
         curve(p);
         p.setBrush(kAccent);
         p.drawRect(QRectF(13, 10, 5, 5));
       }},
      {"nurbarzbutton", [](QPainter& p) { rotationArrow(p, QStringLiteral("z")); }},
      {"nurbarybutton", [](QPainter& p) { rotationArrow(p, QStringLiteral("y")); }},
      {"nurbarxbutton", [](QPainter& p) { rotationArrow(p, QStringLiteral("x")); }},
      {"nurbselbutton",
       [](QPainter& p) {
         curve(p);
         p.setPen(QPen(kAccent, 1.2, Qt::DashLine));
         p.drawRect(QRectF(1.5, 1.5, 21, 21));
       }},
      {"nurbdelbutton",
       [](QPainter& p) {
         curve(p);
         p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(14, 14), QPointF(21, 21));
         p.drawLine(QPointF(21, 14), QPointF(14, 21));
       }},
      {"connectap",
       [](QPainter& p) {
         p.drawArc(QRectF(2, 2, 20, 8), 0, 180 * 16);
         p.drawArc(QRectF(2, 14, 20, 8), 0, 180 * 16);
         for (int x : {4, 8, 12, 16, 20}) p.drawLine(QPointF(x, 6), QPointF(x, 18));
       }},
      {"connectind",
       [](QPainter& p) {
         p.drawArc(QRectF(2, 2, 20, 8), 0, 180 * 16);
         p.drawArc(QRectF(2, 14, 20, 8), 0, 180 * 16);
         p.setPen(QPen(kAccent, 1.6));
         p.drawLine(QPointF(12, 2), QPointF(12, 14));
       }},
  };
  return table;
}

}  // namespace

// The rotate dial's picture: the eight regions around the centre with their axis names.
QIcon toolIcon(const QString& button) {
  const auto found = drawings().find(button);
  if (found == drawings().end()) return {};
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(kSize * scale, kSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    found->second(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace facetry
