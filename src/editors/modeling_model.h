// editors/modeling_model.h: the model behind the Modeling window, a two-image editor that
// builds one mesh from points. The left image (Image1) shows a point at (x, y), the right
// image (Image2) at (z, y). Points are entered one coordinate pair at a time, filled in as
// grids, given depths from a drawn depth line, and joined into triangles picked by hand or
// found around the mouse. "Ok" hands the triangles to the scene as one new object.
//
// The model draws both images (and two hidden coverage images) on canvases; the window
// shows them and forwards its mouse presses and moves in image pixels.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/modeler_file.h"
#include "render/canvas.h"
#include "render/lighting.h"
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

constexpr int kModelSlots = 30001;     // points and faces: indices 0..30000
constexpr int kDepthLineSlots = 1000;  // points of the depth line
constexpr int kMatrixPointLimit = 29998;
constexpr std::int32_t kNoCoordinate = -1;  // x or z not given yet

// The point-neighbourhood radius of the automatic face search and the snapping radius of
// "Facepoints", in pixels.
constexpr double kAutoFaceRadius = 6.1103516;
constexpr double kFacePointRadius = 5;

struct ModelPoint {
  std::int32_t x = 0, y = 0, z = 0;  // left-image pixels (x, y), right-image pixels (z)
  bool hasX() const { return x != kNoCoordinate; }
  bool hasZ() const { return z != kNoCoordinate; }
  friend bool operator==(const ModelPoint&, const ModelPoint&) = default;
};
using ModelFace = std::array<std::int32_t, 3>;  // point indices

enum class ModelImage { Left, Right };

// What a click in the images does; every menu item first clears the others.
enum class ModelingMode {
  None,
  MatrixFacesAndPoints,  // "Make matrix" -> "Faces and points"
  MatrixOnlyPoints,      // "Make matrix" -> "Only poins"
  SetMatrixLine,         // "Set matrix-xy position"
  ReplacePosition,       // "Replace position"
  MatrixPointsXY,        // "Matrixpoints x,y (left image)"
  MatrixPointsZ,         // "Matrixpoints z (right image)": the depth line
  FacePoints,            // "Facepoints"
  PointsXYZ,             // "Points x,y,z"
  Faces,                 // "Faces" -> "Auto calculate" / "User calculate"
  DeleteFaces,           // "Del faces"
};

enum class ModelButton { Left, Right };

class ModelingModel {
 public:
  ModelingModel();

  // ---- the model ----
  std::vector<ModelPoint> points;
  std::vector<ModelFace> faces;
  std::vector<std::pair<std::int32_t, std::int32_t>> depth_line;  // (z, y), drawing order
  std::optional<std::int32_t> matrix_line;                        // x in the left image

  // ---- options (the window's boxes and menu items) ----
  bool fill = true;          // "Fill faces" of the left image
  bool fill2 = true;         // and of the right image
  bool auto_face = true;     // "Auto calculate face"
  bool cross = true;         // "Cross"
  Rgb line_colour{0, 0, 0};  // "Color": "Black" or "White"
  bool saved = false;        // set by Save, cleared by every press in an image

  ModelingMode mode() const { return mode_; }
  // "Grid :" (Edit1); a step of 0 or less counts as 1.
  int gridStep() const { return grid_ < 1 ? 1 : grid_; }
  int gridText() const { return grid_; }
  void setGrid(int step) { grid_ = step; }
  // "Matrix xy-width :" (Edit2): the half-width is half of it, truncated, at least 1.
  void setMatrixWidth(int width);
  int halfWidth() const { return half_width_; }
  // The status label label2: "-", "Define z-position", "X-position defined", ...
  const std::string& status() const { return status_; }

  // ---- the menu items and buttons that set a mode ----
  void Facesandpoints1Click();
  void Onlypoins1Click();
  void Setmatrixxyposition1Click();
  void Replaceposition1Click();
  void Puntenxy1Click();
  void Puntenz1Click();
  void facepoints1Click();
  void Pointsxyz1Click();
  void Autocalculate1Click();
  void Usercalculate1Click();
  void DelfacenClick();

  // ---- operations ----
  // Fills the rectangle of two clicks with a point grid (and two triangles per grid cell
  // with `with_faces`), emptying the lists first; the step is the grid step, coarsened
  // until the grid stays under 29998 points, and becomes the grid step.
  void makeMatrix(int x1, int y1, int x2, int y2, bool with_faces);
  // "Apply matrixline": every point (within the matrix band when a matrix line is set) whose
  // y lies on a segment of the depth line gets that segment's depth there, the last matching
  // segment winning; the depth line is then emptied.
  void applyMatrixLine();
  // Appends a face; throws RangeError past 30001 faces or for an index outside the points.
  void addModelFace(const ModelFace& face);
  // Removes every face whose triangle in `image` contains (x, y). Returns how many.
  int deleteFacesAt(ModelImage image, int x, int y);
  // "New": points, faces, the depth line, the matrix line and the pictures emptied.
  void clear();
  // "Load" and "Save" in the modeler-file layout. Save appends ".mdd" unless the name ends
  // in it and sets the saved flag; Load throws RangeError for more than 30001 points or
  // faces, FormatError for a bad file (the model is then unchanged).
  void load(const std::string& path);
  std::string save(const std::string& path);

