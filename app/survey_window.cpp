// app/survey_window.cpp: the survey window's controls. The picture is drawn by the survey
// renderer; until that is wired in it stays in the background colour.
#include "survey_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace facetry {

namespace {

QSlider* trackBar(QWidget* parent, const char* name, Qt::Orientation orientation, int maximum) {
  auto* bar = new QSlider(orientation, parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(0, maximum);
  bar->setValue(30);
  return bar;
}

}  // namespace

TForm17::TForm17(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TForm17"));
  setWindowTitle(QStringLiteral("Survey view"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kWidth, kHeight);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(3);

  auto* title = new QFrame(this);
  title->setObjectName(QStringLiteral("Panel19"));
  title->setFrameShape(QFrame::Panel);
  title->setFrameShadow(QFrame::Raised);
  auto* row = new QHBoxLayout(title);
  row->setContentsMargins(4, 0, 4, 0);
  row->addWidget(new QLabel(QStringLiteral("Survey view "), title));
  const char* const radios[][3] = {
      {"f4", "f", "Flat shading"}, {"g4", "g", "Gourad shading"}, {"p4", "p", "Phong shading"}};
  for (const auto& r : radios) {
    auto* button = new QRadioButton(QString::fromLatin1(r[1]), title);
    button->setObjectName(QString::fromLatin1(r[0]));
    button->setToolTip(QString::fromLatin1(r[2]));
    button->setChecked(r[0][0] == 'f');
    row->addWidget(button);
  }
  grid->addWidget(title, 0, 0, 1, 2);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel17"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* inside = new QHBoxLayout(panel);
  inside->setContentsMargins(1, 1, 1, 1);
  auto* picture = new QLabel(panel);
  picture->setObjectName(QStringLiteral("Image4"));
  picture->setFixedSize(188, 148);
  picture->setAutoFillBackground(true);
  picture->setBackgroundRole(QPalette::Base);
  inside->addWidget(picture);
  grid->addWidget(panel, 1, 0);
  grid->addWidget(trackBar(this, "TrackBar1", Qt::Vertical, 360), 1, 1);
  grid->addWidget(trackBar(this, "TrackBar2", Qt::Horizontal, 360), 2, 0);
  grid->addWidget(trackBar(this, "TrackBar3", Qt::Horizontal, 100), 3, 0);
}

}  // namespace facetry
