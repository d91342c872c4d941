// app/view_widgets.h: the widgets of one orthographic view: the image (Image1..3) that
// shows a canvas of the core, and its panel (Panel1..3) with two scroll bars and the title
// panel carrying the wired / flat / Gouraud / Phong radio buttons.
#pragma once
#include <QFrame>
#include <QWidget>
#include <array>

class QLabel;
class QRadioButton;
class QScrollBar;

namespace facetry {

class Canvas;

// Shows a canvas of the core without copying it and reports the mouse in image pixels
// (so scrolling, which moves the image, needs no correction). The views, the survey
// picture, the toolbox picture and the rotate dial are such images.
class ViewImage : public QWidget {
  Q_OBJECT
 public:
  ViewImage(Canvas& canvas, QWidget* parent);
  // The Shift / Ctrl keys held at the last press (a click's modifiers).
  Qt::KeyboardModifiers pressModifiers() const { return press_modifiers_; }

 signals:
  void mouseMoved(int x, int y);
  void mousePressed(int x, int y, Qt::MouseButton button);
  // A left press released over the image without a drag in between (the mouse stayed
  // within the drag distance); sent before the release itself.
  void clicked();
  void mouseReleased(int x, int y, Qt::MouseButton button);
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Canvas& canvas_;
  bool left_pressed_ = false;  // a left press whose release may still be a click
  Qt::KeyboardModifiers press_modifiers_;
};

// The shading mode chosen with a view's radio buttons.
enum class ShadingChoice { Wired, Flat, Gouraud, Phong };

// One view's panel. The image sits at (-horizontal position, -vertical position).
class ViewPanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kHorizontalRange = 440;
  static constexpr int kVerticalRange = 540;

  // `view` 1 (front), 2 (top) or 3 (side) chooses the documented control names.
  ViewPanel(int view, Canvas& canvas, QWidget* parent);

  int view() const { return view_; }
  ViewImage* image() const { return image_; }
  QScrollBar* horizontalBar() const { return horizontal_; }
  QScrollBar* verticalBar() const { return vertical_; }
  QRadioButton* radio(ShadingChoice choice) const {
    return radios_[static_cast<std::size_t>(choice)];
  }

  // Places the panel at `geometry` with its bars along the right and bottom edges.
  void place(const QRect& geometry);
  // Moves the image to follow the scroll bars.
  void followBars();
  // Checks the radio button of `choice` without emitting.
  void showShading(ShadingChoice choice);

 signals:
  void shadingChosen(ShadingChoice choice);
  void scrolled();

 private:
  int view_;
  ViewImage* image_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QFrame* title_;
  std::array<QRadioButton*, 4> radios_{};
};

}  // namespace facetry
