// app/toolbox.cpp: the toolbox's buttons, how they show the tool state, and the toolbox
// drag. The boxes and pictures below the buttons are built in toolbox_options.cpp.
#include "toolbox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "edit/tool_modes.h"
#include "scene/tool_state.h"
#include "tool_icons.h"
#include "view_widgets.h"

namespace facetry {

namespace {

constexpr int kButtonSize = 32;
constexpr int kHandleHeight = 18;
constexpr int kLowerHandleHeight = 20;

// The construction buttons: the tool reset raises them all, and a construction tool's own
// button is then pressed by its handler.
constexpr const char* kConstructionButtons[] = {
    "bolknop",   "buisknop",      "driehoekknop",       "cirkelknop",
    "arrayknop", "multibuisknop", "multioppervlakknop", "puntknop",
    "polyknop",  "ringknop",      "kubusknop",          "dragknop"};
constexpr const char* kCurveButtons[] = {"nurbdrawbutton", "nurbeditbutton", "nurbarzbutton",
                                         "nurbarybutton",  "nurbarxbutton",  "nurbselbutton",
                                         "nurbdelbutton",  "SpeedButton8",   "connectap"};

// Buttons that release when pressed again; the construction buttons stay down.
bool isToggle(const QString& name) {
  static const QStringList toggles = {
      "SpeedButton6",  "SpeedButton14", "SpeedButton15",  "SpeedButton17",  "SpeedButton20",
      "SpeedButton21", "dragknop",      "nurbdrawbutton", "nurbeditbutton", "nurbarzbutton",
      "nurbarybutton", "nurbarxbutton", "connectap",      "connectind"};
  return toggles.contains(name);
}

QFrame* handle(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setToolTip(QString::fromLatin1(hint));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setCursor(Qt::SizeAllCursor);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QColor(64, 84, 120));
  palette.setColor(QPalette::WindowText, Qt::white);
  panel->setPalette(palette);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(6, 0, 6, 0);
  auto* label = new QLabel(QString::fromLatin1(caption), panel);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  row->addWidget(label);
  return panel;
}

}  // namespace

Toolbox::Toolbox(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel7"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  setFixedWidth(kWidth);

  panel11_ = handle(this, "Panel11", "Toolbox", "Click here to move toolbox");
  panel12_ = handle(this, "Panel12", "Move toolbox", "Move toolbox");
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(panel11_),
                     static_cast<QWidget*>(panel12_)}) {
    w->installEventFilter(this);
  }

  content_ = new QWidget(this);
  auto* column = new QVBoxLayout(content_);
  column->setContentsMargins(3, 3, 3, 3);
  column->setSpacing(4);

  tool_area_ = new QWidget(content_);
  tool_area_->setFixedSize(kWidth - 6, 3 * kButtonSize + 6);
  paneltool_ = buildObjectButtons();
  panelnurb_ = buildNurbButtons();
  column->addWidget(tool_area_);
  column->addWidget(buildOptions());
  SpeedButton8Click();
  showLook(ToolboxLook{});

  const int content_height = column->sizeHint().height();
  setFixedHeight(kHandleHeight + content_height + kLowerHandleHeight + 2);
  placeHandles();
}

QToolButton* Toolbox::toolButton(QWidget* parent, const char* name, const char* hint,
                                 bool checkable) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(hint));
  button->setIcon(toolIcon(button->objectName()));
  button->setIconSize(QSize(24, 24));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setAutoRaise(false);
  button->setCheckable(checkable);
  return button;
}

