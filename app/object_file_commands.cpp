// app/object_file_commands.cpp: the object and modeler file commands of the "&File" menu.
// Each shows its dialog (`Saveobjects` or `loadobjects`, filter and name set before each
// use) and hands the chosen file to the core.
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

#include "editors/object_commands.h"
#include "files/modeler_file.h"
#include "files/object_file.h"
#include "main_window.h"

namespace facetry {

namespace {

// The object dialogs: an empty string when cancelled.
std::string chooseObjectFile(QWidget* parent, bool save, const char* description,
                             const char* pattern) {
  QFileDialog dialog(parent, save ? QStringLiteral("Save As") : QStringLiteral("Open"));
  dialog.setObjectName(save ? QStringLiteral("Saveobjects") : QStringLiteral("loadobjects"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(
      QStringLiteral("%1 (%2)").arg(QLatin1String(description), QLatin1String(pattern)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

void TMainview::buildObjectFileMenus(QMenu* file) {
  addCommand(file, "Saveselectionasobject1", "Save selection as &object...",
             [this] { Saveselectionasobject1Click(); });
  addCommand(file, "Importobject1", "&Import object...", [this] { Importobject1Click(); });
  QMenu* modeling = file->addMenu(QStringLiteral("Modeling files"));
  modeling->setObjectName(QStringLiteral("Modelingfiles1"));
  addCommand(modeling, "Exportselectedfaces1", "Export selected faces",
             [this] { Exportselectedfaces1Click(); });
  addCommand(modeling, "Import1", "Import", [this] { Import1Click(); });
}

void TMainview::Saveselectionasobject1Click() {
  if (!checkSelectionToSave(ws_.scene, host_)) return;
  const std::string path = chooseObjectFile(this, true, "Object files", "*.obq");
  if (path.empty()) return;
  saveSelectionAsObject(ws_.scene, path);
}

void TMainview::Importobject1Click() {
  const std::string path = chooseObjectFile(this, false, "Object files", "*.obq");
  if (path.empty()) return;
  try {
    importObject(ws_, host_, path);
  } catch (...) {
    redraw();
    throw;
  }
  showButs();
  redraw();
}

void TMainview::Exportselectedfaces1Click() {
  if (ws_.scene.FaceCount == 0 || countSelectedFaces(ws_.scene) == 0) return;
  const std::string path = chooseObjectFile(this, true, "Modeler files", "*.mdd");
  if (path.empty()) return;
  exportSelectedFaces(ws_.scene, path);
}

void TMainview::Import1Click() {
  const std::string path = chooseObjectFile(this, false, "Modeler files", "*.mdd");
  try {
    importModeler(ws_, host_, path);
  } catch (...) {
    redraw();
    throw;
  }
  redraw();
}

}  // namespace facetry
