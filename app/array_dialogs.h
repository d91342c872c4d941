// app/array_dialogs.h: the windows of the array tools and the free curves: "Preview line
// array" (TForm1), "Copy objects round center position" (TForm4) and "Nurb and
// nurb-connect resolution" (Tnurbresolutie).
#pragma once
#include <QDialog>
#include <array>
#include <memory>

#include "render/canvas.h"
#include "scene/array_curve_state.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace facetry {

class LineArrayPreview;
class ViewImage;

// "Preview line array": the copies in "lijnar" in three images (front, top, side), the
// current copy in red, next and previous copy, the angle list and six turn buttons.
class TForm1 : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kImageSize = 300;
  explicit TForm1(QWidget* parent);
  ~TForm1() override;

  // Shows the preview maximised and modal over copies of `profile_count` points; `angle`
  // is the preview angle, kept for the next time. Returns 1 "Ok", 2 "Cancel", 4 otherwise.
  int preview(int profile_count, int& angle, bool rotate_all);

  // The buttons, as the user presses them.
  void SpeedButton5Click();  // next copy
  void SpeedButton6Click();  // previous copy
  void ListBox1Click();
  void turnClick(int plane, bool back);  // SpeedButton7 .. SpeedButton12
  const LineArrayPreview* model() const { return model_.get(); }

 private:
  void draw();
  std::array<Canvas, 3> images_;
  std::array<ViewImage*, 3> views_{};
  QListWidget* angles_;
  std::unique_ptr<LineArrayPreview> model_;
  int result_ = 4;
};

// "Copy objects round center position": the three directions, the centre and the angle.
class TForm4 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent);
  // Shows `settings` (centre and angle as whole numbers); on "Ok" stores the typed values
  // and returns true. Throws RangeError for a position that is not a number; an angle that
  // is not a number is stored as NaN, which the copy refuses.
  bool ask(CopyAroundSettings& settings);

 private:
  std::array<QCheckBox*, 3> directions_{};
  std::array<QLineEdit*, 3> positions_{};
  QLineEdit* angle_;
};

// "Nurb and nurb-connect resolution": both resolutions and "Don't ask again".
class Tnurbresolutie : public QDialog {
  Q_OBJECT
 public:
  explicit Tnurbresolutie(QWidget* parent);
  // Shows the current values; "&Ok" stores both (each a whole number from its first six
  // characters; text that is not one keeps the value) and returns true.
  bool ask(CurveSettings& settings);
  QCheckBox* dontAsk() const { return dont_ask_; }

 private:
  QLineEdit* line_;
  QLineEdit* connect_;
  QCheckBox* dont_ask_;
};

}  // namespace facetry
