// app/view_widgets.cpp: view images and view panels.
#include "view_widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "render/canvas.h"

namespace facetry {

namespace {

constexpr int kBarThickness = 16;

// Control names per view: the images and panels are numbered, the title panels and their
// radio buttons are named by repetition (w, ww, www; the side view's Gouraud is gggg).
struct ViewNames {
  const char* title_panel;
  const char* title;
  const char* radios[4];
};

constexpr ViewNames kViewNames[3] = {
    {"frontviewpanel", "Front view", {"w", "f", "g", "p"}},
    {"topviewpanel", "Top view", {"ww", "ff", "gg", "pp"}},
    {"sideviewpanel", "Side view", {"www", "fff", "gggg", "ppp"}},
};

constexpr const char* kRadioHints[4] = {"Wired", "Flat shading", "Gourad shading", "Phong shading"};
constexpr const char* kRadioCaptions[4] = {"w", "f", "g", "p"};

}  // namespace

ViewImage::ViewImage(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setFixedSize(canvas.width(), canvas.height());
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void ViewImage::paintEvent(QPaintEvent* event) {
  // The canvas rows are padded to four bytes, so the buffer is shown as it is.
  const QImage picture(canvas_.data(), canvas_.width(), canvas_.height(), canvas_.stride(),
                       QImage::Format_BGR888);
  QPainter painter(this);
  painter.drawImage(event->rect(), picture, event->rect());
}

void ViewImage::mouseMoveEvent(QMouseEvent* event) {
  // A press and release on the image is a click however far the mouse went between them;
  // the tools that drag read the moves themselves.
  const QPoint p = event->position().toPoint();
  emit mouseMoved(p.x(), p.y());
}

void ViewImage::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) left_pressed_ = true;
  press_modifiers_ = event->modifiers();
  emit mousePressed(p.x(), p.y(), event->button());
}

void ViewImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    const bool click = left_pressed_ && rect().contains(p);
    left_pressed_ = false;
    if (click) emit clicked();
  }
  emit mouseReleased(p.x(), p.y(), event->button());
}

void ViewImage::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit mouseLeft();
}

ViewPanel::ViewPanel(int view, Canvas& canvas, QWidget* parent) : QFrame(parent), view_(view) {
  const ViewNames& names = kViewNames[view - 1];
  setObjectName(QStringLiteral("Panel%1").arg(view));
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);

  image_ = new ViewImage(canvas, this);
  image_->setObjectName(QStringLiteral("Image%1").arg(view));
  image_->move(0, 0);

  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  horizontal_->setObjectName(QStringLiteral("ScrollBar%1").arg(2 * view - 1));
  horizontal_->setRange(0, kHorizontalRange);
  vertical_ = new QScrollBar(Qt::Vertical, this);
  vertical_->setObjectName(QStringLiteral("ScrollBar%1").arg(2 * view));
  vertical_->setRange(0, kVerticalRange);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setSingleStep(5);
    bar->setPageStep(100);
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      followBars();
      emit scrolled();
    });
  }

  title_ = new QFrame(this);
  title_->setObjectName(QString::fromLatin1(names.title_panel));
  title_->setFrameShape(QFrame::Panel);
  title_->setFrameShadow(QFrame::Raised);
  title_->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(title_);
  row->setContentsMargins(6, 1, 4, 1);
  row->setSpacing(2);
  auto* caption = new QLabel(QString::fromLatin1(names.title), title_);
  caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
  row->addWidget(caption);
  row->addSpacing(6);
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(kRadioCaptions[i]), title_);
    radio->setObjectName(QString::fromLatin1(names.radios[i]));
    radio->setToolTip(QString::fromLatin1(kRadioHints[i]));
    const auto choice = static_cast<ShadingChoice>(i);
    connect(radio, &QRadioButton::clicked, this, [this, choice] { emit shadingChosen(choice); });
    radios_[static_cast<std::size_t>(i)] = radio;
    row->addWidget(radio);
  }
  title_->adjustSize();
  title_->move(0, 0);
  horizontal_->raise();
  vertical_->raise();
  title_->raise();
}

void ViewPanel::place(const QRect& geometry) {
  setGeometry(geometry);
  const int w = geometry.width(), h = geometry.height();
  horizontal_->setGeometry(0, h - kBarThickness, w - kBarThickness, kBarThickness);
  vertical_->setGeometry(w - kBarThickness, 0, kBarThickness, h);
}

void ViewPanel::followBars() {
  image_->move(-horizontal_->value(), -vertical_->value());
}

void ViewPanel::showShading(ShadingChoice choice) {
  QRadioButton* radio = radios_[static_cast<std::size_t>(choice)];
  const QSignalBlocker block(radio);
  radio->setChecked(true);
}

}  // namespace facetry
