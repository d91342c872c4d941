// cli/step_tables.cpp: the tables of edit and build steps, each family adding its own.
#include <cctype>

#include "edit_steps.h"

namespace facetry {

const EditSteps& editSteps() {
  static const EditSteps steps = [] {
    EditSteps s;
    addSelectionEditSteps(s);
    addObjectFileEditSteps(s);
    addPunchEditSteps(s);
    addArrayEditSteps(s);
    addMaterialEditSteps(s);
    addExtendEditSteps(s);
    addHistoryEditSteps(s);
    return s;
  }();
  return steps;
}

const BuildSteps& buildSteps() {
  static const BuildSteps steps = [] {
    BuildSteps s;
    addToolBuildSteps(s);
    addObjectFileBuildSteps(s);
    addLandscapeBuildSteps(s);
    addCurveBuildSteps(s);
    addPolyBuildSteps(s);
    return s;
  }();
  return steps;
}

int objectReference(const Scene& scene, const std::string& word, const std::string& step) {
  if (word.size() > 1 && word[0] == '#') {
    const int n = parseInt(word.substr(1), step);
    if (n < 0 || n >= scene.ObjectCount) {
      throw UsageError(step + ": there is no object " + word + " (the scene has " +
                       std::to_string(scene.ObjectCount) + ")");
    }
    return n;
  }
  for (int k = 0; k < scene.ObjectCount; ++k) {
    if (scene.ObjectTable[static_cast<std::size_t>(k)].name.str() == word) return k;
  }
  throw UsageError(step + ": there is no object named " + word);
}

}  // namespace facetry
