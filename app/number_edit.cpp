// app/number_edit.cpp: number boxes that refuse text that is not a number.
#include "number_edit.h"

#include <QLocale>
#include <QSignalBlocker>
#include <cmath>
#include <limits>

namespace facetry {

std::optional<double> parseNumber(const QString& text, NumberKind kind, double low, double high) {
  QString t = text.trimmed();
  if (t.count(QLatin1Char(',')) == 1 && !t.contains(QLatin1Char('.'))) {
    t.replace(QLatin1Char(','), QLatin1Char('.'));
  }
  bool ok = false;
  double value = 0;
  if (kind == NumberKind::Integer) {
    value = static_cast<double>(QLocale::c().toLongLong(t, &ok));
  } else {
    value = QLocale::c().toDouble(t, &ok);
  }
  if (!ok || !std::isfinite(value) || value < low || value > high) return std::nullopt;
  return value;
}

QString formatNumber(double value, NumberKind kind, int decimals) {
  if (kind == NumberKind::Integer) return QString::number(static_cast<long long>(value));
  return QString::number(value, 'f', decimals);
}

void markAccepted(QWidget* box, bool accepted, const QString& hint, const QString& previous) {
  if (accepted) {
    box->setStyleSheet(QString());
    box->setToolTip(hint);
    return;
  }
  box->setStyleSheet(QStringLiteral("background-color: #ffc8c8;"));
  box->setToolTip(QStringLiteral("Not a number that fits here; %1 stays in use.").arg(previous));
}

NumberEdit::NumberEdit(NumberKind kind, QWidget* parent)
    : QLineEdit(parent),
      kind_(kind),
      low_(-std::numeric_limits<double>::max()),
      high_(std::numeric_limits<double>::max()) {
  connect(this, &QLineEdit::textChanged, this, &NumberEdit::textEdited);
}

void NumberEdit::setRange(double low, double high) {
  low_ = low;
  high_ = high;
}

void NumberEdit::setHint(const QString& hint) {
  hint_ = hint;
  if (accepted_) setToolTip(hint);
}

void NumberEdit::showValue(double value, int decimals) {
  const QSignalBlocker block(this);
  value_ = value;
  setText(formatNumber(value, kind_, decimals));
  accepted_ = true;
  markAccepted(this, true, hint_, QString());
}

void NumberEdit::textEdited(const QString& text) {
  const std::optional<double> number = parseNumber(text, kind_, low_, high_);
  accepted_ = number.has_value();
  markAccepted(this, accepted_, hint_, QString::number(value_));
  if (!number) return;
  value_ = *number;
  emit valueEdited(value_);
}

NumberCombo::NumberCombo(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::editTextChanged, this, &NumberCombo::textChanged);
}

void NumberCombo::setItems(const QStringList& items) {
  const QSignalBlocker block(this);
  clear();
  addItems(items);
}

void NumberCombo::setHint(const QString& hint) {
  hint_ = hint;
  if (accepted_) setToolTip(hint);
}

void NumberCombo::showSelection(int index, double value) {
  const QSignalBlocker block(this);
  value_ = value;
  setCurrentIndex(index);
  if (index < 0) setEditText(QString::number(value));
  accepted_ = true;
  markAccepted(this, true, hint_, QString());
}

void NumberCombo::textChanged(const QString& text) {
  const std::optional<double> number =
      parseNumber(text, NumberKind::Real, -std::numeric_limits<double>::max(),
                  std::numeric_limits<double>::max());
  accepted_ = number.has_value();
  markAccepted(this, accepted_, hint_, QString::number(value_));
  if (!number) return;
  value_ = *number;
  emit valueEdited(value_);
}

}  // namespace facetry
