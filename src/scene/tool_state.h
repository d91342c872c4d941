// scene/tool_state.h: the toolbox state: which tool is active, how far a multi-click
// construction has come, the points clicked so far and the toolbox settings the tools read.
// Plain data; the tools in edit/ change it.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "scene/records.h"
#include "scene/view_axes.h"

namespace facetry {

// The construction or click tool that left clicks in a view feed.
enum ToolModeValue : std::uint8_t {
  ModeNone = 0,
  ModeCube = 1,
  ModeSphere = 2,
  ModeTriangle = 3,
  ModeTube = 4,
  ModePoint = 5,
  ModePolygon = 6,
  ModeMultiTube = 7,
  ModeArray = 8,
  ModeRing = 9,
  ModeCircle = 10,
  ModePlaceObject = 11,
  ModeSelectArea = 12,
  ModeMultiSurface = 13,
  ModeSelectFace = 14,
  ModeNurbArrayZ = 27,
  ModeNurbArrayX = 28,
  ModeNurbArrayY = 29,
  ModeLineArray = 80,
};

// The punch tool's radio group: "P.. in", "Punch out", "Glue".
enum class PunchMode : std::uint8_t { In, Out, Glue };

// The flag tools; several may be on at once.
struct ToolFlags {
  bool moveOn = false;
  bool resizeOn = false;
  bool resizeRectOn = false;
  bool copyOn = false;
  bool punchOn = false;
  bool booleanPickOn = false;
  bool selectObjectsOn = false;
  bool selectPointsOn = false;
  bool selectFacesOn = false;
  bool dragAlongOn = false;
  bool nurbDrawOn = false;
  bool nurbEditOn = false;
  bool nurbConnectOn = false;
  bool elasticOn = false;
  bool userExtendOn = false;
};

// A click in the front-view frame: (a, b) the view coordinates, c the depth.
struct ClickPoint {
  float a = 0, b = 0, c = 0;
};

constexpr int kClickListSlots = 1001;
constexpr int kClickListMax = 999;  // counted points; later clicks land in slot 999

struct ClickList {
  std::array<std::array<std::int32_t, 2>, kClickListSlots> points{};
  int count = 0;
  // Stores (a, b) at slot `count` and counts it while fewer than 999 points are held.
  void add(std::int32_t a, std::int32_t b) {
    points[static_cast<std::size_t>(count)] = {a, b};
    if (count < kClickListMax) ++count;
  }
};

// The pixels of the rubber-band preview now on each view image (drawn not-xor), so that
// the next move erases exactly what is there.
struct PreviewTrace {
  std::array<std::vector<std::pair<int, int>>, 3> pixels;
  bool empty() const { return pixels[0].empty() && pixels[1].empty() && pixels[2].empty(); }
};

struct ToolState {
  std::uint8_t ToolMode = ModeNone;
  ToolFlags flags;

  std::uint8_t ClickStage = 0;  // fixed clicks received: 0, 1, or 2 (list ended)
  ClickPoint FirstClick;        // FirstClick.a != 0 also means a first click is pending
  ClickPoint SecondClick;
  ClickList ClickList1;  // the click list of polygon, multi tube and arrays
  ClickList ClickList2;  // the line array's second list
  bool ButtonDown = false;
  std::array<int, 2> DragStart{};
  // The view position of the most recent click per view (index 0..2).
  std::array<std::array<float, 2>, 3> LastClick{};
  View ActiveView = View::Front;  // the view the mouse last moved over; Enter clicks there

  float DegreeStep = 15;     // angular step of the builders and the rotate dial
  float ResizePercent = 10;  // per Enlarge / Reduce

  // Toolbox check boxes.
  bool closedar = true;                          // "Closed": end caps and filled outlines
  bool detri = false;                            // "D": triangle corners snap to existing corners
  bool linar = false;                            // "lin": the array tool builds a line array
  bool xdir = false, ydir = false, zdir = true;  // "x", "y", "z": the array's turns
  bool selectpoints = false;                     // "Points": point (corner) selection
  bool selectfaces = false;                      // "Faces": face selection
  bool offmode = false;  // "off" instead of "On": clicks and rectangles deselect
  bool polyl = false;    // "Poly-lines": shaded faces get black outlines

  // Transform settings: the resize axes and texture box, drag-along fall-off and "R".
  bool xres = true, yres = true, zres = true, texres = true;
  int sterkdrag = 0;  // "Distance influence", 0..10
  bool relative = false;
  Point3 ResizePivot{};     // centre of the selection when Resize was switched on
  int ResizePreviousY = 0;  // vertical mouse position of the resize drag
  // Outline rectangle of the last move or resize preview (min column, min row, max column,
  // max row) in its view, drawn not-xor; none while `outline_view` is 0.
  std::array<int, 4> Outline{};
  int outline_view = 0;

  // Nearest corners found for the triangle's clicks while "D" is on.
  std::array<std::optional<FaceCorner>, 3> TriangleSnaps{};
  PreviewTrace preview;

  // The punch tool's boxes, and the two-object pick it shares with the booleans: the object
  // highlighted under the mouse and the one picked first (-1 for none).
  PunchMode punch_mode = PunchMode::In;
  bool gluesel = false;  // "Glue selected": only selected corners move
  bool autoedge = true;  // "Auto edge": punch along the line between the two centres
  bool remove = true;    // "Remove": the tool object is deleted afterwards
  int PickHighlight = -1;
  int PickFirst = -1;
  // The two-object pick of the boolean tool: the object picked first (-1 while none) and
  // the operation the second pick runs (1 Subtract, 2 Add, 3 Intersect, 4 Remove).
  int PickedObject = -1;
  int BooleanOperation = 1;
};

}  // namespace facetry
