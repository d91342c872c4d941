// app/small_dialogs.h: the small modal dialogs of the main window and the "Reading" window:
// "Light position", "Set zoom factor", "Name object", "About" and "Reading".
#pragma once
#include <QDialog>
#include <string>

#include "scene/records.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace facetry {

class NumberEdit;

// "Light position": the light's three coordinates as whole numbers. "Ok" takes them,
// "Cancel" leaves the light where it was.
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent);
  // Shows the dialog modally on `light`; on "Ok" returns true with the typed whole numbers
  // (a box whose text is not a number keeps the light's coordinate).
  bool edit(const Point3& light, int& x, int& y, int& z);

 private:
  NumberEdit* edits_[3];
};

// "Reading": the counter the importers step while they add faces.
class TForm6 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent);
  // Shows `face_count` when it is a multiple of 20, repainting at once.
  void step(int face_count);

 private:
  QLabel* counter_;
};

// "Set zoom factor": a percentage; text that is not a positive number is refused with a
// message and the dialog stays open.
class TForm8 : public QDialog {
  Q_OBJECT
 public:
  static constexpr double kMaxZoom = 10000;
  explicit TForm8(QWidget* parent);
  // Shows the dialog modally with `current`; returns the new percentage, or -1 when the
  // dialog was cancelled.
  double ask(double current);

 private:
  void Button1Click();

  QLineEdit* edit_;
  double result_ = -1;
};

// "Name object": the name of the object being closed and the "Don't ask for this
// operation" box `ask`.
class TForm14 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm14(QWidget* parent);
  // Shows the dialog with `name` selected; on "&Ok" takes the text (cut to 20 characters
  // by the caller's record) and returns true. `dont_ask` follows the box either way.
  bool ask(std::string& name, bool& dont_ask);

 private:
  QLineEdit* edit_;
  QCheckBox* ask_;
};

// "About": version and the scene's counts.
class Tabout : public QDialog {
  Q_OBJECT
 public:
  explicit Tabout(QWidget* parent);
  void showCounts(int objects, int faces);

 private:
  QLabel* objects_;
  QLabel* faces_;
};

}  // namespace facetry
