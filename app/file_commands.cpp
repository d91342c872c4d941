// app/file_commands.cpp: the file, shell and edit commands of the main window.
#include <QFileDialog>
#include <QFileInfo>

#include "edit/tool_buttons.h"
#include "edit/tool_modes.h"
#include "exchange/format_table.h"
#include "files/model_commands.h"
#include "files/shell_commands.h"
#include "files/undo.h"
#include "help_window.h"
#include "main_window.h"
#include "small_dialogs.h"
#include "toolbox.h"
#include "view_widgets.h"

namespace facetry {

namespace {

// The core's "Description|*.ext|Description|*.ext" as the file dialog's filter list.
QStringList dialogFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  }
  return filters;
}

struct DialogChoice {
  QString path;
  int filter_index = 0;  // from 1, as the formats are numbered
};

// Runs a file dialog; an empty path when it was cancelled.
DialogChoice chooseFile(QWidget* parent, const char* name, QFileDialog::AcceptMode mode,
                        const std::string& filter, const QString& directory,
                        const QString& preset) {
  QFileDialog dialog(
      parent, mode == QFileDialog::AcceptSave ? QStringLiteral("Save As") : QStringLiteral("Open"));
  dialog.setObjectName(QString::fromLatin1(name));
  dialog.setAcceptMode(mode);
  // A typed name that does not exist is handed on (loading it does nothing), and an
  // existing one is asked about by the save command itself.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = dialogFilters(filter);
  dialog.setNameFilters(filters);
  dialog.setDirectory(directory);
  if (!preset.isEmpty()) dialog.selectFile(preset);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().first(),
          static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

void TMainview::Save1Click() {
  const DialogChoice choice =
      chooseFile(this, "SaveDialog1", QFileDialog::AcceptSave, dialogFilter(saveDialogFormats()),
                 dialog_directory_, QString::fromStdString(ws_.ModelName));
  const FileFormat* format = saveFormatAt(choice.filter_index);
  if (choice.path.isEmpty() || !format) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  // A picture is the front view's visible part.
  const ViewPanel* front = viewPanel(1);
  const PictureArea area{ws_.views.ScrollX[0], ws_.views.ScrollY[0], front->width(),
                         front->height()};
  const std::string written = saveInFormat(ws_, host_, *format, choice.path.toStdString(), area);
  if (!written.empty()) {
    if (format->replaces_scene) rememberModelFile(written);  // the native format
    setCaption();
  }
}

void TMainview::Load1Click() {
  const DialogChoice choice =
      chooseFile(this, "OpenDialog1", QFileDialog::AcceptOpen, dialogFilter(loadDialogFormats()),
                 dialog_directory_, QString());
  const FileFormat* format = loadFormatAt(choice.filter_index);
  if (choice.path.isEmpty() || !format) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  loadFile(*format, choice.path.toStdString());
}

void TMainview::loadFile(const FileFormat& format, const std::string& path) {
  // A format that replaces the scene asks about unsaved work first.
  if (format.replaces_scene && format.read &&
      !askToSaveChanges(ws_.scene, host_, [this] { Save1Click(); })) {
    return;
  }
  try {
    if (loadInFormat(ws_, host_, format, path) && format.replaces_scene) rememberModelFile(path);
  } catch (...) {
    setCaption();
    redraw();
    throw;
  }
  setCaption();
  redraw();
}

void TMainview::Importfcy1Click() {
  const DialogChoice choice =
      chooseFile(this, "OpenDialog1", QFileDialog::AcceptOpen, dialogFilter(loadDialogFormats()),
                 dialog_directory_, QString());
  if (choice.path.isEmpty() || choice.filter_index != 1) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  importNativeModel(ws_.scene, host_, ws_.textures, choice.path.toStdString());
  redraw();
}

void TMainview::New1Click() {
  const bool emptied = newScene(ws_.scene, ws_.views, host_, [this] { Save1Click(); });
  if (emptied) {
    model_path_.clear();
    allesfout(ws_.tools, ws_.scene);
    ws_.tools.ToolMode = ModeNone;
    showButs();
  }
  // Also after Cancel: the scene is back at 100 %.
  redraw();
}

void TMainview::Exit1Click() {
  if (confirmExit(ws_.scene, host_, [this] { Save1Click(); })) close();
}

void TMainview::Help2Click() {
  if (!help_) help_ = new HelpWindow(this);
  help_->showContents();
}

void TMainview::About1Click() {
  windows_.about->showCounts(ws_.scene.ObjectCount, ws_.scene.FaceCount);
  windows_.about->exec();
}

void TMainview::Undo1Click() {
  facetry::Undo1Click(ws_.scene, host_);
  redraw();
  // The elastic cage fits the restored corners.
  if (ws_.tools.flags.elasticOn) Elastic1Click();
}

void TMainview::Redo1Click() {
  facetry::Redo1Click(ws_.scene, host_);
  redraw();
}

void TMainview::Delete1Click() {
  deleteSelection(ws_, host_);
  redraw();
}

void TMainview::Turnselectedfacesintooneobject1Click() {
  collectSelection(ws_, host_);
  redraw();
}

}  // namespace facetry
