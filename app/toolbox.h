// app/toolbox.h: the floating toolbox (Panel7) with every tool control under its documented
// name, the tool picture, the rotate dial, the colour grid, the step lists, the object name
// box and the coordinate read-outs. The toolbox is moved by dragging its handles Panel11 and
// Panel12.
//
// The toolbox only shows the tool state: the main window's handlers change the state in
// the core and then bring the toolbox in line with it (showLook, showToolState).
#pragma once
#include <QFrame>
#include <QPoint>
#include <vector>

#include "edit/tool_pictures.h"
#include "render/canvas.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace facetry {

class ColourGrid;
class NumberCombo;
class ViewImage;
struct ToolboxLook;
struct ToolState;

class Toolbox : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 272;
  static constexpr int kPanelSwapLeft = 270;  // the hidden button panel's left edge
  static constexpr int kPictureWidth = 80;    // Image5
  static constexpr int kPictureHeight = 60;
  explicit Toolbox(QWidget* parent);

  NumberCombo* degrees() const { return degrees_; }      // ComboBox1, "Degrees"
  NumberCombo* resizeList() const { return resize_; }    // resizefaktor, "Resize"
  QLineEdit* objectGroupName() const { return edit2_; }  // Edit2
  QCheckBox* polyLines() const { return polyl_; }        // polyl, "Poly-lines"
  ColourGrid* colourGrid() const { return colours_; }
  // The tool button named `name` (kubusknop, SpeedButton14, ...).
  QToolButton* button(const char* name) const;
  // The tool picture Image5 and the rotate dial Image6 as shown.
  const Canvas& picture() const { return picture_; }
  const Canvas& dial() const { return dial_; }

  // The read-outs of the last mouse position and the distance from the last click.
  void showReadout(const QString& horizontal_label, const QString& vertical_label,
                   const QString& horizontal, const QString& vertical, const QString& distance);

  // The toolbox reset: every construction and curve button up, the flag tools' buttons
  // down as `look` says, and the boxes of the tools enabled or greyed out.
  void showLook(const ToolboxLook& look);
  // The construction buttons up (the tools were cancelled).
  void raiseConstructionButtons();
  // The boxes the tools read ("Closed", "Points", "off", ...) as `tools` holds them.
  void showToolState(const ToolState& tools);
  // Image5: how the chosen tool is set up.
  void showPicture(ToolPicture picture);
  // Shows a picture drawn elsewhere (the menus' explanatory pictures), cut to the box.
  void showCanvas(const Canvas& picture);

  // SpeedButton7 and SpeedButton8: the nurb buttons or the object buttons in front.
  void SpeedButton7Click();
  void SpeedButton8Click();
  // Puts the move handles at the top (full width) and 20 pixels above the bottom.
  void placeHandles();

 signals:
  // A left press on the rotate dial at (x, y) of its picture.
  void dialPressed(int x, int y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* toolButton(QWidget* parent, const char* name, const char* hint, bool checkable);
  QWidget* buildObjectButtons();
  QWidget* buildNurbButtons();
  QWidget* buildOptions();
  QWidget* buildRotatePanel(QWidget* parent);
  void enable(std::initializer_list<const char*> names, bool on);
  void Panel7MouseDown(QPoint position);
  void Panel7MouseMove(QPoint position);
  // The dial: the text of the region under the mouse in Label5 and its outline.
  void Image6MouseMove(int x, int y);
  void outlineDialRegions(const std::vector<int>& regions);

  QFrame* panel11_;
  QFrame* panel12_;
  QWidget* content_;
  QWidget* tool_area_;
  QWidget* paneltool_;
  QWidget* panelnurb_;
  NumberCombo* degrees_;
  NumberCombo* resize_;
  QLineEdit* edit2_;
  QCheckBox* polyl_;
  ColourGrid* colours_;
  QLabel* label5_;
  QLabel* label7_;
  QLabel* label8_;
  QLabel* xlab_;
  QLabel* ylab_;
  QLabel* diepst_;
  Canvas picture_{kPictureWidth, kPictureHeight};
  Canvas dial_;
  ViewImage* image5_ = nullptr;
  ViewImage* image6_ = nullptr;
  std::vector<int> dial_outlined_;  // the dial regions outlined now
  bool dragging_ = false;
  QPoint drag_start_;
};

}  // namespace facetry
