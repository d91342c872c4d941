// files/undo.cpp: the undo snapshot through the native model file, and the history
// behind it.
#include "files/undo.h"

#include "files/native_file.h"
#include "files/undo_history.h"
#include "scene/scratch_files.h"

namespace facetry {

void voorundo(Scene& scene) {
  scene.ModifiedFlag = true;
  opslaan(scene, kUndoFile);
  if (UndoHistory* history = scene.undo_link.history) history->recordSnapshot(kUndoFile);
}

bool Undo1Click(Scene& scene, Host& host) {
  UndoHistory* history = scene.undo_link.history;
  if (history && history->undoSteps() > 0) return history->undo(scene, host);
  return ophaal(scene, host, kUndoFile, true, nullptr);
}

bool Redo1Click(Scene& scene, Host& host) {
  UndoHistory* history = scene.undo_link.history;
  return history && history->redo(scene, host);
}

}  // namespace facetry
