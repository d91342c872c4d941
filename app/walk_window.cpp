// app/walk_window.cpp: the walk-through window's controls and handlers, and the menu's
// "&Walk through..." that prepares the scene, shows the window and restores the scene.
#include "walk_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "command_guard.h"
#include "main_window.h"
#include "render/walk_pad.h"
#include "render/walk_session.h"
#include "view_widgets.h"

namespace facetry {

namespace {

constexpr int kImageLeft = 16, kImageTop = 4;
constexpr int kControlsLeft = kImageLeft + 813 + 12;  // right of the largest picture
constexpr int kControlWidth = 130, kControlHeight = 26;

}  // namespace

TForm3::TForm3(Canvas& bitmap, QWidget* parent) : QDialog(parent), pad_(arrowPadPicture()) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("Walk through scene"));
  setMinimumSize(kControlsLeft + kControlWidth + 16, 813 + 2 * kImageTop);

  image1_ = new ViewImage(bitmap, this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->move(kImageLeft, kImageTop);
  image1_->setFixedSize(state_.width, state_.height);
  image1_->setCursor(Qt::ArrowCursor);
  connect(image1_, &ViewImage::mousePressed, this, [this](int x, int y, Qt::MouseButton b) {
    command([this, x, y, b] { Image1MouseDown(x, y, b); });
  });
  connect(image1_, &ViewImage::mouseMoved, this,
          [this](int x, int y) { command([this, x, y] { Image1MouseMove(x, y); }); });
  connect(image1_, &ViewImage::mouseReleased, this, [this] { command([this] { FormMouseUp(); }); });

  image2_ = new ViewImage(pad_, this);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setToolTip(QStringLiteral("Click on arrow to move scene up, down, left or right"));
  image2_->setCursor(Qt::PointingHandCursor);
  image2_->move(kControlsLeft, kImageTop);
  connect(image2_, &ViewImage::mousePressed, this, [this](int x, int y, Qt::MouseButton) {
    command([this, x, y] { Image2MouseDown(x, y); });
  });
  connect(image2_, &ViewImage::mouseReleased, this, [this] { command([this] { FormMouseUp(); }); });

  int top = kImageTop + kPadHeight + 10;
  const char* const speed_names[3] = {"Quick", "Normal", "Slow"};
  void (TForm3::*const speed_handlers[3])() = {&TForm3::QuickClick, &TForm3::NormalClick,
                                               &TForm3::SlowClick};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(speed_names[i]), this);
    radio->setObjectName(QString::fromLatin1(speed_names[i]));
    radio->setGeometry(kControlsLeft, top, kControlWidth, kControlHeight - 4);
    radio->setChecked(i == 1);
    connect(radio, &QRadioButton::clicked, this, [this, handler = speed_handlers[i]] {
      command([this, handler] { (this->*handler)(); });
    });
    speeds_[i] = radio;
    top += kControlHeight - 4;
  }
  top += 8;
  studeer_ = new QCheckBox(QStringLiteral("Study"), this);
  studeer_->setObjectName(QStringLiteral("studeer"));
  studeer_->setToolTip(QStringLiteral("Scene is rotated around its center."));
  studeer_->setGeometry(kControlsLeft, top, kControlWidth, kControlHeight);
  connect(studeer_, &QCheckBox::clicked, this, [this] { command([this] { studeerClick(); }); });
  top += kControlHeight + 8;

  struct Button {
    const char* name;
    const char* caption;
    const char* hint;
    void (TForm3::*handler)();
  };
  const Button buttons[] = {
      {"Restore", "Restore", "Restore starting position", &TForm3::RestoreClick},
      {"savebmp", "Save as bitmap", "Save present situation as a bitmap.", &TForm3::savebmpClick},
      {"Larger", "Larger screen", nullptr, &TForm3::LargerClick},
      {"Smaller", "Smaller screen", nullptr, &TForm3::SmallerClick},
      {"BitBtn1", "Close", "Close this window.", &TForm3::BitBtn1Click},
  };
  for (const Button& b : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
    button->setObjectName(QString::fromLatin1(b.name));
    if (b.hint) button->setToolTip(QString::fromLatin1(b.hint));
    button->setGeometry(kControlsLeft, top, kControlWidth, kControlHeight);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, handler = b.handler] { command([this, handler] { (this->*handler)(); }); });
    top += kControlHeight + 6;
  }

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(1);
  connect(timer1_, &QTimer::timeout, this, [this] { command([this] { Timer1Timer(); }); });
  // Keyboard preview: the form sees "a" and "z" whichever control has the focus.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

