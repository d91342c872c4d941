// app/tool_commands.cpp: the toolbox's tool buttons and boxes in the main window: the
// construction tools, the flag tools (move, resize, copy, resize rectangle, drag along),
// Enlarge and Reduce, the rotate dial, and the transform commands of the Edit menu.
#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "edit/previews.h"
#include "edit/tool_buttons.h"
#include "edit/tool_modes.h"
#include "edit/tool_pictures.h"
#include "main_window.h"
#include "toolbox.h"

namespace facetry {

void TMainview::connectButton(const char* name, void (TMainview::*handler)()) {
  connect(toolbox_->button(name), &QToolButton::clicked, this,
          [this, handler] { command([this, handler] { (this->*handler)(); }); });
}

void TMainview::connectTools() {
  const std::pair<const char*, void (TMainview::*)()> buttons[] = {
      {"kubusknop", &TMainview::kubusknopClick},
      {"bolknop", &TMainview::bolknopClick},
      {"driehoekknop", &TMainview::driehoekknopClick},
      {"buisknop", &TMainview::buisknopClick},
      {"puntknop", &TMainview::puntknopClick},
      {"ringknop", &TMainview::ringknopClick},
      {"cirkelknop", &TMainview::cirkelknopClick},
      {"polyknop", &TMainview::polyknopClick},
      {"multibuisknop", &TMainview::multibuisknopClick},
      {"multioppervlakknop", &TMainview::multioppervlakknopClick},
      {"arrayknop", &TMainview::arrayknopClick},
      {"dragknop", &TMainview::dragknopClick},
      {"SpeedButton6", &TMainview::SpeedButton6Click},
      {"SpeedButton14", &TMainview::SpeedButton14Click},
      {"SpeedButton15", &TMainview::SpeedButton15Click},
      {"SpeedButton17", &TMainview::SpeedButton17Click},
      {"SpeedButton20", &TMainview::SpeedButton20Click},
      {"SpeedButton25", &TMainview::SpeedButton25Click},
      {"SpeedButton26", &TMainview::SpeedButton26Click},
      {"SpeedButton16", &TMainview::Delete1Click},
      {"SpeedButton21", &TMainview::SpeedButton21Click},
  };
  for (const auto& [name, handler] : buttons) connectButton(name, handler);
  connectPunchTool();

  auto box = [this](const char* name) {
    return toolbox_->findChild<QAbstractButton*>(QString::fromLatin1(name));
  };
  for (const char* name :
       {"closedar", "detri", "offmode", "xres", "yres", "zres", "texres", "relative"}) {
    connect(box(name), &QAbstractButton::toggled, this,
            [this] { command([this] { toolBoxesChanged(); }); });
  }
  connect(box("selectpoints"), &QAbstractButton::clicked, this,
          [this] { command([this] { selectpointsClick(); }); });
  connect(box("selectfaces"), &QAbstractButton::clicked, this,
          [this] { command([this] { selectfacesClick(); }); });
  connect(toolbox_->findChild<QSlider*>(QStringLiteral("sterkdrag")), &QSlider::valueChanged, this,
          [this] { command([this] { sterkdragChange(); }); });
  connect(toolbox_, &Toolbox::dialPressed, this,
          [this](int x, int y) { command([this, x, y] { Image6MouseDown(x, y); }); });
  connectArrayCurveTools();
}

void TMainview::showButs() {
  // The preview on the views belonged to the tool state that changed.
  erasePreview(ws_);
  toolbox_->showLook(buts(ws_.tools));
  toolbox_->showToolState(ws_.tools);
  moveFocusAway();
  showViews();
}

void TMainview::redrawIf(bool changed) {
  if (changed) redraw();
}

void TMainview::toolBoxesChanged() {
  auto checked = [this](const char* name) {
    return toolbox_->findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
  };
  ToolState& t = ws_.tools;
  t.closedar = checked("closedar");
  t.detri = checked("detri");
  t.offmode = checked("offmode");
  t.xres = checked("xres");
  t.yres = checked("yres");
  t.zres = checked("zres");
  t.texres = checked("texres");
  t.relative = checked("relative");
}

void TMainview::sterkdragChange() {
  ws_.tools.sterkdrag = toolbox_->findChild<QSlider*>(QStringLiteral("sterkdrag"))->value();
  // Keys go to the form again, not to the track bar.
  moveFocusAway();
}

void TMainview::chooseTool(const char* button, std::uint8_t mode) {
  chooseConstructionTool(ws_.tools, ws_.scene, mode);
  // The array's boxes belong to the line array too: the reset ran while the tool was the
  // plain array.
  const bool array = mode == ModeArray;
  const std::uint8_t chosen = ws_.tools.ToolMode;
  if (array) ws_.tools.ToolMode = ModeArray;
  showButs();
  ws_.tools.ToolMode = chosen;
  toolbox_->button(button)->setChecked(true);
  toolbox_->showPicture(pictureForMode(chosen, false));
}

void TMainview::kubusknopClick() {
  chooseTool("kubusknop", ModeCube);
}
void TMainview::bolknopClick() {
  chooseTool("bolknop", ModeSphere);
}
void TMainview::driehoekknopClick() {
  chooseTool("driehoekknop", ModeTriangle);
}
void TMainview::buisknopClick() {
  chooseTool("buisknop", ModeTube);
}
void TMainview::puntknopClick() {
  chooseTool("puntknop", ModePoint);
}
void TMainview::ringknopClick() {
  chooseTool("ringknop", ModeRing);
}
void TMainview::cirkelknopClick() {
  chooseTool("cirkelknop", ModeCircle);
}
void TMainview::polyknopClick() {
  chooseTool("polyknop", ModePolygon);
}
void TMainview::multibuisknopClick() {
  chooseTool("multibuisknop", ModeMultiTube);
}
void TMainview::multioppervlakknopClick() {
  chooseTool("multioppervlakknop", ModeMultiSurface);
}
void TMainview::arrayknopClick() {
  chooseTool("arrayknop", ModeArray);
}

void TMainview::dragknopClick() {
  Dragalong1Click();
  toolbox_->showPicture(ToolPicture::DragAlong);
}

void TMainview::Dragalong1Click() {
  startDragAlong(ws_);
  showButs();
}

void TMainview::SpeedButton14Click() {
  toggleFlagTool(ws_, FlagTool::Move);
  showButs();
}

void TMainview::SpeedButton15Click() {
  toggleFlagTool(ws_, FlagTool::Resize);
  showButs();
}

void TMainview::SpeedButton17Click() {
  toggleFlagTool(ws_, FlagTool::Copy);
  showButs();
}

void TMainview::SpeedButton20Click() {
  toggleFlagTool(ws_, FlagTool::ResizeRectangle);
  showButs();
}

void TMainview::SpeedButton25Click() {
  redrawIf(enlargeSelection(ws_));
  moveFocusAway();
}

void TMainview::SpeedButton26Click() {
  redrawIf(reduceSelection(ws_));
  moveFocusAway();
}

void TMainview::Image6MouseDown(int x, int y) {
  const Canvas& dial = toolbox_->dial();
  redrawIf(pressDial(ws_, dial.width(), dial.height(), x, y));
}

void TMainview::mirrorClick(int axis) {
  redrawIf(mirrorSelection(ws_, axis));
}

void TMainview::Centreer1Click() {
  redrawIf(centreScene(ws_));
}

void TMainview::Draaiom1Click() {
  redrawIf(turnFaces(ws_));
}

void TMainview::Smartturn1Click() {
  redrawIf(turnFacesToCentre(ws_));
}

}  // namespace facetry
