// app/poly_creator_window.h: the "Poly creator" window (TForm16), opened beside the main
// window from "Special" > "Poly-editor". It shows the three canvases of the core's Poly
// creator, forwards the mouse and the controls to it, and lets the main window redraw
// when it closes.
#pragma once
#include <QWidget>
#include <array>

#include "editors/poly_creator.h"

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace facetry {

class TMainview;
class ViewImage;

class TForm16 : public QWidget {
  Q_OBJECT
 public:
  TForm16(TMainview& main, QWidget* parent);

  // Polyeditor1Click's part: the polylines emptied, the survey in flat shading, shown.
  void openCreator();
  PolyCreator& creator() { return pc_; }

  // Tool buttons b1 .. b7 (b4 deletes the selected points) and "De-select".
  void b1Click();
  void b2Click();
  void b3Click();
  void b4Click();
  void b5Click();
  void b6Click();
  void b7Click();
  void SpeedButton3Click();
  void Button1Click();  // "New"
  void BitBtn3Click();  // "Ok"
  void BitBtn2Click();  // "Cancel"
  void bezresChange();
  // The check boxes and radio buttons: read into the creator, redrawn.
  void optionsClick();
  // The mouse in Image1 .. Image3 (image 0 .. 2).
  void ImageMouseDown(int image, int x, int y, Qt::MouseButton button);
  void ImageMouseMove(int image, int x, int y);
  void ImageMouseUp(int image);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void command(const std::function<void()>& handler);
  void tool(PolyTool tool);
  void tekenen();
  void finish();

  TMainview& main_;
  PolyCreator pc_;
  std::array<ViewImage*, 3> images_{};
  std::array<QToolButton*, 7> buttons_{};
  QLineEdit* bezres_ = nullptr;
  QCheckBox* closed_front_ = nullptr;
  QCheckBox* closed_rear_ = nullptr;
  QCheckBox* edge_ = nullptr;
  QRadioButton* outside_ = nullptr;
  QRadioButton* inside_ = nullptr;
};

}  // namespace facetry
