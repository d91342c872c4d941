// app/material_menu.cpp: the "&Edit" "Material" menu and its handlers.
#include <QMenu>

#include "edit/material_commands.h"
#include "main_window.h"
#include "material_windows.h"

namespace facetry {

void TMainview::buildMaterialMenu(QMenu* edit) {
  QMenu* material = edit->addMenu(QStringLiteral("Material"));
  material->setObjectName(QStringLiteral("Material2"));
  addCommand(material, "Material1", "Apply...", [this] { Material1Click(); });
  QMenu* resize = material->addMenu(QStringLiteral("Resize"));
  resize->setObjectName(QStringLiteral("Resize1"));
  addCommand(resize, "Larger1", "Larger", [this] { Larger1Click(); });
  addCommand(resize, "Smaller1", "Smaller", [this] { Smaller1Click(); });
  QMenu* move = material->addMenu(QStringLiteral("Move"));
  move->setObjectName(QStringLiteral("Move1"));
  addCommand(move, "left1", "Left", [this] { left1Click(); });
  addCommand(move, "Right1", "Right", [this] { Right1Click(); });
  addCommand(move, "Up1", "Up", [this] { Up1Click(); });
  addCommand(move, "Down1", "Down", [this] { Down1Click(); });
  addCommand(material, "Resizeandmove1", "Resize and move...", [this] { Resizeandmove1Click(); });
  addCommand(material, "Materialsused1", "Materials used", [this] { Materialsused1Click(); });
}

void TMainview::Material1Click() {
  const MaterialChoice choice = windows_.material->choose(ws_.settings.SearchDirectory);
  redrawIf(applyMaterial(ws_, host_, choice));
}

void TMainview::Larger1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Larger));
}
void TMainview::Smaller1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Smaller));
}
void TMainview::left1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Left));
}
void TMainview::Right1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Right));
}
void TMainview::Up1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Up));
}
void TMainview::Down1Click() {
  redrawIf(moveTexture(ws_, TextureMove::Down));
}

void TMainview::Resizeandmove1Click() {
  // Each button of the dialog runs as its own command, through the general error handler.
  windows_.resize_move->run(ws_.tools.ResizePercent, [this](TextureMove move) {
    command([this, move] { redrawIf(moveTexture(ws_, move)); });
  });
}

void TMainview::Materialsused1Click() {
  std::vector<std::string> lines;
  if (windows_.materials_used->edit(materialNames(ws_.scene), lines)) {
    redrawIf(renameMaterials(ws_, host_, lines));
  }
}

}  // namespace facetry
