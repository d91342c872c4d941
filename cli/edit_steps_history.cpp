// cli/edit_steps_history.cpp: undo and redo within one edit run, through the same history
// as the window's "&Undo" and "&Redo". An undo before the run's first snapshot does
// nothing, whatever "undo.fil" an earlier run left in the working directory.
#include "edit_steps.h"
#include "files/undo.h"

namespace facetry {

void addHistoryEditSteps(EditSteps& steps) {
  steps.push_back({"--undo", "--undo", [](Workspace& ws, Host& host, StepArgs&) {
                     if (ws.undo_history.undoSteps() > 0) Undo1Click(ws.scene, host);
                   }});
  steps.push_back({"--redo", "--redo",
                   [](Workspace& ws, Host& host, StepArgs&) { Redo1Click(ws.scene, host); }});
}

}  // namespace facetry
