// files/shell_commands.h: the core of the main window's shell commands ("&New", "&Exit",
// the shutdown) and of the menu commands that set attributes of the selected faces. The
// window program shows the dialogs; what these commands ask goes through the Host.
#pragma once
#include <cstdint>
#include <functional>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// Runs the window program's "&Save..." command (its file dialog and choice of format).
using SaveCommand = std::function<void()>;

// "&New": zooms to 100 % and takes the undo snapshot, then, when the scene was modified,
// asks "Do you want to save ?" titled "Scene is modified" (Yes/No/Cancel). Cancel returns
// false and keeps the scene (now at 100 %, with a fresh snapshot). Yes runs `save` first.
// Then empties the scene (no materials, faces, objects or surfaces) and clears
// ModifiedFlag; the model name stays. The caller resets the tools and redraws.
// Throws IoError when the snapshot cannot be written (the scene is then unchanged).
bool newScene(Scene& scene, ViewState& views, Host& host, const SaveCommand& save);

// "&Exit": when the scene was modified asks "Do you want to save ?" (Yes/No/Cancel).
// Cancel returns false. Otherwise (Yes runs `save`; the exit goes on whatever the user did
// there) ModifiedFlag is cleared and the caller closes the main window.
bool confirmExit(Scene& scene, Host& host, const SaveCommand& save);

// Before a command that replaces the scene ("&Load..."): when the scene was modified asks
// "Do you want to save ?" (Yes/No/Cancel). Yes runs `save`; Cancel returns false and the
// command stops.
bool askToSaveChanges(Scene& scene, Host& host, const SaveCommand& save);

// The main window's closing: when the scene is still modified asks "Do you want to save ?"
// (Yes/No/Cancel; Yes runs `save`), then removes the scratch files. Cancel returns false:
// the window stays open and nothing is removed. The files are removed even when `save`
// throws.
bool shutdownScene(Scene& scene, Host& host, const SaveCommand& save);

// "&Reflection selected faces": reflection level 0 (Max) .. 4 (None) on every selected
// face. Throws RangeError for a level above 4.
void setSelectedReflection(Scene& scene, int level);
// "Face smoothing": the smooth flag (1 smooth, 0 not) of every selected face.
void setSelectedSmooth(Scene& scene, bool smooth);

}  // namespace facetry
