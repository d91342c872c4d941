// exchange/format_table.h: every file format the modeller reads or writes, in one table:
// its name for `facetry-cli convert --format`, its extension, its place in the "&Save..."
// and "&Load..." dialogs and its reader and writer. The window's file dialogs and the
// command-line tool both take their formats, filters and messages from here; a format that
// is only written (POV-Ray, pictures) or only read has no reader or writer, and says so.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scene/host.h"
#include "workspace.h"

namespace facetry {

// The part of the front view a picture format saves: the visible rectangle of its image.
struct PictureArea {
  int left = 0, top = 0;
  int width = 815, height = 815;
};

struct FileFormat {
  std::string key;        // "fcy", "dxf", "vrml1", ... as --format names it
  std::string extension;  // ".fcy", appended by the save dialog's extension rule
  // Its filter in each dialog ("Facetry-files", "*.fcy") and its position there (from 1,
  // as the dialogs number their filters); 0 when the dialog does not offer it.
  std::string description;
  std::string pattern;
  int save_index = 0;
  int load_index = 0;
  // What "&Load..." does with the file: the native format replaces the scene, the others
  // add what they read as new objects. Empty when the format cannot be read.
  std::function<void(Workspace&, Host&, const std::string& path)> read;
  // What "&Save..." writes. Empty when the format cannot be written.
  std::function<void(Workspace&, Host&, const std::string& path, const PictureArea&)> write;
  bool picture = false;  // a picture of the front view, not the model
  // Reading replaces the scene (the native format) instead of adding to it, so "&Load..."
  // asks about unsaved work first.
  bool replaces_scene = false;
};

// Every format, the dialogs' ones first in their order.
const std::vector<FileFormat>& fileFormats();

// The formats of one dialog in the order of their filter indices.
std::vector<const FileFormat*> saveDialogFormats();
std::vector<const FileFormat*> loadDialogFormats();
// A dialog's filter list, "Facetry-files|*.fcy|DXF-files|*.dxf|...".
std::string dialogFilter(const std::vector<const FileFormat*>& formats);
// The format at filter `index` (from 1) of a dialog, or null.
const FileFormat* saveFormatAt(int index);
const FileFormat* loadFormatAt(int index);
// The format named `key` ("vrml1"), or null.
const FileFormat* formatNamed(const std::string& key);
// The format a path's extension stands for when reading, or writing (".wrl" reads as VRML
// of either version and writes VRML 2.0). Case does not matter. Null when none.
const FileFormat* readFormatOf(const std::string& path);
const FileFormat* writeFormatOf(const std::string& path);

// "&Save..." once its dialog is closed: `path` gets the format's extension by the dialog's
// rule; a file already there is asked about ("Overwrite ?", Yes/No); a format that cannot
// be written says so and writes nothing. The native format sets the model name. Returns
// the path written, or an empty string when nothing was written.
std::string saveInFormat(Workspace& ws, Host& host, const FileFormat& format,
                         const std::string& path, const PictureArea& area = {});

// Reads `path` as `format` the way "&Load..." does (a format that cannot be read says so). The
// exchange readers show the "Reading" counter while they add faces. Returns false when
// nothing was read.
bool loadInFormat(Workspace& ws, Host& host, const FileFormat& format, const std::string& path);

}  // namespace facetry