QWidget* Toolbox::buildObjectButtons() {
  auto* panel = new QWidget(tool_area_);
  panel->setObjectName(QStringLiteral("paneltool"));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(1);
  struct Entry {
    const char* name;
    const char* hint;
    bool checkable;
  };
  const Entry entries[] = {
      {"kubusknop", "Cube", true},
      {"bolknop", "Sphere", true},
      {"driehoekknop", "Triangle", true},
      {"buisknop", "Tube", true},
      {"puntknop", "Point", true},
      {"polyknop", "Polygon", true},
      {"multibuisknop", "Multi tube", true},
      {"ringknop", "Ring", true},
      {"cirkelknop", "Circle", true},
      {"multioppervlakknop", "Multi-surface", true},
      {"arrayknop", "Array", true},
      {"dragknop", "Drag along", true},
      {"SpeedButton6", "Select", true},
      {"SpeedButton16", "Delete", false},
      {"SpeedButton25", "Enlarge", false},
      {"SpeedButton26", "Reduce", false},
      {"SpeedButton14", "Move", true},
      {"SpeedButton15", "Resize", true},
      {"SpeedButton20", "Resize rectangle", true},
      {"SpeedButton17", "Copy", true},
      {"SpeedButton21", "Modify objects by punching in or out", true},
      {"SpeedButton7", "Show nurb buttons", false},
  };
  int i = 0;
  for (const Entry& e : entries) {
    grid->addWidget(toolButton(panel, e.name, e.hint, e.checkable), i / 8, i % 8);
    ++i;
  }
  connect(panel->findChild<QToolButton*>(QStringLiteral("SpeedButton7")), &QToolButton::clicked,
          this, &Toolbox::SpeedButton7Click);
  panel->adjustSize();
  return panel;
}

QWidget* Toolbox::buildNurbButtons() {
  auto* panel = new QWidget(tool_area_);
  panel->setObjectName(QStringLiteral("panelnurb"));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(1);
  const char* const entries[][2] = {
      {"nurbdrawbutton", "Draw nurb"},
      {"nurbeditbutton", "Edit nurb control points"},
      {"nurbarzbutton", "Array nurb"},
      {"nurbarybutton", "Array nurb"},
      {"nurbarxbutton", "Array nurb"},
      {"nurbselbutton", "Select all nurbs"},
      {"nurbdelbutton", "Delete all nurbs"},
      {"connectap", "Connect all nurbs"},
      {"connectind", "Connect individual nurbs"},
  };
  int i = 0;
  for (const auto& e : entries) {
    const bool checkable = isToggle(QString::fromLatin1(e[0]));
    grid->addWidget(toolButton(panel, e[0], e[1], checkable), i / 8, i % 8);
    ++i;
  }
  QToolButton* back = toolButton(panel, "SpeedButton8", "Show object buttons", false);
  grid->addWidget(back, i / 8, i % 8);
  connect(back, &QToolButton::clicked, this, &Toolbox::SpeedButton8Click);
  panel->adjustSize();
  return panel;
}

QToolButton* Toolbox::button(const char* name) const {
  return findChild<QToolButton*>(QString::fromLatin1(name));
}

void Toolbox::enable(std::initializer_list<const char*> names, bool on) {
  for (const char* name : names) {
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) w->setEnabled(on);
  }
}

void Toolbox::raiseConstructionButtons() {
  for (const char* name : kConstructionButtons) button(name)->setChecked(false);
}

void Toolbox::showLook(const ToolboxLook& look) {
  showPicture(ToolPicture::Empty);
  raiseConstructionButtons();
  for (const char* name : kCurveButtons) button(name)->setChecked(false);
  const std::pair<const char*, bool> down[] = {{"connectap", look.nurb_connect_down},
                                               {"nurbdrawbutton", look.nurb_draw_down},
                                               {"nurbeditbutton", look.nurb_edit_down},
                                               {"nurbarzbutton", look.nurb_array_z_down},
                                               {"nurbarxbutton", look.nurb_array_x_down},
                                               {"nurbarybutton", look.nurb_array_y_down},
                                               {"SpeedButton6", look.select_down},
                                               {"SpeedButton14", look.move_down},
                                               {"SpeedButton15", look.resize_down},
                                               {"SpeedButton17", look.copy_down},
                                               {"SpeedButton20", look.resize_rect_down},
                                               {"SpeedButton21", look.punch_down},
                                               {"dragknop", look.drag_down}};
  for (const auto& [name, is_down] : down) button(name)->setChecked(is_down);
  enable({"selectpoints", "selectfaces", "Selectmode", "offmode"}, look.selection_boxes_enabled);
  enable({"sterkdrag", "relative"}, look.drag_boxes_enabled);
  enable({"detri"}, look.detri_enabled);
  enable({"closedar"}, look.closedar_enabled);
  enable({"xdir", "ydir", "zdir", "linar"}, look.array_boxes_enabled);
  enable({"indeuken", "uitdeuken", "glue", "gluesel", "autoedge", "remove"},
         look.punch_boxes_enabled);
}

