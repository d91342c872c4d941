// app/toolbox.cpp: the toolbox's controls, their visual state and the toolbox drag.
#include "toolbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "colour_grid.h"
#include "number_edit.h"
#include "tool_icons.h"

namespace facetry {

namespace {

constexpr int kButtonSize = 32;
constexpr int kHandleHeight = 18;
constexpr int kLowerHandleHeight = 20;

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

QCheckBox* check(QWidget* parent, const char* name, const char* caption, const char* hint,
                 bool checked) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  if (*hint) box->setToolTip(QString::fromLatin1(hint));
  box->setChecked(checked);
  return box;
}

QRadioButton* radio(QWidget* parent, const char* name, const char* caption, const char* hint,
                    bool checked) {
  auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  if (*hint) button->setToolTip(QString::fromLatin1(hint));
  button->setChecked(checked);
  return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  if (*name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

// A group of controls that are usable only with their tool; its hint says so.
QFrame* toolPanel(QWidget* parent, const char* name, const char* hint) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setToolTip(QString::fromLatin1(hint));
  panel->setFrameShape(QFrame::StyledPanel);
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
  enableToolControls();

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
  if (checkable) {
    button->setCheckable(true);
    tool_buttons_.push_back(button);
    connect(button, &QToolButton::clicked, this, [this, button] { toolPressed(button); });
  }
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

QWidget* Toolbox::buildOptions() {
  auto* area = new QWidget(content_);
  auto* sides = new QHBoxLayout(area);
  sides->setContentsMargins(0, 0, 0, 0);
  sides->setSpacing(4);
  auto* left = new QVBoxLayout;
  left->setSpacing(3);
  sides->addLayout(left, 1);
  colours_ = new ColourGrid(area);
  sides->addWidget(colours_, 0, Qt::AlignTop);

  // The help picture of the chosen tool, the construction options and the array options.
  auto* top = new QHBoxLayout;
  auto* picture = new QLabel(area);
  picture->setObjectName(QStringLiteral("Image5"));
  picture->setToolTip(QStringLiteral("Look at picture to see how the object is set up."));
  picture->setFixedSize(72, 62);
  picture->setFrameShape(QFrame::Box);
  picture->setAutoFillBackground(true);
  picture->setBackgroundRole(QPalette::Base);
  top->addWidget(picture);
  auto* construction = new QGridLayout;
  construction->setSpacing(2);
  construction->addWidget(check(area, "closedar", "Closed", "", true), 0, 0, 1, 2);
  construction->addWidget(check(area, "detri", "D", "Choose coordinates of closest point", false),
                          0, 2, 1, 2);
  QFrame* panel20 = toolPanel(area, "Panel20", "Click on array button to activate items");
  auto* array_row = new QHBoxLayout(panel20);
  array_row->setContentsMargins(3, 1, 3, 1);
  array_row->setSpacing(2);
  array_row->addWidget(check(panel20, "xdir", "x", "Duplicate array-line in x-direction", false));
  array_row->addWidget(check(panel20, "ydir", "y", "Duplicate array-line in y-direction", false));
  array_row->addWidget(check(panel20, "zdir", "z", "Duplicate array-line in z-direction", true));
  array_row->addWidget(check(panel20, "linar", "lin",
                             "Duplicate array-line by number of degrees x,y or z-direction",
                             false));
  construction->addWidget(panel20, 1, 0, 1, 4);
  top->addLayout(construction, 1);
  left->addLayout(top);

  QFrame* panel16 = toolPanel(area, "Panel16", "Click on select button to activate items");
  auto* select_row = new QHBoxLayout(panel16);
  select_row->setContentsMargins(3, 1, 3, 1);
  select_row->setSpacing(2);
  select_row->addWidget(
      check(panel16, "selectpoints", "Points", "Select points or objects", false));
  select_row->addWidget(check(panel16, "selectfaces", "Faces", "", false));
  select_row->addWidget(
      radio(panel16, "Selectmode", "On", "Click to select objects or points", true));
  select_row->addWidget(
      radio(panel16, "offmode", "off", "Click to deselect objects or points", false));
  left->addWidget(panel16);

  QFrame* panel14 = toolPanel(area, "Panel14", "Click on punch button to activate items");
  auto* punch = new QGridLayout(panel14);
  punch->setContentsMargins(3, 1, 3, 1);
  punch->setSpacing(1);
  punch->addWidget(
      radio(panel14, "indeuken", "P.. in", "Punch object in using another object", true), 0, 0);
  punch->addWidget(
      radio(panel14, "uitdeuken", "Punch out", "Punch object out using another object", false), 0,
      1);
  punch->addWidget(radio(panel14, "glue", "Glue", "Glue object-points", false), 0, 2);
  punch->addWidget(check(panel14, "gluesel", "Glue selected",
                         "Glue only selected points to another object", false),
                   1, 0, 1, 2);
  punch->addWidget(check(panel14, "autoedge", "Auto edge",
                         "Let the program calculate the edge to do operation", true),
                   2, 0);
  punch->addWidget(check(panel14, "remove", "Remove", "Remove object after punching", true), 2, 1);
  left->addWidget(panel14);

  auto* drag = new QHBoxLayout;
  drag->addWidget(label(area, "", QStringLiteral("Drag")));
  auto* influence = new QSlider(Qt::Horizontal, area);
  influence->setObjectName(QStringLiteral("sterkdrag"));
  influence->setToolTip(QStringLiteral("Distance influence"));
  influence->setRange(0, 10);
  influence->setPageStep(1);
  influence->setTickPosition(QSlider::TicksBelow);
  drag->addWidget(influence, 1);
  drag->addWidget(check(area, "relative", "R", "Relative dragging", false));
  left->addLayout(drag);

  // The rotate dial with its read-out, the angle step and "All".
  auto* rotate_panel = new QFrame(area);
  rotate_panel->setObjectName(QStringLiteral("rotatepanel"));
  rotate_panel->setToolTip(QStringLiteral("Rotate objects / points"));
  auto* rotate = new QGridLayout(rotate_panel);
  rotate->setContentsMargins(0, 0, 0, 0);
  rotate->setSpacing(2);
  auto* dial = new QLabel(rotate_panel);
  dial->setObjectName(QStringLiteral("Image6"));
  dial->setPixmap(rotateDialPicture());
  dial->setFixedSize(43, 41);
  rotate->addWidget(dial, 0, 0, 2, 1);
  rotate->addWidget(label(rotate_panel, "Label5", QString()), 0, 1);
  rotate->addWidget(label(rotate_panel, "", QStringLiteral("Degrees")), 0, 2, Qt::AlignRight);
  degrees_ = new NumberCombo(rotate_panel);
  degrees_->setObjectName(QStringLiteral("ComboBox1"));
  degrees_->setHint(QStringLiteral("Degrees per rotation step"));
  degrees_->setMaximumWidth(64);
  rotate->addWidget(degrees_, 0, 3);
  rotate->addWidget(check(rotate_panel, "all", "All", "", true), 1, 3);
  rotate->setColumnStretch(1, 1);
  left->addWidget(rotate_panel);

  auto* resize_row = new QHBoxLayout;
  resize_row->setSpacing(2);
  resize_row->addWidget(label(area, "", QStringLiteral("Resize")));
  resize_ = new NumberCombo(area);
  resize_->setObjectName(QStringLiteral("resizefaktor"));
  resize_->setHint(QStringLiteral("Percent per Enlarge or Reduce"));
  resize_->setMaximumWidth(64);
  resize_row->addWidget(resize_);
  resize_row->addWidget(check(area, "xres", "x", "Resize in x-direction", true));
  resize_row->addWidget(check(area, "yres", "y", "Resize in y-direction", true));
  resize_row->addWidget(check(area, "zres", "z", "Resize in z-direction", true));
  left->addLayout(resize_row);
  left->addWidget(check(area, "texres", "Texture", "", true));

  auto* name_row = new QHBoxLayout;
  name_row->addWidget(label(area, "", QStringLiteral("Object group name :")));
  edit2_ = new QLineEdit(QStringLiteral("Object_01"), area);
  edit2_->setObjectName(QStringLiteral("Edit2"));
  edit2_->setMaxLength(20);
  name_row->addWidget(edit2_, 1);
  left->addLayout(name_row);

  polyl_ = check(area, "polyl", "Poly-lines", "Black outlines around shaded faces", false);
  left->addWidget(polyl_);

  auto* readout = new QGridLayout;
  readout->setHorizontalSpacing(4);
  label7_ = label(area, "Label7", QStringLiteral("x:"));
  xlab_ = label(area, "xlab", QStringLiteral("0"));
  label8_ = label(area, "Label8", QStringLiteral("y:"));
  ylab_ = label(area, "ylab", QStringLiteral("0"));
  readout->addWidget(label7_, 0, 0);
  readout->addWidget(xlab_, 0, 1);
  readout->addWidget(label8_, 0, 2);
  readout->addWidget(ylab_, 0, 3);
  readout->addWidget(label(area, "", QStringLiteral("Distance :")), 0, 4);
  diepst_ = label(area, "diepst", QString());
  readout->addWidget(diepst_, 0, 5);
  readout->setColumnStretch(1, 1);
  readout->setColumnStretch(3, 1);
  readout->setColumnStretch(5, 1);
  left->addLayout(readout);
  return area;
}

void Toolbox::toolPressed(QToolButton* pressed) {
  const bool stays_down = !isToggle(pressed->objectName());
  for (QToolButton* button : tool_buttons_) {
    if (button != pressed) button->setChecked(false);
  }
  if (stays_down) pressed->setChecked(true);
  enableToolControls();
}

void Toolbox::releaseTools() {
  for (QToolButton* button : tool_buttons_) button->setChecked(false);
  enableToolControls();
}

void Toolbox::enableToolControls() {
  auto down = [this](const char* name) {
    auto* button = findChild<QToolButton*>(QString::fromLatin1(name));
    return button && button->isChecked();
  };
  auto enable = [this](std::initializer_list<const char*> names, bool on) {
    for (const char* name : names) {
      if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) w->setEnabled(on);
    }
  };
  enable({"selectpoints", "selectfaces", "Selectmode", "offmode"}, down("SpeedButton6"));
  enable({"sterkdrag", "relative"}, down("dragknop"));
  enable({"detri"}, down("driehoekknop"));
  enable({"closedar"},
         down("buisknop") || down("puntknop") || down("polyknop") || down("multibuisknop"));
  enable({"xdir", "ydir", "zdir", "linar"}, down("arrayknop"));
  enable({"indeuken", "uitdeuken", "glue", "gluesel", "autoedge", "remove"}, down("SpeedButton21"));
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