TForm3::~TForm3() = default;

void TForm3::run(WalkParts& parts) {
  walk_ = std::make_unique<WalkThrough>(parts, state_);
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
  timer1_->stop();
  walk_.reset();
}

void TForm3::command(const std::function<void()>& handler) {
  // The timer waits while a handler runs, so that an error box never meets another tick.
  timer1_->stop();
  if (!walk_) return;
  if (!runCommand(this, handler)) walk_->mouseUp();
  if (!walk_) return;
  if (walk_->timerRunning()) timer1_->start();
  showPicture();
}

void TForm3::showPicture() {
  image1_->setFixedSize(state_.width, state_.height);
  // At once: with the timer due every millisecond, each step's picture is shown before the
  // next step runs.
  image1_->repaint();
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  command([this] { FormActivate(); });
}

void TForm3::FormActivate() {
  studeer_->setChecked(false);
  walk_->FormActivate();
}

void TForm3::Image1MouseDown(int x, int y, Qt::MouseButton button) {
  walk_->Image1MouseDown(x, y, button == Qt::RightButton ? WalkButton::Right : WalkButton::Left);
}

void TForm3::Image1MouseMove(int x, int y) {
  walk_->Image1MouseMove(x, y);
}

void TForm3::Image2MouseDown(int x, int y) {
  walk_->Image2MouseDown(x, y);
}

void TForm3::FormMouseUp() {
  walk_->mouseUp();
}

void TForm3::Timer1Timer() {
  walk_->Timer1Timer();
}

void TForm3::FormKeyPress(char key) {
  walk_->FormKeyPress(key);
}

void TForm3::QuickClick() {
  state_.speed = WalkSpeed::Quick;
}

void TForm3::NormalClick() {
  state_.speed = WalkSpeed::Normal;
}

void TForm3::SlowClick() {
  state_.speed = WalkSpeed::Slow;
}

void TForm3::studeerClick() {
  walk_->studeerClick(studeer_->isChecked());
}

void TForm3::BitBtn1Click() {
  walk_->mouseUp();
  accept();
}

void TForm3::RestoreClick() {
  walk_->RestoreClick();
}

void TForm3::savebmpClick() {
  QFileDialog dialog(this, QStringLiteral("Save as bitmap"));
  dialog.setObjectName(QStringLiteral("SaveDialog1"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
  dialog.setDirectory(QDir::currentPath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  walk_->saveBitmap(dialog.selectedFiles().first().toStdString());
}

void TForm3::LargerClick() {
  walk_->LargerClick();
}

void TForm3::SmallerClick() {
  walk_->SmallerClick();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text == QStringLiteral("a") || text == QStringLiteral("z")) {
    const char key = text.at(0).toLatin1();
    command([this, key] { FormKeyPress(key); });
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm3::mouseReleaseEvent(QMouseEvent* event) {
  QDialog::mouseReleaseEvent(event);
  command([this] { FormMouseUp(); });
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text == QStringLiteral("a") || text == QStringLiteral("z")) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TMainview::Perspectief1Click() {
  RedrawParts parts = ws_.redrawParts();
  try {
    walkThrough(parts, [this](WalkParts& walk) { windows_.walk->run(walk); });
  } catch (...) {
    redraw();
    throw;
  }
  redraw();
}

}  // namespace facetry