void Toolbox::showToolState(const ToolState& tools) {
  auto show = [this](const char* name, bool checked) {
    auto* box = findChild<QAbstractButton*>(QString::fromLatin1(name));
    const QSignalBlocker block(box);
    box->setChecked(checked);
  };
  show("closedar", tools.closedar);
  show("detri", tools.detri);
  show("linar", tools.linar);
  show("xdir", tools.xdir);
  show("ydir", tools.ydir);
  show("zdir", tools.zdir);
  show("selectpoints", tools.selectpoints);
  show("selectfaces", tools.selectfaces);
  show("Selectmode", !tools.offmode);
  show("offmode", tools.offmode);
  show("xres", tools.xres);
  show("yres", tools.yres);
  show("zres", tools.zres);
  show("texres", tools.texres);
  show("relative", tools.relative);
  auto* influence = findChild<QSlider*>(QStringLiteral("sterkdrag"));
  const QSignalBlocker block(influence);
  influence->setValue(tools.sterkdrag);
}

void Toolbox::showPicture(ToolPicture picture) {
  picture_ = toolPicture(picture, kPictureWidth, kPictureHeight);
  if (image5_) image5_->update();
}

void Toolbox::showCanvas(const Canvas& picture) {
  picture_ = Canvas(kPictureWidth, kPictureHeight);
  for (int y = 0; y < kPictureHeight && y < picture.height(); ++y) {
    for (int x = 0; x < kPictureWidth && x < picture.width(); ++x) {
      picture_.setPixel(x, y, picture.pixel(x, y));
    }
  }
  if (image5_) image5_->update();
}

void Toolbox::showReadout(const QString& horizontal_label, const QString& vertical_label,
                          const QString& horizontal, const QString& vertical,
                          const QString& distance) {
  label7_->setText(horizontal_label);
  label8_->setText(vertical_label);
  xlab_->setText(horizontal);
  ylab_->setText(vertical);
  diepst_->setText(distance);
}

void Toolbox::SpeedButton7Click() {
  paneltool_->move(kPanelSwapLeft, 0);
  panelnurb_->move(1, 0);
}

void Toolbox::SpeedButton8Click() {
  panelnurb_->move(kPanelSwapLeft, 0);
  paneltool_->move(1, 0);
}

void Toolbox::placeHandles() {
  panel11_->setGeometry(0, 0, width(), kHandleHeight);
  panel12_->setGeometry(0, height() - kLowerHandleHeight, width(), kLowerHandleHeight);
  content_->setGeometry(0, kHandleHeight, width(), height() - kHandleHeight - kLowerHandleHeight);
}

void Toolbox::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  placeHandles();
}

bool Toolbox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != this && watched != panel11_ && watched != panel12_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      Panel7MouseDown(mouse->position().toPoint());
      return true;
    }
    case QEvent::MouseMove:
      if (!dragging_) return false;
      Panel7MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::MouseButtonRelease:
      if (!dragging_) return false;
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

void Toolbox::Panel7MouseDown(QPoint position) {
  dragging_ = true;
  drag_start_ = position;
}

void Toolbox::Panel7MouseMove(QPoint position) {
  // The press point is kept under the mouse; small jitters do not move the box.
  const QPoint delta = position - drag_start_;
  if (std::abs(delta.x()) <= 2 && std::abs(delta.y()) < 3) return;
  QPoint target = pos() + delta;
  if (const QWidget* area = parentWidget()) {
    // Keep a piece of the handle reachable.
    target.setX(std::clamp(target.x(), 40 - width(), area->width() - 40));
    target.setY(std::clamp(target.y(), 0, area->height() - kHandleHeight));
  }
  move(target);
}

}  // namespace facetry
