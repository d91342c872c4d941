// app/landscape_dialog.h: "Create landscape" (TForm11): width and depth, height,
// resolution and the sea level of the landscape generator.
#pragma once
#include <QDialog>

#include "scene/landscape_state.h"

class QCheckBox;
class QSlider;

namespace facetry {

class NumberEdit;

class TForm11 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm11(QWidget* parent);
  // Shows the dialog modally with `settings` (FormActivate); "&Ok" stores the boxes back
  // into it and returns true, "Cancel" leaves it and returns false.
  bool edit(LandscapeSettings& settings);

 private:
  void FormActivate(const LandscapeSettings& settings);
  void Button1Click();

  NumberEdit* width_;    // Edit1
  NumberEdit* height_;   // Edit2
  QSlider* resolution_;  // TrackBar1
  QCheckBox* sea_;       // CheckBox1
  LandscapeSettings result_;
};

}  // namespace facetry
