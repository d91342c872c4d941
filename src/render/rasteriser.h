// render/rasteriser.h: scan conversion of one face into ViewBitmap for one orthographic
// view, with the depth test, flat / Gouraud / Phong lighting, textures and outlines, and
// the corner-normal pass that Gouraud and Phong need.
#pragma once
#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "scene/scene.h"
#include "scene/view_axes.h"

namespace facetry {

enum class ShadingMode { Flat, Gouraud, Phong };

struct SurveyProjection;

struct RasterContext {
  const Lighting& light;
  const TextureStore& textures;
  bool poly_lines;  // the "Poly-lines" box: untextured faces get black outlines
  const SurveyProjection* survey = nullptr;  // the mapping of view 4, the survey view
  // When set, face i's corners as `survey` maps them, at [3 i, 3 i + 2], worked out
  // beforehand (projectSurveyCorners); the survey view then reads them instead.
  const ViewPosition* survey_corners = nullptr;
  // Only rows band_first..band_last are drawn; each face draws there what it draws in the
  // whole bitmap, so passes over bands that cover it make the same picture as one pass.
  int band_first = 0, band_last = kBitmapSize - 1;
  // When `kept_corners` is set, face i starts from kept_corners[i] instead of its corners,
  // except where `renewed` is set and renewed[i] has kCornersWritten (its corners changed);
  // a face that does not start from them has its scan corners written to keep_corners[i],
  // when that is set, as it is drawn.
  const ScanCorners* kept_corners = nullptr;
  ScanCorners* keep_corners = nullptr;
  const std::uint8_t* renewed = nullptr;
  // Set when another pass draws the other rows (band_first > 0 or band_last < 815): a face
  // whose kept corners put it wholly in those rows is then left to it, ink and all, so that
  // only it fails on the face. Every face that could fail stays in one of the two passes.
  bool share_rows = false;
  // When set (Phong only), the pixels of untextured faces without outlines whose corner
  // normals lie within -100..155 are drawn in the face's own colour and marked in
  // `pending_marks` (816 marks a row) to be lit later (lightPendingRow); pixels drawn over
  // have their marks replaced.
  std::uint32_t* pending_marks = nullptr;
};

// The view number the rasteriser takes for the survey view; 1..3 are the views' own numbers
// (static_cast<int>(View)).
inline constexpr int kSurveyRaster = 4;

// Draws face `face` of `scene` in view 1 (front), 2 (top), 3 (side) or 4 (the survey view,
// mapped by context.survey) with shading `mode`,
// testing and writing `frame`'s depth buffer (larger is nearer, 7 fraction bits; an equal
// depth keeps the pixel drawn first). In bake mode the face's shaded colour is written back
// into the face (and, in flat mode, its light angle into byte 0 of its FaceShading).
// Gouraud and Phong read the FaceShading records that computeVertexNormals filled.
// A face whose material has an empty texture (a picture that could not be decoded) is drawn
// as an untextured face. Throws RangeError for a light angle outside 0..180, a material
// outside 1..100, a texel outside the texture store, or a coordinate that does not fit an
// int32.
void rasteriseFace(Scene& scene, int face, int view, ShadingMode mode, bool bake,
                   const RasterContext& context, FrameBuffers& frame);

// The same with the face's flat light angle given, which must be flatLightAngle(face, light)
// for the pixels to be the ones above. The angle does not depend on the view, so a redraw
// of several flat views computes it once per face. It is read in flat mode only.
void rasteriseFace(Scene& scene, int face, int view, ShadingMode mode, bool bake,
                   const RasterContext& context, FrameBuffers& frame, int flat_angle);

// Faces first..last - 1 in order, as rasteriseFace draws them one by one without baking,
// with the per-pass work done once. In flat mode `flat_angles`, when given, holds each
// face's flatLightAngle (indexed by face). Throws where the faces one by one would, after
// drawing what they draw before it.
void rasteriseFaces(Scene& scene, int first, int last, int view, ShadingMode mode,
                    const RasterContext& context, FrameBuffers& frame, const int* flat_angles);

// The flat light angle of a face: the mean of the three corner angles, truncated.
int flatLightAngle(const Face& face, const Point3& light);

// Fills every closed object's FaceShading: corner normals (about 20 long, truncated),
// shared by smooth faces' corners that lie within distance 1 of each other in the same
// object, and the Gouraud light value of each corner. Faces of the open object keep theirs.
void computeVertexNormals(Scene& scene, const Lighting& light);

}  // namespace facetry
