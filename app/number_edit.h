// app/number_edit.h: boxes for typed numbers. A value is taken as the text changes. Text
// that is not a number, or lies outside the box's range, is not accepted: the previous value
// stays in use, and the box shows it with a pink background and a tooltip naming the value
// still in force. Decimal commas are read as points.
#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <optional>

namespace facetry {

enum class NumberKind { Real, Integer };

// The number in `text` (surrounding blanks ignored), or nothing when it is not one: empty,
// not a number of that kind, not finite, or outside [low, high].
std::optional<double> parseNumber(const QString& text, NumberKind kind, double low, double high);

// How a number is written back into a box: integers without decimals, reals with
// `decimals` places.
QString formatNumber(double value, NumberKind kind, int decimals);

// A line edit that takes numbers.
class NumberEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumberEdit(NumberKind kind, QWidget* parent = nullptr);

  void setRange(double low, double high);
  // The tooltip shown while the text is accepted.
  void setHint(const QString& hint);
  // Shows `value` without emitting valueEdited; the box is accepted again.
  void showValue(double value, int decimals = 2);
  double value() const { return value_; }
  bool accepted() const { return accepted_; }

 signals:
  // Emitted for every change of the text that gives an accepted number.
  void valueEdited(double value);

 private:
  void textEdited(const QString& text);

  NumberKind kind_;
  double low_, high_;
  double value_ = 0;
  bool accepted_ = true;
  QString hint_;
};

// An editable list box of numbers (the angle and resize lists): the same rule for typed
// text; choosing an entry counts as typing it.
class NumberCombo : public QComboBox {
  Q_OBJECT
 public:
  explicit NumberCombo(QWidget* parent = nullptr);

  void setItems(const QStringList& items);
  void setHint(const QString& hint);
  // Selects entry `index` (or, when it is -1, shows `value` as text) without emitting.
  void showSelection(int index, double value);
  bool accepted() const { return accepted_; }

 signals:
  void valueEdited(double value);

 private:
  void textChanged(const QString& text);

  double value_ = 0;
  bool accepted_ = true;
  QString hint_;
};

// Marks `box` as accepted or not (see above); `previous` is the value still in force.
void markAccepted(QWidget* box, bool accepted, const QString& hint, const QString& previous);

}  // namespace facetry
