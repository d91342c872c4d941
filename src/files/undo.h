// files/undo.h: undo. Before a command changes the scene it saves the whole scene, at the
// zoom of the moment, to "undo.fil" in the working directory; undo reads that file back in
// place of the scene. A scene tied to an undo history (files/undo_history.h) also keeps
// every snapshot there, so undo steps back one at a time and redo steps forward again.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

// Takes the snapshot: sets ModifiedFlag, then writes "undo.fil" and records it in the
// scene's history, if any. Throws IoError when "undo.fil" cannot be written, in which case
// the command that asked for it must not go on (a history that cannot be written is
// reported by the history and does not stop the command).
void voorundo(Scene& scene);

// "&Undo": replaces the scene with the newest step of the history, or with "undo.fil" when
// the history has none (texture pictures are not reloaded). Does nothing and returns false
// when there is no snapshot. The zoom, ModifiedFlag and the model name stay as they are;
// with a single snapshot a second undo restores the same state again.
bool Undo1Click(Scene& scene, Host& host);

// "&Redo": steps forward again through what undo stepped back from, until a new snapshot
// is taken. Sets ModifiedFlag. Returns false, changing nothing, when there is nothing to
// redo (always for a scene without a history).
bool Redo1Click(Scene& scene, Host& host);

}  // namespace facetry
