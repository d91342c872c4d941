// app/file_commands.cpp: the file, shell and edit commands of the main window.
#include <QFileDialog>
#include <QFileInfo>

#include "edit/tool_modes.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "files/model_commands.h"
#include "files/shell_commands.h"
#include "files/undo.h"
#include "help_window.h"
#include "main_window.h"
#include "small_dialogs.h"
#include "toolbox.h"

namespace facetry {

namespace {

// Format numbers of the file dialogs' filters (from 1).
constexpr int kDxfFormat = 2;          // in both dialogs
constexpr int kThreeDsSaveFormat = 5;  // "3D studio files" in the save dialog
constexpr int kThreeDsLoadFormat = 4;  // and in the open dialog

// "Description|*.ext|Description|*.ext" as the file dialog's filter list.
QStringList dialogFilters(const char* filter) {
  const QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
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
                        const char* filter, const QString& directory, const QString& preset) {
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

QString filterName(const char* filter, int index) {
  return QString::fromLatin1(filter).split(QLatin1Char('|')).value(2 * (index - 1));
}

}  // namespace

void TMainview::Save1Click() {
  const DialogChoice choice = chooseFile(this, "SaveDialog1", QFileDialog::AcceptSave, kSaveFilter,
                                         dialog_directory_, QString::fromStdString(ws_.ModelName));
  if (choice.path.isEmpty() || choice.filter_index < 1) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  const int format = choice.filter_index;
  const bool picture = format == kBitmapFilter || format == kJpegFilter;
  const bool exchange = format == kDxfFormat || format == kThreeDsSaveFormat;
  if (format != 1 && !picture && !exchange) {
    host_.message((QStringLiteral("Saving as ") + filterName(kSaveFilter, choice.filter_index) +
                   QStringLiteral(" is not available yet."))
                      .toStdString(),
                  "Save", MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  const std::string path =
      withExtension(choice.path.toStdString(),
                    kSaveExtensions[static_cast<std::size_t>(choice.filter_index - 1)]);
  if (QFileInfo::exists(QString::fromStdString(path)) &&
      host_.message("Overwrite ?", "File already exists", MessageIcon::Warning,
                    MessageButtons::YesNo) != Answer::Yes) {
    return;
  }
  if (picture) {
    savePicture(format, path);
    return;
  }
  if (format == kDxfFormat) {
    writeDxf(ws_.scene, path);
    return;
  }
  if (format == kThreeDsSaveFormat) {
    write3ds(ws_.scene, ws_.views, path);
    return;
  }
  ws_.ModelName = saveNativeModel(ws_.scene, ws_.views, path);
  setCaption();
}

void TMainview::Load1Click() {
  const DialogChoice choice = chooseFile(this, "OpenDialog1", QFileDialog::AcceptOpen, kLoadFilter,
                                         dialog_directory_, QString());
  if (choice.path.isEmpty() || choice.filter_index < 1) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  const int format = choice.filter_index;
  if (format == kDxfFormat || format == kThreeDsLoadFormat) {
    importExchangeFile(format, choice.path.toStdString());
    return;
  }
  if (format != 1) {
    host_.message((QStringLiteral("Reading ") + filterName(kLoadFilter, format) +
                   QStringLiteral(" is not available yet."))
                      .toStdString(),
                  "Load", MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  loadModel(choice.path.toStdString());
}

void TMainview::importExchangeFile(int format, const std::string& path) {
  // The "Reading" window counts the faces while the importer adds them; it is hidden again
  // whatever happens, and the views show what was read.
  host_.showReading(true);
  try {
    if (format == kDxfFormat) {
      readDxf(ws_.scene, host_, ws_.views, dxf_state_, path);
    } else {
      read3ds(ws_.scene, host_, ws_.views, ws_.lighting.LightPosition, path);
    }
  } catch (...) {
    host_.showReading(false);
    redraw();
    throw;
  }
  host_.showReading(false);
  redraw();
}

void TMainview::loadModel(const std::string& path) {
  const std::string name = loadNativeModel(ws_.scene, ws_.views, host_, ws_.textures, path);
  if (!name.empty()) {
    ws_.ModelName = name;
    setCaption();
  }
  redraw();
}

void TMainview::Importfcy1Click() {
  const DialogChoice choice = chooseFile(this, "OpenDialog1", QFileDialog::AcceptOpen, kLoadFilter,
                                         dialog_directory_, QString());
  if (choice.path.isEmpty() || choice.filter_index != 1) return;
  dialog_directory_ = QFileInfo(choice.path).absolutePath();
  importNativeModel(ws_.scene, host_, ws_.textures, choice.path.toStdString());
  redraw();
}

void TMainview::New1Click() {
  const bool emptied = newScene(ws_.scene, ws_.views, host_, [this] { Save1Click(); });
  if (emptied) {
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

void TMainview::Delete1Click() {
  voorundo(ws_.scene);
  deleteSelectedFaces(ws_.scene, host_);
  redraw();
}

void TMainview::Turnselectedfacesintooneobject1Click() {
  voorundo(ws_.scene);
  collectSelectedFaces(ws_.scene, host_);
  redraw();
}

}  // namespace facetry
