// files/undo.cpp: the undo snapshot through the native model file.
#include "files/undo.h"

#include "files/native_file.h"
#include "scene/scratch_files.h"

namespace facetry {

void voorundo(Scene& scene) {
  scene.ModifiedFlag = true;
  opslaan(scene, kUndoFile);
}

bool Undo1Click(Scene& scene, Host& host) {
  return ophaal(scene, host, kUndoFile, true, nullptr);
}

}  // namespace facetry
