// ops/cutting_tools.h: the click steps of the user extension and of the two-object pick
// that the boolean operations share with the punch tool.
#pragma once
#include "workspace.h"

namespace facetry {

// Sets ws.click_hooks.userExtend and ws.click_hooks.punchOrBooleanPick. The pick step
// hands a click to the boolean pick while booleanPickOn is set, and otherwise, while
// punchOn is set, to ws.click_hooks.punchPick (the punch tool's own step). Both take the
// workspace's Host (none: nothing is shown).
void connectCuttingTools(Workspace& ws);

}  // namespace facetry
