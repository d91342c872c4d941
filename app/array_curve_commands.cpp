// app/array_curve_commands.cpp: the main window's side of the array tools and the free
// curves: the array boxes, "&Copy selected items around center position", the "Nurbs"
// menu, the curve buttons of the toolbox, and the two windows the core asks for while a
// line array or a connection runs.
#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include "array_dialogs.h"
#include "edit/tool_modes.h"
#include "edit/tool_pictures.h"
#include "main_window.h"
#include "ops/array_curve_tools.h"
#include "ops/array_tools.h"
#include "toolbox.h"

namespace facetry {

void TMainview::buildNurbsMenu() {
  QMenu* nurbs = menuBar()->addMenu(QStringLiteral("Nurbs"));
  nurbs->setObjectName(QStringLiteral("Nurbs1"));
  addCommand(nurbs, "Drawnurb1", "Draw nurb", [this] { Drawnurb1Click(); });
  addCommand(nurbs, "Editpointsselectednurb1", "Edit points selected nurb",
             [this] { Editpointsselectednurb1Click(); });
  QMenu* connect_menu = nurbs->addMenu(QStringLiteral("Connect"));
  connect_menu->setObjectName(QStringLiteral("Connect1"));
  addCommand(connect_menu, "All1", "All", [this] { All1Click(); });
  addCommand(connect_menu, "Individual1", "Individual", [this] { Individual1Click(); });
  QMenu* array = nurbs->addMenu(QStringLiteral("Array selected nurbs round center"));
  array->setObjectName(QStringLiteral("Arrayselectednurbsroundcenter1"));
  addCommand(array, "xrotation1", "x-rotation", [this] { xrotation1Click(); });
  addCommand(array, "yrotation1", "y-rotation", [this] { yrotation1Click(); });
  addCommand(array, "zrotation1", "z-rotation", [this] { zrotation1Click(); });
  addCommand(nurbs, "Deleteallnurbs1", "Delete all nurbs", [this] { Deleteallnurbs1Click(); });
  addCommand(nurbs, "Setnurbresolution1", "Set nurb resolution",
             [this] { Setnurbresolution1Click(); });
  addCommand(nurbs, "Selectallnurbs1", "Select all nurbs", [this] { Selectallnurbs1Click(); });
  addCommand(nurbs, "Deselectallnurbs1", "De-select all nurbs",
             [this] { Deselectallnurbs1Click(); });
}

void TMainview::connectArrayCurveTools() {
  const std::pair<const char*, void (TMainview::*)()> buttons[] = {
      {"nurbdrawbutton", &TMainview::Drawnurb1Click},
      {"nurbeditbutton", &TMainview::Editpointsselectednurb1Click},
      {"nurbarzbutton", &TMainview::zrotation1Click},
      {"nurbarybutton", &TMainview::yrotation1Click},
      {"nurbarxbutton", &TMainview::xrotation1Click},
      {"nurbselbutton", &TMainview::Selectallnurbs1Click},
      {"nurbdelbutton", &TMainview::Deleteallnurbs1Click},
      {"connectap", &TMainview::All1Click},
      {"connectind", &TMainview::Individual1Click},
      // "Show nurb buttons" swaps the panels (the toolbox does that) and starts drawing.
      {"SpeedButton7", &TMainview::Drawnurb1Click},
  };
  for (const auto& [name, handler] : buttons) connectButton(name, handler);
  const std::pair<const char*, void (TMainview::*)()> boxes[] = {{"xdir", &TMainview::xdirClick},
                                                                 {"ydir", &TMainview::ydirClick},
                                                                 {"zdir", &TMainview::zdirClick},
                                                                 {"linar", &TMainview::linarClick}};
  for (const auto& [name, handler] : boxes) {
    connect(toolbox_->findChild<QAbstractButton*>(QString::fromLatin1(name)),
            &QAbstractButton::clicked, this,
            [this, handler = handler] { command([this, handler] { (this->*handler)(); }); });
  }
}

void TMainview::connectArrayCurveWindows() {
  ArrayCurveState& state = ws_.array_curves;
  state.previewLineArray = [this] {
    if (!windows_.line_array_preview) return 1;
    return windows_.line_array_preview->preview(
        ws_.tools.ClickList1.count, ws_.array_curves.preview_angle, ws_.scene.RotateAll);
  };
  state.askCurveResolution = [this] {
    return !windows_.nurb_resolution || windows_.nurb_resolution->ask(ws_.array_curves.curves);
  };
}

void TMainview::showCurveTools() {
  showButs();
  const std::string& status = ws_.array_curves.status;
  if (!status.empty()) statusBar()->showMessage(QString::fromStdString(status), 10000);
  ws_.array_curves.status.clear();
}

namespace {

bool boxChecked(const Toolbox* toolbox, const char* name) {
  return toolbox->findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
}

}  // namespace

void TMainview::xdirClick() {
  setArrayBox(ws_.tools, ArrayBox::X, boxChecked(toolbox_, "xdir"));
  toolbox_->showToolState(ws_.tools);
  moveFocusAway();
}

void TMainview::ydirClick() {
  setArrayBox(ws_.tools, ArrayBox::Y, boxChecked(toolbox_, "ydir"));
  toolbox_->showToolState(ws_.tools);
  moveFocusAway();
}

void TMainview::zdirClick() {
  setArrayBox(ws_.tools, ArrayBox::Z, boxChecked(toolbox_, "zdir"));
  toolbox_->showToolState(ws_.tools);
  moveFocusAway();
}

void TMainview::linarClick() {
  const bool line = boxChecked(toolbox_, "linar");
  setArrayBox(ws_.tools, ArrayBox::Lin, line);
  toolbox_->showToolState(ws_.tools);
  toolbox_->showPicture(line ? ToolPicture::LineArray : ToolPicture::Array);
  moveFocusAway();
}

void TMainview::copyselecteditemsroundturningpoint1Click() {
  CopyAroundSettings settings = copyAroundDefaults(ws_.tools, ws_.views.CentrePoint);
  if (!windows_.copy_around->ask(settings)) return;
  ws_.array_curves.copy_around = settings;
  copyAroundCentre(ws_.scene, host_, settings);
  redraw();
}

void TMainview::Drawnurb1Click() {
  drawNurb(ws_);
  showCurveTools();
}

void TMainview::Editpointsselectednurb1Click() {
  editNurbPoints(ws_);
  showCurveTools();
}

void TMainview::All1Click() {
  const bool changed = connectAllNurbs(ws_, host_);
  showCurveTools();
  redrawIf(changed);
}

void TMainview::Individual1Click() {
  connectIndividualNurbs(ws_);
  showCurveTools();
}

void TMainview::xrotation1Click() {
  chooseNurbArray(ws_, ModeNurbArrayX);
  showCurveTools();
}

void TMainview::yrotation1Click() {
  chooseNurbArray(ws_, ModeNurbArrayY);
  showCurveTools();
}

void TMainview::zrotation1Click() {
  chooseNurbArray(ws_, ModeNurbArrayZ);
  showCurveTools();
}

void TMainview::Deleteallnurbs1Click() {
  deleteAllNurbs(ws_);
  redraw();
}

void TMainview::Setnurbresolution1Click() {
  ws_.array_curves.curves.dont_ask = false;
  windows_.nurb_resolution->ask(ws_.array_curves.curves);
  redraw();
}

void TMainview::Selectallnurbs1Click() {
  selectAllNurbs(ws_, true);
  redraw();
}

void TMainview::Deselectallnurbs1Click() {
  selectAllNurbs(ws_, false);
  redraw();
}

}  // namespace facetry
