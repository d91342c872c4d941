// files/shell_commands.cpp: New, Exit, shutdown and the face attribute commands.
#include "files/shell_commands.h"

#include <string>

#include "files/undo.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

constexpr const char* kSaveQuestion = "Do you want to save ?";
constexpr const char* kSaveQuestionTitle = "Scene is modified";

}  // namespace

bool newScene(Scene& scene, ViewState& views, Host& host, const SaveCommand& save) {
  // The flag is read before the snapshot, which sets it.
  const bool was_modified = scene.ModifiedFlag;
  setZoom(scene, views, 100);
  voorundo(scene);
  if (was_modified) {
    const Answer answer = host.message(kSaveQuestion, kSaveQuestionTitle, MessageIcon::Warning,
                                       MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) save();
  }
  scene.MaterialCount = 1;
  scene.NurbCount = 0;
  scene.surface(0).count = 0;
  scene.surface(1).count = 0;
  clearFacesAndObjects(scene);
  scene.ModifiedFlag = false;
  return true;
}

bool confirmExit(Scene& scene, Host& host, const SaveCommand& save) {
  if (scene.ModifiedFlag) {
    const Answer answer = host.message(kSaveQuestion, kSaveQuestionTitle, MessageIcon::Warning,
                                       MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) save();
  }
  // Cleared whatever the save dialog did, so that the shutdown does not ask again.
  scene.ModifiedFlag = false;
  return true;
}

bool askToSaveChanges(Scene& scene, Host& host, const SaveCommand& save) {
  if (!scene.ModifiedFlag) return true;
  const Answer answer = host.message(kSaveQuestion, kSaveQuestionTitle, MessageIcon::Warning,
                                     MessageButtons::YesNoCancel);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) save();
  return true;
}

bool shutdownScene(Scene& scene, Host& host, const SaveCommand& save) {
  try {
    if (!askToSaveChanges(scene, host, save)) return false;
  } catch (...) {
    removeScratchFiles();
    throw;
  }
  removeScratchFiles();
  return true;
}

void setSelectedReflection(Scene& scene, int level) {
  if (level < 0 || level > 4) {
    throw RangeError("Reflection level " + std::to_string(level) + " is outside 0..4");
  }
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& face = scene.face(i);
    if (face.selected) face.ReflectionLevel = static_cast<std::uint8_t>(level);
  }
}

void setSelectedSmooth(Scene& scene, bool smooth) {
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& face = scene.face(i);
    if (face.selected) face.smooth = smooth ? 1 : 0;
  }
}

}  // namespace facetry
