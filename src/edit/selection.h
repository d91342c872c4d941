// edit/selection.h: selecting objects, faces and points by click, rectangle, menu and name.
// Selection lives in the scene as flags on objects, faces and corners: object selection sets
// all three levels of an object; point selection sets corners and derives faces and
// objects; face selection sets a face and its corners and derives its object.
#pragma once
#include <string>
#include <vector>

#include "workspace.h"

namespace facetry {

// The value clicks and rectangles write: 1 with "On", 0 with "off".
std::uint8_t selectionValue(const ToolState& tools);

// The toolbox Select button and the "Points" / "Faces" boxes and "&Select area" menus.
// Each returns true when the views must be redrawn.
bool SpeedButton6Click(ToolState& tools, Scene& scene);
bool selectpointsClick(ToolState& tools, Scene& scene, bool checked);
bool selectfacesClick(ToolState& tools, Scene& scene, bool checked);
void Selectarea1Click(ToolState& tools, Scene& scene);  // rectangle selects objects
void Points1Click(ToolState& tools, Scene& scene);      // rectangle selects points
void Face1Click(ToolState& tools, Scene& scene);        // a click selects a face

// "Select &all" and "Inverse selection".
void selectAll(Scene& scene);
void inverseSelection(Scene& scene);
// "Select object by name": every listed object (and its faces and corners) gets `value`.
void selectObjectsByIndex(Scene& scene, const std::vector<int>& objects, std::uint8_t value);
// "Change object names": the name, cut to 20 characters, on every listed object.
void renameObjects(Scene& scene, const std::vector<int>& objects, const std::string& name);
// The colour grid and "&Color...": selected faces take `colour` and lose their texture;
// new faces take it too. The caller takes the undo snapshot.
void colourSelected(Scene& scene, Rgb colour);

// The nearest object under a click at (a, b) of `view` gets `value`, with its faces and
// corners. The object whose centre lies nearest to CentrePoint's depth wins; the first
// in index order wins ties. Returns true when an object was hit.
bool pickObject(Scene& scene, const ViewState& views, View view, float a, float b,
                std::uint8_t value);
// The face under the click whose first corner lies nearest to CentrePoint's depth gets
// `value`; its object's flag follows its faces. Returns true when a face was hit.
bool pickFace(Scene& scene, const ViewState& views, View view, float a, float b,
              std::uint8_t value);
// Rectangle selection between (a1, b1) and (a, b), bounds included, of whole objects
// (doselectvierkant) or of points (doselectvierkantpoints); control points inside get the
// value first.
void doselectvierkant(Scene& scene, View view, float a1, float b1, float a, float b,
                      std::uint8_t value);
void doselectvierkantpoints(Scene& scene, View view, float a1, float b1, float a, float b,
                            std::uint8_t value);

}  // namespace facetry
