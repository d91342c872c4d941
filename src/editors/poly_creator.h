// editors/poly_creator.h: the model behind the Poly creator window: three hand-drawn
// polylines (front face polygon, back face polygon, connection line), the tools that draw
// and edit them, and the loft that turns them into one solid. The window only forwards
// its mouse events and controls here and shows the three canvases.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "render/rasteriser.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "workspace.h"

namespace facetry {

constexpr int kPolyPointSlots = 501;  // points 0..500 of each polyline
constexpr int kPolyImageWidth = 400;
constexpr int kPolyImageHeight = 300;

struct PolyPoint {
  std::int32_t x = 0, y = 0;
  std::int32_t z = 0;  // carried and interpolated by resampling, unused by the loft
  std::uint8_t selected = 0;
  friend bool operator==(const PolyPoint&, const PolyPoint&) = default;
};

// At most kPolyPointSlots points; a point beyond that is not added.
using PolyLine2D = std::vector<PolyPoint>;

// Image1 front face polygon, Image2 back face polygon, Image3 connection line (its x is
// the depth along the solid, its y an offset added to the cross-section's y).
enum class PolyImage { Front = 0, Back = 1, Connection = 2 };
enum class PolyTool { Line, Select, Move, Bezier, Circle, MoveSelection };
enum class PolyButton { Left, Right };

struct PolyCreator {
  std::array<PolyLine2D, 3> lines;
  PolyTool tool = PolyTool::Line;
  int resolution = 20;        // "Bezier and circle resolution", at least 2
  bool closed_front = false;  // CheckBox1 "Closed front"
  bool closed_rear = false;   // CheckBox2 "Closed rear"
  bool follow_edge = true;    // edge "Follow edge"
  bool outside = false;       // outside "Outside closed"; otherwise inside "Inside closed"

  // Tool state, cleared whenever a tool is chosen or the right button is pressed.
  std::array<bool, 3> button_down{};
  std::optional<std::pair<int, int>> anchor;    // the two-click tools' first click
  int bezier_clicks = 0;                        // 0..3 clicks taken of the four
  std::array<std::pair<int, int>, 4> bezier{};  // start, end, first and second control
  std::pair<int, int> last_mouse{};             // where Move selection last was

  std::array<Canvas, 3> images{Canvas(kPolyImageWidth, kPolyImageHeight),
                               Canvas(kPolyImageWidth, kPolyImageHeight),
                               Canvas(kPolyImageWidth, kPolyImageHeight)};
  bool open = false;
  ShadingMode saved_survey_mode = ShadingMode::Flat;
};

PolyLine2D& polyLine(PolyCreator& pc, PolyImage image);

// ---- tools (poly_tools.cpp) ----

// A tool button: releases the others and clears the tool state.
void choosePolyTool(PolyCreator& pc, PolyTool tool);
void clearPolyToolState(PolyCreator& pc);
// The mouse in one of the three images, in image pixels. Returns true when a polyline
// changed (the caller then redraws with tekenen); rubber previews are drawn on the
// clicked canvas.
bool polyMouseDown(PolyCreator& pc, PolyImage image, int x, int y, PolyButton button);
bool polyMouseMove(PolyCreator& pc, PolyImage image, int x, int y);
void polyMouseUp(PolyCreator& pc, PolyImage image);
// "Delete": every selected point of all three polylines. "De-select": clears every
// selected flag. "New": empties the three polylines.
void deleteSelectedPolyPoints(PolyCreator& pc);
void deselectPolyPoints(PolyCreator& pc);
void newPolyLines(PolyCreator& pc);
// The resolution box's text (cut to 6 characters). A whole number below 2, an empty box
// or anything not a number is refused with a message and the resolution stays; returns
// whether it was taken.
bool setPolyResolution(PolyCreator& pc, Host& host, const std::string& text);
// The curve tools' points appended to `line`.
void appendBezier(PolyLine2D& line, int resolution, std::pair<int, int> start,
                  std::pair<int, int> end, std::pair<int, int> control1,
                  std::pair<int, int> control2);
void appendEllipse(PolyLine2D& line, int resolution, std::pair<int, int> centre, int dx, int dy);

// ---- the loft (poly_loft.cpp) ----

// Gives both polygons the same count: the one with fewer points (b of them) gets
// c = ceiling((a - b) / (b - 1)) points inserted per segment, in segment order, until it
// has a; an empty one copies the other. Needs at least two points in each otherwise.
void resamplePolygons(PolyLine2D& front, PolyLine2D& back);
// Ear clipping of `polygon` into faces at the connection point `at` (winding 0 keeps the
// corner order, 1 reverses it), appended with addFace. At most 50 k tries.
void triangulatePolygon(Scene& scene, Host& host, PolyLine2D polygon, const PolyPoint& at,
                        int winding);
// Appends the loft's faces (bereken); nothing unless the connection line has 2 points.
// Returns the number of faces added.
int buildPolySolid(const PolyCreator& pc, Scene& scene, Host& host);

// ---- the window's commands (poly_window.cpp) ----

// Polyeditor1Click and the activation: empties the polylines, keeps the survey's shading
// mode and switches it to flat, draws. The tools and options stay as the last opening
// left them.
void openPolyCreator(PolyCreator& pc, Workspace& ws);
// Closing: the survey's shading mode comes back.
void closePolyCreator(PolyCreator& pc, Workspace& ws);
// tekenen: the three images and the preview in the survey view.
void tekenen(PolyCreator& pc, Workspace& ws);
void drawPolyImages(PolyCreator& pc);
void drawPolyImage(PolyCreator& pc, PolyImage image);
void polyPreview(const PolyCreator& pc, Workspace& ws);
// "Ok": the solid becomes one new object, centred on CentrePoint with its bounds
// refreshed, and selected; the polylines are emptied and the creator closed. Nothing is
// built (and the scene stays) when the connection line has fewer than 2 points. Returns
// the new object's index or -1.
int polyOk(PolyCreator& pc, Workspace& ws, Host& host);
// "Cancel": closes without building.
void polyCancel(PolyCreator& pc, Workspace& ws);

}  // namespace facetry
