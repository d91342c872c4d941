// app/progress_window.cpp: the progress window.
#include "progress_window.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace facetry {

TForm15::TForm15(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm15"));
  setWindowTitle(QStringLiteral("Progress first object"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName(QStringLiteral("Gauge1"));
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  gauge_->setTextVisible(true);
  gauge_->setMinimumWidth(260);
  gauge_->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: #1040c0; }"));
  layout->addWidget(gauge_);
}

void TForm15::setStage(const QString& caption) {
  setWindowTitle(caption);
  if (isVisible()) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm15::setPercent(int percent) {
  const int value = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  if (value == gauge_->value()) return;
  gauge_->setValue(value);
  if (isVisible()) gauge_->repaint();
}

int TForm15::percent() const {
  return gauge_->value();
}

}  // namespace facetry