  // "Ok": the faces, corners (x, y, z + centre.z) ordered as an imported modeler face seen
  // from the middle of the points' x and y and 200 beyond their largest z, appended to the
  // scene as one object (not oriented, deselected) centred on `centre`, with an undo
  // snapshot first. Nothing happens without faces. Returns the number of faces added.
  int transfer(Scene& scene, Host& host, const Point3& centre) const;
  // The question of "Ok", "Cancel" and closing: unless saved, "Would you like to save
  // first" (Yes/No); Yes runs `save_dialog`.
  void askToSave(Host& host, const std::function<void()>& save_dialog) const;

  // ---- the mouse (positions in image pixels, snapped to the grid here) ----
  // A press in an image; shows the two coordinate warnings through `host`. Returns true
  // when the model changed (the images are then redrawn).
  bool press(Host& host, ModelImage image, int x, int y, ModelButton button);
  // A move over an image: the cross, the rubber lines, the carried point, the highlighted
  // point and the automatic face candidate follow. Returns true when a carried point moved
  // (the images are then redrawn).
  bool move(ModelImage image, int x, int y);

  // ---- drawing ----
  // The two images and the coverage images, sized together; the images are redrawn.
  void setImageSize(int width, int height);
  // The background picture of an image (an empty canvas removes it); "Picture up" and
  // "Picture down" move the right one by -1 and +1 rows.
  void setPicture(ModelImage image, Canvas picture);
  void movePicture(int rows) { picture_offset_ += rows; }
  // teken: both images cleared to white, the pictures, the points as 3 x 3 outlines, the
  // faces (filled shaded red on the left and yellow on the right, or outlined), the depth
  // line, the matrix line with its band, then the rubber lines and the cross. Filled faces
  // are also painted yellow into the coverage images.
  void teken(const Lighting& lighting);
  const Canvas& image(ModelImage image) const { return images_[index(image)]; }
  Canvas& image(ModelImage image) { return images_[index(image)]; }  // for the window to show
  const Canvas& coverage(ModelImage image) const { return coverage_[index(image)]; }

  // The automatic face around (x, y) of `image`, or none (see the search rules in the .cpp).
  std::optional<ModelFace> findAutoFace(ModelImage image, int x, int y) const;
  std::optional<ModelFace> candidate() const { return candidate_; }

 private:
  static std::size_t index(ModelImage image) { return image == ModelImage::Left ? 0 : 1; }
  // A point's position in an image: (x, y) on the left, (z, y) on the right.
  static std::pair<int, int> at(const ModelPoint& p, ModelImage image);
  void setMode(ModelingMode mode);
  void appendPoint(const ModelPoint& p);
  int nearestPoint(ModelImage image, int x, int y, bool needs_depth) const;
  bool pointEntry(Host& host, ModelImage image, int x, int y);
  void takeFaceCorner(int point);
  bool faceExists(const ModelFace& face) const;
  bool coversPainted(ModelImage image, const ModelFace& face) const;

  // The not-xor marks drawn over the images; drawing them twice erases them.
  void toggleOverlays();
  void drawFaceOutline(Canvas& canvas, ModelImage image, const ModelFace& face);

  ModelingMode mode_ = ModelingMode::None;
  int grid_ = 5;
  int half_width_ = 5;
  std::string status_ = "-";

  // Click state of the modes.
  std::optional<std::pair<int, int>> matrix_first_;  // first corner of the matrix
  std::optional<std::int32_t> column_x_;             // x of "Matrixpoints x,y"
  bool depth_line_ended_ = false;
  int carried_ = -1;                        // "Replace position": the point being carried
  std::vector<std::int32_t> face_corners_;  // corners of the face under construction
  int highlighted_ = -1;                    // the point nearest to the mouse
  std::optional<ModelFace> candidate_;      // the automatic face under the mouse

  // Mouse and overlay state.
  ModelImage mouse_image_ = ModelImage::Left;
  int mouse_x_ = -1, mouse_y_ = -1;
  bool overlays_drawn_ = false;
  struct Overlays {
    std::optional<std::pair<ModelImage, std::pair<int, int>>> cross;
    std::optional<std::array<int, 4>> rectangle;  // rubber rectangle of the matrix
    std::optional<std::array<int, 4>> line;       // rubber line of the depth line
    std::optional<std::pair<ModelImage, ModelFace>> outline;
    std::optional<std::pair<ModelImage, std::pair<int, int>>> mark;
  } shown_;
  Overlays wanted() const;

  std::array<Canvas, 2> images_;
  std::array<Canvas, 2> coverage_;
  std::array<Canvas, 2> pictures_;
  int picture_offset_ = 0;
};

}  // namespace facetry
