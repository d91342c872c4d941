// ops/nurb_curves.h: the free curves ("nurbs"): uniform cubic B-splines of up to 41 control
// points kept in the scene's NurbTable. Evaluation, drawing a curve point by point, the
// bulk commands (delete, select, array round a centre) and the connection of two curves
// into a ruled strip of faces.
//
// Coordinates are model coordinates (view pixels at the current zoom). The curve being
// drawn is the last slot in use.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/array_curve_state.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_axes.h"

namespace facetry {

using CurvePoint = std::array<std::int32_t, 3>;
constexpr int kMaxCurvePoints = 501;  // the curve point list never holds more
constexpr int kMaxCurveSlots = 99;    // the curve count an array or a new curve stops at

// Appends the points of `curve` to `list` (while it holds fewer than 501): for each of its
// n - 3 spans, d = `resolution` points at t = 1/d .. 1 of the uniform cubic basis, each
// coordinate rounded to the nearest whole number. Fewer than 4 control points give none;
// a resolution below 1 counts as 1.
void curvePoints(const NurbSurface& curve, int resolution, std::vector<CurvePoint>& list);

// "Draw nurb": starts a new, empty curve in the slot after the last (the curve being drawn
// keeps its points). Throws RangeError when all 101 slots are in use.
void startCurve(Scene& scene);
// The next control point of the curve being drawn, from a click at (column, row) of `view`
// with the view's depth from `centre`; selected mark cleared. Returns false, adding nothing,
// when the curve already holds 41 points.
bool addCurvePoint(Scene& scene, View view, float column, float row, const Point3& centre);
// The right click while drawing: a new curve is started when the current one has points
// and fewer than 99 curves exist. Returns true when it started one.
bool endCurve(Scene& scene);

// The control point nearest to (column, row) in the plane of `view`, among the selected
// control points (`selected_only`) or all of them; the first one found wins a tie. Returns
// false when there is none.
bool nearestControlPoint(const Scene& scene, View view, float column, float row, bool selected_only,
                         int& curve, int& point);

// Sets or clears the selected mark of every control point of every curve in use.
void selectAllCurves(Scene& scene, bool selected);
// "Delete all nurbs": the undo snapshot, every slot emptied, no curves.
void deleteAllCurves(Scene& scene);

// The plane a curve array turns in: x-rotation (x, y), y-rotation (y, z), z-rotation (x, z).
enum class CurveArrayPlane { X, Y, Z };
// "Array selected nurbs round center": for every curve with a selected control point, copies
// each turned one step further about `centre` (copies for 0, step, ... below 360), appended
// while fewer than 99 curves exist. Takes the undo snapshot unless there are no curves.
// Returns the number of curves added. Throws RangeError for a step that is not positive.
int arrayCurves(Scene& scene, CurveArrayPlane plane, const Point3& centre, double step_degrees);

// Adds the ruled strip between curves a and b (the shorter point list resampled to the
// longer one) with c = connect resolution rows, as faces of the open object. Returns the
// number of faces added; a curve with no curve points gives none.
int connectTwoCurves(Scene& scene, Host& host, int a, int b, const CurveSettings& settings);

// "Connect" / "All": when curves exist, the undo snapshot, the resolution question (unless
// "Don't ask again"), and each curve joined to the next where both have more than one
// control point; curves of 2 or 3 control points are left out and named in `status`. The
// new faces become one object. Returns true when the scene changed.
bool connectAllCurves(Scene& scene, Host& host, ArrayCurveState& state);
// The connection of the two picked curves, as "All" does it for one pair.
bool connectPickedCurves(Scene& scene, Host& host, ArrayCurveState& state, int a, int b);

// Spreads `list` evenly over `count` points (count at least the list's size): inserted
// points lie on the segments at equal fractions, rounded to whole numbers.
std::vector<CurvePoint> resampleCurvePoints(const std::vector<CurvePoint>& list, int count);

}  // namespace facetry
