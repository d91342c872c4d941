// ops/cutting_tools.cpp: the user extension's and the two-object pick's click steps.
#include "ops/cutting_tools.h"

#include "ops/boolean_ops.h"
#include "ops/user_cut.h"
#include "scene/null_host.h"

namespace facetry {

namespace {

Host& hostOf(Workspace& ws) {
  static NullHost quiet;
  return ws.host ? *ws.host : quiet;
}

}  // namespace

void connectCuttingTools(Workspace& ws) {
  ws.click_hooks.userExtend = [&ws](View view, float a, float b, float c) {
    return userExtendClick(ws, hostOf(ws), view, a, b, c);
  };
  ws.click_hooks.punchOrBooleanPick = [&ws](View view, float a, float b, float c) {
    if (ws.tools.flags.booleanPickOn) return booleanPickClick(ws, hostOf(ws), view, a, b);
    if (ws.tools.flags.punchOn && ws.click_hooks.punchPick) {
      return ws.click_hooks.punchPick(view, a, b, c);
    }
    return false;
  };
}

}  // namespace facetry
