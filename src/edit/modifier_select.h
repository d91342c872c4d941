// edit/modifier_select.h: clicks with Shift or Ctrl held while selecting. A plain click
// keeps its meaning (it gives the object or face the toolbox's "On" / "off" value); Shift
// adds the object or face under the mouse to the selection whatever "off" says, and Ctrl
// turns its selection over.
#pragma once
#include "scene/host.h"
#include "workspace.h"

namespace facetry {

enum class ClickModifier { None, Add, Toggle };

// Whether a click with a modifier means something for the tool state: the Select tool
// (objects) or the face pick.
bool takesModifiedClick(const ToolState& tools);

// A left click at the view's last mouse position with `modifier` held. Without a modifier,
// or when the tool does not take modified clicks, it is the plain click (clickInView).
// Redraws the views when the selection changed.
void modifiedClick(Workspace& ws, Host& host, View view, ClickModifier modifier);

}  // namespace facetry
