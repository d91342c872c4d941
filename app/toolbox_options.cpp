// app/toolbox_options.cpp: the toolbox below its buttons: the tool picture, the boxes of
// the tools, the rotate dial with its read-out, the steps, the object name and the
// coordinate read-outs.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "colour_grid.h"
#include "edit/transforms.h"
#include "number_edit.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

namespace {

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
  image5_ = new ViewImage(picture_, area);
  image5_->setObjectName(QStringLiteral("Image5"));
  image5_->setToolTip(QStringLiteral("Look at picture to see how the object is set up."));
  image5_->setCursor(Qt::ArrowCursor);
  top->addWidget(image5_, 0, Qt::AlignTop);
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

  left->addWidget(buildRotatePanel(area));

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

QWidget* Toolbox::buildRotatePanel(QWidget* parent) {
  // The rotate dial with its read-out, the angle step and "All".
  auto* rotate_panel = new QFrame(parent);
  rotate_panel->setObjectName(QStringLiteral("rotatepanel"));
  rotate_panel->setToolTip(QStringLiteral("Rotate objects / points"));
  auto* rotate = new QGridLayout(rotate_panel);
  rotate->setContentsMargins(0, 0, 0, 0);
  rotate->setSpacing(2);
  dial_ = dialPicture();
  image6_ = new ViewImage(dial_, rotate_panel);
  image6_->setObjectName(QStringLiteral("Image6"));
  image6_->setCursor(Qt::PointingHandCursor);
  connect(image6_, &ViewImage::mouseMoved, this, &Toolbox::Image6MouseMove);
  connect(image6_, &ViewImage::mouseLeft, this, [this] { outlineDialRegions({}); });
  connect(image6_, &ViewImage::mousePressed, this, [this](int x, int y, Qt::MouseButton button) {
    if (button == Qt::LeftButton) emit dialPressed(x, y);
  });
  rotate->addWidget(image6_, 0, 0, 2, 1);
  label5_ = label(rotate_panel, "Label5", QString());
  label5_->setMinimumWidth(20);
  rotate->addWidget(label5_, 0, 1);
  rotate->addWidget(label(rotate_panel, "", QStringLiteral("Degrees")), 0, 2, Qt::AlignRight);
  degrees_ = new NumberCombo(rotate_panel);
  degrees_->setObjectName(QStringLiteral("ComboBox1"));
  degrees_->setHint(QStringLiteral("Degrees per rotation step"));
  degrees_->setMaximumWidth(64);
  rotate->addWidget(degrees_, 0, 3);
  rotate->addWidget(check(rotate_panel, "all", "All", "", true), 1, 3);
  rotate->setColumnStretch(1, 1);
  return rotate_panel;
}

void Toolbox::Image6MouseMove(int x, int y) {
  const std::vector<int> regions = dialRegionsAt(dial_.width(), dial_.height(), x, y);
  if (!regions.empty()) {
    label5_->setText(QString::fromLatin1(
        dialRegions(dial_.width(), dial_.height())[static_cast<std::size_t>(regions.back())]
            .label));
  }
  outlineDialRegions(regions);
}

void Toolbox::outlineDialRegions(const std::vector<int>& regions) {
  if (regions == dial_outlined_) return;
  // Not-xor outlines: drawing the shown ones again erases them.
  const std::vector<DialRegion> all = dialRegions(dial_.width(), dial_.height());
  dial_.pen = {{0, 0, 0}, PenMode::NotXor};
  const std::vector<int>* sets[] = {&dial_outlined_, &regions};
  for (const std::vector<int>* set : sets) {
    for (int i : *set) {
      std::vector<std::pair<int, int>> outline = all[static_cast<std::size_t>(i)].polygon;
      outline.push_back(outline.front());
      dial_.polyline(outline);
    }
  }
  dial_.pen = {};
  dial_outlined_ = regions;
  image6_->update();
}

}  // namespace facetry
