// files/undo.h: the single-level undo. Before a command changes the scene it saves the
// whole scene, at the zoom of the moment, to "undo.fil" in the working directory; undo
// reads that file back in place of the scene.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

// Takes the snapshot: sets ModifiedFlag, then writes "undo.fil". Throws IoError, in which
// case the command that asked for it must not go on.
void voorundo(Scene& scene);

// "&Undo": replaces the scene with the snapshot (texture pictures are not reloaded). Does
// nothing and returns false when there is no snapshot. The zoom, ModifiedFlag and the
// model name stay as they are; a second undo restores the same state again.
bool Undo1Click(Scene& scene, Host& host);

}  // namespace facetry
