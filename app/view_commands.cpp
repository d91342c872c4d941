// app/view_commands.cpp: the views and the toolbox in the main window, their layout, and
// the view, shading and lighting commands.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "colour_grid.h"
#include "files/shell_commands.h"
#include "main_window.h"
#include "number_edit.h"
#include "render/shading_commands.h"
#include "settings_dialog.h"
#include "small_dialogs.h"
#include "survey_window.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

namespace {

constexpr int kImageSide = 815;   // each view image is 815 x 815
constexpr int kPanelLimit = 999;  // the only-front panel never grows beyond this
constexpr int kSurveyTop = 40;    // the survey window's distance from the form's top

}  // namespace

void TMainview::buildViews() {
  for (int view = 1; view <= 3; ++view) {
    auto* panel =
        new ViewPanel(view, ws_.frame.images[static_cast<std::size_t>(view - 1)], views_area_);
    panels_[static_cast<std::size_t>(view - 1)] = panel;
    connect(panel, &ViewPanel::shadingChosen, this, [this, view](ShadingChoice choice) {
      command([this, view, choice] { shadingClick(view, choice); });
    });
    connect(panel, &ViewPanel::scrolled, this,
            [this, view] { command([this, view] { ScrollBarChange(view); }); });
    ViewImage* image = panel->image();
    connect(image, &ViewImage::mouseMoved, this, [this, view](int x, int y) {
      command([this, view, x, y] { ImageMouseMove(view, x, y); });
    });
    connect(image, &ViewImage::mousePressed, this,
            [this, view](int x, int y, Qt::MouseButton button) {
              command([this, view, x, y, button] { ImageMouseDown(view, x, y, button); });
            });
    connect(image, &ViewImage::clicked, this,
            [this, view] { command([this, view] { ImageClick(view); }); });
    connect(image, &ViewImage::mouseReleased, this,
            [this, view](int x, int y, Qt::MouseButton button) {
              command([this, view, x, y, button] { ImageMouseUp(view, x, y, button); });
            });
  }
}

void TMainview::buildToolbox() {
  toolbox_ = new Toolbox(views_area_);
  // The lists set the tools' steps and the configured steps alike.
  connect(toolbox_->degrees(), &NumberCombo::valueEdited, this, [this](double v) {
    command(
        [this, v] { ws_.tools.DegreeStep = ws_.settings.RotationStep = static_cast<float>(v); });
  });
  connect(toolbox_->resizeList(), &NumberCombo::valueEdited, this, [this](double v) {
    command(
        [this, v] { ws_.tools.ResizePercent = ws_.settings.ResizeFactor = static_cast<float>(v); });
  });
  connect(toolbox_->objectGroupName(), &QLineEdit::textChanged, this, [this](const QString& text) {
    command([this, text] { ws_.scene.ObjectNameBuffer.assign(text.toStdString()); });
  });
  connect(toolbox_->polyLines(), &QCheckBox::clicked, this,
          [this] { command([this] { polylClick(); }); });
  auto* all = toolbox_->findChild<QCheckBox*>(QStringLiteral("all"));
  connect(all, &QCheckBox::toggled, this,
          [this](bool on) { command([this, on] { ws_.scene.RotateAll = on; }); });
  connect(toolbox_->colourGrid(), &ColourGrid::foregroundChosen, this,
          [this] { command([this] { ColorGrid1Change(); }); });
  connectTools();
}

void TMainview::dosizen() {
  const int h = views_area_->height() / 2;
  const int w = views_area_->width() / 2;
  if (ws_.views.ThreeWindows) {
    panels_[0]->place({0, 0, w, h});
    panels_[1]->place({0, h, w, h});
    panels_[2]->place({w, h, w, h});
    toolbox_->move(w, 1);
    if (windows_.survey) {
      windows_.survey->move(views_area_->mapToGlobal(QPoint(w + toolbox_->width(), kSurveyTop)));
    }
  } else {
    const int side = std::min(kImageSide - 2, kPanelLimit);
    panels_[0]->place({0, 0, side, side});
  }
  for (ViewPanel* panel : panels_) panel->followBars();
  toolbox_->raise();
}

