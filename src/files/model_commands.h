// files/model_commands.h: the native-format side of the main window's file commands:
// saving at 100 %, loading, importing (merging), the extension rule and the model name.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// The save dialog's extension rule: `name` with `extension` appended unless its last four
// characters are exactly that extension (case-sensitive: "A.FCY" becomes "A.FCY.fcy").
std::string withExtension(const std::string& name, const std::string& extension);
// The model name shown in the caption: the part of a path after its last '/' or '\'.
std::string modelNameOf(const std::string& path);

// Saves the scene as a native file holding 100 % coordinates, leaving the zoom as it was,
// and clears ModifiedFlag. Returns the new model name. Throws IoError (the zoom is still
// restored and ModifiedFlag stays set).
std::string saveNativeModel(Scene& scene, ViewState& views, const std::string& path);

// "&Load..." with the native filter: zoom to 100 %, then replace the scene with the file
// and load its texture pictures. Returns the new model name, or an empty string when the
// file was not loaded (missing, or not a model file). Takes no undo snapshot and leaves
// ModifiedFlag as it is.
std::string loadNativeModel(Scene& scene, ViewState& views, Host& host, TextureStore& textures,
                            const std::string& path);

// "Import &Facetry-file...": undo snapshot, then merge the file behind the current scene
// without changing the zoom or the model name.
bool importNativeModel(Scene& scene, Host& host, TextureStore& textures, const std::string& path);

}  // namespace facetry
