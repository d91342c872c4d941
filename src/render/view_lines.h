// render/view_lines.h: the line work of the redraw: the integer line the wire frames and
// corner marks are drawn with, the wire-frame pass of one view, corner marks, selection
// boxes, the centre marker and the cross.
#pragma once
#include <cstdint>

#include "render/canvas.h"
#include "render/view_render.h"

namespace facetry {

// The wire-frame line between two pixels of `bitmap`: the major axis walked within 0..814,
// the minor coordinate by truncating division, only pixels in 0..813 on both axes written;
// nothing when all four values are below 1.
void drawBitmapLine(Canvas& bitmap, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                    std::int64_t y2, Rgb colour);

// A wire-frame edge between two model points in `view`, in `colour`, into `bitmap`: both
// ends truncated; nothing when all four values are below 1; clipped so that columns and rows
// 814 and 815 are never plotted. Throws RangeError for a coordinate beyond the int32 range.
void drawViewLine(Canvas& bitmap, View view, const Point3& from, const Point3& to, Rgb colour);

// A square outline two pixels around each selected corner of `face`, in `colour`.
void drawCornerMarks(Canvas& bitmap, View view, const Face& face, Rgb colour);

// Every face's three edges in its own colour into ViewBitmap, in index order, each followed
// by its corner marks when it is selected and point or face selection is on.
void drawWirePass(RedrawParts& parts, View view);

// The centre marker at CentrePoint in each view image.
void drawCentreMarkers(FrameBuffers& frame, const Point3& centre);

// The selection colour's box two pixels around the screen bounds of every selected object,
// in the front image and, in the three-window layout, the top and side images.
void drawSelectionBoxes(FrameBuffers& frame, const Scene& scene, const ViewState& views,
                        Rgb colour);

// The cross in one view image at (column, row), drawn not-xor (drawing it again erases it);
// nothing when the cross is off.
void kruis(Canvas& image, bool cross_on, int row, int column);

}  // namespace facetry
