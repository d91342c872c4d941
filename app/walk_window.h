// app/walk_window.h: the modal "Walk through scene" window (TForm3). It shows the top left
// of ViewBitmap as the walk-through draws it, forwards the mouse on the picture and the
// arrow pad, the keys "a" and "z", the speed choice, the "Study" box and the buttons to the
// core, and runs the 1 ms timer while a press steers.
#pragma once
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

#include "render/canvas.h"
#include "render/walk_view.h"

class QCheckBox;
class QRadioButton;

namespace facetry {

class ViewImage;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // `bitmap` is ViewBitmap, which Image1 shows.
  TForm3(Canvas& bitmap, QWidget* parent);
  ~TForm3() override;

  // Shows the window modally on a prepared walk-through; returns when it is closed.
  void run(WalkParts& parts);
  const WalkWindowState& state() const { return state_; }

  void FormActivate();
  void Image1MouseDown(int x, int y, Qt::MouseButton button);
  void Image1MouseMove(int x, int y);
  void Image2MouseDown(int x, int y);
  void FormMouseUp();  // also Image1MouseUp and Image2MouseUp
  void Timer1Timer();
  void FormKeyPress(char key);
  void QuickClick();
  void NormalClick();
  void SlowClick();
  void studeerClick();
  void BitBtn1Click();
  void RestoreClick();
  void savebmpClick();
  void LargerClick();
  void SmallerClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a handler through the general error handler, then shows the picture and runs or
  // stops the timer as the walk-through says. A failed step stops the steering.
  void command(const std::function<void()>& handler);
  void showPicture();

  Canvas pad_;
  WalkWindowState state_;
  std::unique_ptr<WalkThrough> walk_;
  ViewImage* image1_;
  ViewImage* image2_;
  QRadioButton* speeds_[3];
  QCheckBox* studeer_;
  QTimer* timer1_;
};

}  // namespace facetry
