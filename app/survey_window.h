// app/survey_window.h: the small always-on-top "Survey view" window beside the toolbox. It
// shows the survey picture (Image4) that the core draws at the end of every main redraw,
// with its shading buttons and the three track bars that turn and scale it. A right click
// on the picture saves it as a JPEG.
#pragma once
#include <QWidget>

class QRadioButton;
class QSlider;

namespace facetry {

class ViewImage;
struct Workspace;

class TForm17 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 229;
  static constexpr int kHeight = 247;
  TForm17(Workspace& ws, QWidget* parent);

  // Shows the picture as the core last drew it.
  void showPicture();
  // Redraws the face range the survey last drew, and shows it.
  void teken();
  // The track bars and the shading buttons as the settings hold them (after the
  // configuration was read or the Settings dialog changed them).
  void showSettings();

  void TrackBar1Change();  // angle about the x axis
  void TrackBar2Change();  // angle about the y axis
  void TrackBar3Change();  // scale, in hundredths
  void f4Click();
  void g4Click();
  void p4Click();
  void Image4MouseDown();  // the right button: save as JPEG

 signals:
  // The window was closed (by its close button); hiding it does not count.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a handler through the general error handler.
  void command(void (TForm17::*handler)());
  void chooseMode(int mode);

  Workspace& ws_;
  ViewImage* image4_;
  QSlider* bars_[3];
  QRadioButton* modes_[3];
};

}  // namespace facetry
