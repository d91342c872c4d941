// app/survey_window.cpp: the survey window's controls and their handlers.
#include "survey_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "command_guard.h"
#include "render/picture_output.h"
#include "render/survey_view.h"
#include "view_widgets.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr std::size_t kSurveyEntry = 3;  // the survey's entry of the views' shading

QSlider* trackBar(QWidget* parent, const char* name, Qt::Orientation orientation, int maximum) {
  auto* bar = new QSlider(orientation, parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(0, maximum);
  bar->setValue(30);
  return bar;
}

}  // namespace

TForm17::TForm17(Workspace& ws, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ws_(ws) {
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
  void (TForm17::*const handlers[])() = {&TForm17::f4Click, &TForm17::g4Click, &TForm17::p4Click};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(QString::fromLatin1(radios[i][1]), title);
    button->setObjectName(QString::fromLatin1(radios[i][0]));
    button->setToolTip(QString::fromLatin1(radios[i][2]));
    button->setChecked(i == 0);
    connect(button, &QRadioButton::clicked, this,
            [this, handler = handlers[i]] { command(handler); });
    modes_[i] = button;
    row->addWidget(button);
  }
  grid->addWidget(title, 0, 0, 1, 2);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel17"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* inside = new QHBoxLayout(panel);
  inside->setContentsMargins(1, 1, 1, 1);
  image4_ = new ViewImage(ws_.survey.Image4, panel);
  image4_->setObjectName(QStringLiteral("Image4"));
  image4_->setToolTip(QStringLiteral("Survey view, no editing of objects"));
  image4_->setCursor(Qt::ArrowCursor);
  connect(image4_, &ViewImage::mousePressed, this, [this](int, int, Qt::MouseButton button) {
    if (button == Qt::RightButton) command(&TForm17::Image4MouseDown);
  });
  inside->addWidget(image4_);
  grid->addWidget(panel, 1, 0);

  bars_[0] = trackBar(this, "TrackBar1", Qt::Vertical, 360);
  bars_[1] = trackBar(this, "TrackBar2", Qt::Horizontal, 360);
  bars_[2] = trackBar(this, "TrackBar3", Qt::Horizontal, 100);
  void (TForm17::*const changes[])() = {&TForm17::TrackBar1Change, &TForm17::TrackBar2Change,
                                        &TForm17::TrackBar3Change};
  for (int i = 0; i < 3; ++i) {
    connect(bars_[i], &QSlider::valueChanged, this,
            [this, handler = changes[i]] { command(handler); });
  }
  bars_[0]->setToolTip(QStringLiteral("Turn about the x axis"));
  bars_[1]->setToolTip(QStringLiteral("Turn about the y axis"));
  bars_[2]->setToolTip(QStringLiteral("Size"));
  grid->addWidget(bars_[0], 1, 1);
  grid->addWidget(bars_[1], 2, 0);
  grid->addWidget(bars_[2], 3, 0);
  showSettings();
}

void TForm17::command(void (TForm17::*handler)()) {
  runCommand(this, [this, handler] { (this->*handler)(); });
}

void TForm17::showPicture() {
  image4_->update();
}

void TForm17::showSettings() {
  const Settings& s = ws_.settings;
  const int positions[3] = {static_cast<int>(s.SurveyAngleX), static_cast<int>(s.SurveyAngleY),
                            static_cast<int>(s.SurveyScale * 100)};
  for (int i = 0; i < 3; ++i) {
    const QSignalBlocker block(bars_[i]);
    bars_[i]->setValue(positions[i]);
  }
  const ViewShadingEntry& e = ws_.views.ViewShading[kSurveyEntry];
  const bool checked[3] = {!e.gouraud && !e.phong, e.gouraud, e.phong};
  for (int i = 0; i < 3; ++i) {
    const QSignalBlocker block(modes_[i]);
    modes_[i]->setChecked(checked[i]);
  }
}

void TForm17::teken() {
  SurveyParts parts = ws_.surveyParts();
  surveyTeken(parts, false, -1, -1);
  showPicture();
}

void TForm17::TrackBar1Change() {
  ws_.settings.SurveyAngleX = static_cast<float>(bars_[0]->value());
  teken();
}

void TForm17::TrackBar2Change() {
  ws_.settings.SurveyAngleY = static_cast<float>(bars_[1]->value());
  teken();
}

void TForm17::TrackBar3Change() {
  ws_.settings.SurveyScale = static_cast<float>(bars_[2]->value()) / 100.0f;
  teken();
}

void TForm17::chooseMode(int mode) {
  const ShadingMode modes[3] = {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong};
  SurveyParts parts = ws_.surveyParts();
  setSurveyMode(parts, modes[mode]);
  // A refused mode leaves the buttons as they were.
  showSettings();
  showPicture();
}

void TForm17::f4Click() {
  chooseMode(0);
}

void TForm17::g4Click() {
  chooseMode(1);
}

void TForm17::p4Click() {
  chooseMode(2);
}

void TForm17::Image4MouseDown() {
  QFileDialog dialog(this, QStringLiteral("Save survey picture"));
  dialog.setObjectName(QStringLiteral("jpegsave"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(QStringLiteral("Jpeg image (*.jpg)"));
  dialog.setDirectory(QDir::currentPath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  saveSurveyJpeg(ws_.frame, dialog.selectedFiles().first().toStdString());
}

void TForm17::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closedByUser();
}

}  // namespace facetry