void TMainview::aanzCl() {
  ViewPanel* front = panels_[0];
  QScrollBar* bars[2] = {front->horizontalBar(), front->verticalBar()};
  if (ws_.views.ThreeWindows) {
    panels_[1]->show();
    panels_[2]->show();
    for (int i = 0; i < 2; ++i) {
      const QSignalBlocker block(bars[i]);
      bars[i]->setValue(remembered_front_scroll_[static_cast<std::size_t>(i)]);
      bars[i]->show();
    }
    dosizen();
  } else {
    dosizen();
    panels_[1]->hide();
    panels_[2]->hide();
    for (int i = 0; i < 2; ++i) {
      const QSignalBlocker block(bars[i]);
      remembered_front_scroll_[static_cast<std::size_t>(i)] = bars[i]->value();
      bars[i]->setValue(0);
      bars[i]->hide();
    }
  }
  front->followBars();
  ws_.views.ScrollX[0] = bars[0]->value();
  ws_.views.ScrollY[0] = bars[1]->value();
  redraw();
  moveFocusAway();
}

void TMainview::FrontTopSidewindow1Click() {
  ws_.views.ThreeWindows = true;
  aanzCl();
}

void TMainview::Onlyfrontwindow1Click() {
  ws_.views.ThreeWindows = false;
  aanzCl();
}

void TMainview::zoomClick(double percent) {
  setZoom(ws_.scene, ws_.views, percent);
  redraw();
}

void TMainview::Other1Click() {
  const double percent = windows_.zoom->ask(ws_.views.ZoomPercent);
  if (percent > 0) setZoom(ws_.scene, ws_.views, percent);
  redraw();
}

void TMainview::Surveyview1Click() {
  ws_.views.SurveyVisible = survey_action_->isChecked();
  if (!windows_.survey) return;
  windows_.survey->setVisible(ws_.views.SurveyVisible);
  // Hidden, it was not drawn: it shows the scene as it is now.
  if (ws_.views.SurveyVisible) windows_.survey->teken();
}

void TMainview::On1Click() {
  ws_.views.CrossOn = true;
  redraw();
}

void TMainview::Off1Click() {
  ws_.views.CrossOn = false;
  redraw();
}

void TMainview::shadingClick(int view, ShadingChoice choice) {
  ViewShadingEntry& e = ws_.views.ViewShading[static_cast<std::size_t>(view - 1)];
  e = {choice != ShadingChoice::Wired, choice == ShadingChoice::Flat,
       choice == ShadingChoice::Gouraud, choice == ShadingChoice::Phong};
  redraw();
}

void TMainview::ScrollBarChange(int view) {
  const ViewPanel* panel = viewPanel(view);
  const auto index = static_cast<std::size_t>(view - 1);
  ws_.views.ScrollX[index] = panel->horizontalBar()->value();
  ws_.views.ScrollY[index] = panel->verticalBar()->value();
  redraw();
}

void TMainview::polylClick() {
  ws_.tools.polyl = toolbox_->polyLines()->isChecked();
  redraw();
}

void TMainview::reflectionClick(int level) {
  setSelectedReflection(ws_.scene, level);
  redraw();
}

void TMainview::shadowClick(int level) {
  setShadowLevel(ws_.lighting, level);
  redraw();
}

void TMainview::Smoothselectedfaces1Click() {
  setSelectedSmooth(ws_.scene, true);
  redraw();
}

void TMainview::Unsmoothselectedfaces1Click() {
  setSelectedSmooth(ws_.scene, false);
  redraw();
}

void TMainview::Lamppositie1Click() {
  int x = 0, y = 0, z = 0;
  if (windows_.light_position->edit(ws_.lighting.LightPosition, x, y, z)) {
    setLightPosition(ws_.lighting, x, y, z);
  }
  redraw();
}

void TMainview::Settings1Click() {
  windows_.settings->run();
  selectStepLists();
  if (windows_.survey) windows_.survey->showSettings();
  redraw();
}

}  // namespace facetry
