// app/selection_commands.cpp: selecting in the main window: the Select button with its
// "Points" and "Faces" boxes, the "&Select area" menu, the selection menus and dialogs, and
// colouring the selected faces from the colour grid or the colour dialog.
#include <QAbstractButton>
#include <QColorDialog>

#include "colour_grid.h"
#include "edit/selection.h"
#include "files/undo.h"
#include "main_window.h"
#include "selection_dialogs.h"
#include "toolbox.h"

namespace facetry {

namespace {

bool boxChecked(const Toolbox* toolbox, const char* name) {
  return toolbox->findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
}

}  // namespace

void TMainview::SpeedButton6Click() {
  const bool switched_off = facetry::SpeedButton6Click(ws_.tools, ws_.scene);
  showButs();
  redrawIf(switched_off);
}

void TMainview::selectpointsClick() {
  const bool changed =
      facetry::selectpointsClick(ws_.tools, ws_.scene, boxChecked(toolbox_, "selectpoints"));
  toolbox_->showToolState(ws_.tools);
  redrawIf(changed);
}

void TMainview::selectfacesClick() {
  const bool changed =
      facetry::selectfacesClick(ws_.tools, ws_.scene, boxChecked(toolbox_, "selectfaces"));
  showButs();  // checked, it is the "Face" menu, which resets the toolbox
  redrawIf(changed);
}

void TMainview::Selectarea1Click() {
  facetry::Selectarea1Click(ws_.tools, ws_.scene);
  showButs();
}

void TMainview::Points1Click() {
  facetry::Points1Click(ws_.tools, ws_.scene);
  showButs();
}

void TMainview::Face1Click() {
  facetry::Face1Click(ws_.tools, ws_.scene);
  showButs();
}

void TMainview::Selectall1Click() {
  selectAll(ws_.scene);
  redraw();
}

void TMainview::Inverseselection1Click() {
  inverseSelection(ws_.scene);
  redraw();
}

void TMainview::Selectobjectbyname1Click() {
  std::vector<int> objects;
  std::uint8_t value = 1;
  if (windows_.select_by_name->choose(ws_.scene, objects, value)) {
    selectObjectsByIndex(ws_.scene, objects, value);
  }
  redraw();
}

void TMainview::ChobClick() {
  std::vector<int> objects;
  std::string name;
  if (windows_.change_names->choose(ws_.scene, objects, name)) {
    renameObjects(ws_.scene, objects, name);
  }
}

void TMainview::recolour(const QColor& colour) {
  voorundo(ws_.scene);
  colourSelected(ws_.scene, {static_cast<std::uint8_t>(colour.red()),
                             static_cast<std::uint8_t>(colour.green()),
                             static_cast<std::uint8_t>(colour.blue())});
  redraw();
}

void TMainview::ColorGrid1Change() {
  recolour(ColourGrid::colour(toolbox_->colourGrid()->foregroundIndex()));
}

void TMainview::Kleur1Click() {
  QColorDialog dialog(this);
  dialog.setObjectName(QStringLiteral("ColorDialog1"));
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  const Rgb current = ws_.scene.CurrentColour;
  dialog.setCurrentColor(QColor(current.red, current.green, current.blue));
  if (dialog.exec() == QDialog::Accepted) recolour(dialog.currentColor());
}

}  // namespace facetry
