// app/toolbox.h: the floating toolbox (Panel7) with every tool control under its documented
// name, the colour grid, the step lists, the object name box and the coordinate read-outs.
// The toolbox is moved by dragging its handles Panel11 and Panel12.
#pragma once
#include <QFrame>
#include <QPoint>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace facetry {

class ColourGrid;
class NumberCombo;

class Toolbox : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 272;
  static constexpr int kPanelSwapLeft = 270;  // the hidden button panel's left edge
  explicit Toolbox(QWidget* parent);

  NumberCombo* degrees() const { return degrees_; }      // ComboBox1, "Degrees"
  NumberCombo* resizeList() const { return resize_; }    // resizefaktor, "Resize"
  QLineEdit* objectGroupName() const { return edit2_; }  // Edit2
  QCheckBox* polyLines() const { return polyl_; }        // polyl, "Poly-lines"
  ColourGrid* colourGrid() const { return colours_; }

  // The read-outs of the last mouse position and the distance from the last click.
  void showReadout(const QString& horizontal_label, const QString& vertical_label,
                   const QString& horizontal, const QString& vertical, const QString& distance);

  // SpeedButton7 and SpeedButton8: the nurb buttons or the object buttons in front.
  void SpeedButton7Click();
  void SpeedButton8Click();
  // Shows every tool button up (the tools are reset).
  void releaseTools();
  // Puts the move handles at the top (full width) and 20 pixels above the bottom.
  void placeHandles();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* toolButton(QWidget* parent, const char* name, const char* hint, bool checkable);
  QWidget* buildObjectButtons();
  QWidget* buildNurbButtons();
  QWidget* buildOptions();
  // Shows one tool button down and the others up (toggles may be released again), and
  // enables the controls that belong to the tool that is down.
  void toolPressed(QToolButton* button);
  void enableToolControls();
  void Panel7MouseDown(QPoint position);
  void Panel7MouseMove(QPoint position);

  QFrame* panel11_;
  QFrame* panel12_;
  QWidget* content_;
  QWidget* tool_area_;
  QWidget* paneltool_;
  QWidget* panelnurb_;
  std::vector<QToolButton*> tool_buttons_;
  NumberCombo* degrees_;
  NumberCombo* resize_;
  QLineEdit* edit2_;
  QCheckBox* polyl_;
  ColourGrid* colours_;
  QLabel* label7_;
  QLabel* label8_;
  QLabel* xlab_;
  QLabel* ylab_;
  QLabel* diepst_;
  bool dragging_ = false;
  QPoint drag_start_;
};

}  // namespace facetry
