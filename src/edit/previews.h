// edit/previews.h: the rubber-band shapes that follow the mouse while a tool waits for its
// next click, drawn not-xor into the three view images. The pixels drawn are remembered,
// so erasing replots exactly them whatever changed in between; each pixel is plotted once
// per preview, so overlapping strokes never cancel out.
#pragma once
#include "workspace.h"

namespace facetry {

// Erases the preview now on the images (if any).
void erasePreview(Workspace& ws);
// Draws the preview of the current tool state for the mouse at (column, row) of `view`.
// Nothing is drawn unless a first click is pending.
void drawPreview(Workspace& ws, View view, float column, float row);
// The redraw the editing tools use: the views are drawn anew (which removes any preview)
// and the preview of the active view is drawn again on top.
void redrawViews(Workspace& ws);

}  // namespace facetry
