// Tests of the face rasteriser on small scenes. Every expected pixel, depth and colour is
// worked out by hand from the scan and lighting rules, in the comments next to it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "render/raster_rig.h"
#include "render/rasteriser.h"
#include "scene/errors.h"

namespace facetry {
namespace {

using testing::at;
using testing::RasterRig;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kPaint{40, 120, 200};
constexpr ShadingMode kAllModes[] = {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong};

// A right triangle in the plane z = 0 with its right angle at (100, 100). Its flat normal
// (B - C) x (A - B) = (0, 0, -100) points away from +z.
int addFacingTriangle(RasterRig& rig, Rgb colour, int level) {
  return rig.addFaceObject(at(100, 100, 0), at(110, 100, 0), at(100, 110, 0), colour, level);
}

TEST(RasteriserLight, FaceTurnedStraightToTheLightGoesWhiteAtMaxAndKeepsItsColourAtNone) {
  RasterRig rig;
  // The light lies so far along +z that every corner's cosine rounds to exactly -1: all
  // three angles are 180, so t = 180 and level Max gives k + 90 (255 - k) div 90 = 255.
  rig.light.LightPosition = {105, 105, 1e10f};
  const int max_face = addFacingTriangle(rig, kPaint, 0);
  EXPECT_EQ(flatLightAngle(rig.face(max_face), rig.light.LightPosition), 180);
  rig.draw(max_face, 1, ShadingMode::Flat);
  EXPECT_EQ(rig.pixel(102, 105), kWhite);
  EXPECT_EQ(rig.depth(102, 105), 0);

  // Level None leaves the colour alone in every mode, whatever the light angle.
  for (ShadingMode mode : kAllModes) {
    RasterRig none;
    none.light.LightPosition = rig.light.LightPosition;
    const int f = addFacingTriangle(none, kPaint, 4);
    none.draw(f, 1, mode);
    EXPECT_EQ(none.pixel(102, 105), kPaint) << static_cast<int>(mode);
  }
}

TEST(RasteriserLight, ShadowLevelDecidesHowDarkAFaceTurnedAwayGoes) {
  // The corners in the order A, C, B turn the flat normal to +z, toward the light, which
  // stands about 50 pixels aside at z = 10000: each angle is about 0.3 degrees, so t = 0.
  const auto drawTurnedAway = [](int shadow, Rgb colour) {
    RasterRig rig;
    rig.setShadow(shadow);
    rig.light.LightPosition = {155, 105, 10000};
    const int f = rig.addFaceObject(at(100, 100, 0), at(100, 110, 0), at(110, 100, 0), colour, 0);
    EXPECT_EQ(flatLightAngle(rig.face(f), rig.light.LightPosition), 0);
    rig.draw(f, 1, ShadingMode::Flat);
    return rig.pixel(102, 102);
  };
  // None: c = 0, the entry is k.
  EXPECT_EQ(drawTurnedAway(kShadowNone, kPaint), kPaint);
  // Max: c = 90, k + (-90 k) div 90 = 0.
  EXPECT_EQ(drawTurnedAway(kShadowMax, kPaint), kBlack);
  // Normal: c = 45, k + (-45 k) div 90 truncates toward k: 41 -> 21, 121 -> 61, 201 -> 101.
  EXPECT_EQ(drawTurnedAway(kShadowNormal, (Rgb{41, 121, 201})), (Rgb{21, 61, 101}));
}

TEST(RasteriserScan, FaceOnOneRowDrawsFromTheLongEdgeToTheMiddleCorner) {
  RasterRig rig;
  // Rows are equal, so the corners stay in order: top (10), middle (20), bottom (30). On the
  // middle row the short end is the middle corner itself and the long edge gives the top
  // corner's column, so the row runs 10..20 and stops short of the bottom corner at 30.
  // The collinear face has no normal: its cosines count as 0, t = 89, and shadow Normal
  // leaves t = 89 unchanged (50 * 1 div 100 = 0).
  const Rgb colour{200, 30, 30};
  const int f = rig.addFaceObject(at(10, 50, 5), at(20, 50, 5), at(30, 50, 5), colour);
  rig.draw(f, 1, ShadingMode::Flat);
  std::vector<std::pair<int, int>> expected;
  for (int x = 10; x <= 20; ++x) expected.emplace_back(x, 50);
  EXPECT_EQ(rig.drawnPixels(), expected);
  EXPECT_EQ(rig.pixel(15, 50), colour);
  EXPECT_EQ(rig.depth(15, 50), 5 * 128);
}

TEST(RasteriserScan, RowsOutsideTheBitmapAreClippedAndFacesBeyondThemSkipped) {
  const Rgb colour{200, 30, 30};  // at level None
  {
    // Top row 815: past the last starting row 814, nothing at all (not even row 815).
    RasterRig rig;
    rig.draw(rig.addFaceObject(at(10, 815, 0), at(40, 815, 0), at(10, 830, 0), colour, 4), 1,
             ShadingMode::Flat);
    EXPECT_TRUE(rig.drawnPixels().empty());
    EXPECT_EQ(rig.depth(20, 815), kDepthClear);
  }
  {
    // Bottom row -1: nothing.
    RasterRig rig;
    rig.draw(rig.addFaceObject(at(10, -20, 0), at(40, -20, 0), at(10, -1, 0), colour, 4), 1,
             ShadingMode::Flat);
    EXPECT_TRUE(rig.drawnPixels().empty());
  }
  {
    // Top row 814: rows 814 and 815. Row 815 ends at 40 + trunc((10 - 40) * 1 / 16) = 39
    // (flooring would give 38).
    RasterRig rig;
    rig.draw(rig.addFaceObject(at(10, 814, 0), at(40, 814, 0), at(10, 830, 0), colour, 4), 1,
             ShadingMode::Flat);
    EXPECT_EQ(rig.pixel(40, 814), colour);
    EXPECT_EQ(rig.pixel(39, 815), colour);
    EXPECT_EQ(rig.pixel(40, 815), kWhite);
    EXPECT_EQ(rig.depth(815, 815), kDepthClear);
  }
  {
    // Rows -5..0: only row 0, from the middle corner (10) to the long edge's
    // 10 + 20 * 5 div 5 = 30.
    RasterRig rig;
    rig.draw(rig.addFaceObject(at(10, -5, 0), at(10, 0, 0), at(30, 0, 0), colour, 4), 1,
             ShadingMode::Flat);
    std::vector<std::pair<int, int>> expected;
    for (int x = 10; x <= 30; ++x) expected.emplace_back(x, 0);
    EXPECT_EQ(rig.drawnPixels(), expected);
  }
}

TEST(RasteriserDepth, EqualDepthKeepsTheFaceDrawnFirstAndNearerFacesWin) {
  RasterRig rig;
  const Rgb red{200, 0, 0}, green{0, 200, 0}, blue{0, 0, 200}, grey{90, 90, 90};
  const auto square = [&](float z, Rgb colour) {
    return rig.addFaceObject(at(10, 10, z), at(30, 10, z), at(10, 30, z), colour, 4);
  };
  rig.draw(square(7, red), 1, ShadingMode::Flat);
  rig.draw(square(7.9f, green), 1, ShadingMode::Flat);  // truncates to the same depth 7
  EXPECT_EQ(rig.pixel(12, 12), red);
  rig.draw(square(6, grey), 1, ShadingMode::Flat);  // farther
  EXPECT_EQ(rig.pixel(12, 12), red);
  rig.draw(square(8, blue), 1, ShadingMode::Flat);  // nearer
  EXPECT_EQ(rig.pixel(12, 12), blue);
  EXPECT_EQ(rig.depth(12, 12), 8 * 128);
}

TEST(RasteriserScan, EachViewProjectsItsOwnAxesAndTruncatesBeforeScaling) {
  // A face shrunk to the point (40.7, 60.9, 80.5) covers one pixel: front (40, 60) at depth
  // 80, top (40, 80) at depth -60, side (80, 60) at depth 40; depths are 128 per pixel.
  const Rgb colour{10, 20, 30};
  const struct {
    int view, x, y, depth;
  } cases[] = {{1, 40, 60, 80 * 128}, {2, 40, 80, -60 * 128}, {3, 80, 60, 40 * 128}};
  for (const auto& c : cases) {
    RasterRig rig;
    const FaceCorner p = at(40.7f, 60.9f, 80.5f);
    rig.draw(rig.addFaceObject(p, p, p, colour), c.view, ShadingMode::Flat);
    EXPECT_EQ(rig.drawnPixels(), (std::vector<std::pair<int, int>>{{c.x, c.y}})) << c.view;
    EXPECT_EQ(rig.pixel(c.x, c.y), colour) << c.view;
    EXPECT_EQ(rig.depth(c.x, c.y), c.depth) << c.view;
  }
}

TEST(RasteriserOutline, PolyLinesOutlineUntexturedFacesInEveryModeButNotTexturedOnes) {
  // Corners (10,10) (30,10) (10,30). Row 10 runs 10..30; row y below it runs from the long
  // edge (10) to 30 - (y - 10): row 20 is 10..20, row 25 is 10..15, row 30 is 10..10.
  const Rgb colour{200, 30, 30};
  for (ShadingMode mode : kAllModes) {
    RasterRig rig;
    rig.poly_lines = true;
    rig.draw(rig.addFaceObject(at(10, 10, 0), at(30, 10, 0), at(10, 30, 0), colour, 4), 1, mode);
    for (int x = 10; x <= 30; ++x) EXPECT_EQ(rig.pixel(x, 10), kBlack) << x;  // first row
    EXPECT_EQ(rig.pixel(10, 20), kBlack);
    EXPECT_EQ(rig.pixel(20, 20), kBlack);
    for (int x = 11; x <= 19; ++x) EXPECT_EQ(rig.pixel(x, 20), colour) << x;
    EXPECT_EQ(rig.pixel(15, 25), kBlack);
    EXPECT_EQ(rig.pixel(14, 25), colour);
    EXPECT_EQ(rig.pixel(10, 30), kBlack);  // last row
    EXPECT_EQ(rig.pixel(21, 20), kWhite);
  }
  for (ShadingMode mode : kAllModes) {
    RasterRig rig;
    rig.poly_lines = true;
    const Rgb texel{1, 2, 3};
    rig.textures.set(1, 1, 1, {texel});
    const int f = rig.addFaceObject(at(10, 10, 0), at(30, 10, 0), at(10, 30, 0), colour, 4);
    rig.face(f).material = 1;
    rig.draw(f, 1, mode);
    EXPECT_EQ(rig.pixel(10, 10), texel);
    EXPECT_EQ(rig.pixel(20, 20), texel);
    EXPECT_EQ(rig.pixel(15, 15), texel);
  }
}

TEST(RasteriserLight, GouraudValuesAbove180FoldBack) {
  // Corner values 200 give t = 200 at every pixel, folded to 360 - 200 = 160; level Max:
  // k + 70 (255 - k) div 90 gives 0 -> 198, 90 -> 218, 255 -> 255.
  RasterRig rig;
  const int f = rig.addFaceObject(at(10, 10, 0), at(30, 10, 0), at(10, 30, 0), {0, 90, 255}, 0);
  for (auto& value : rig.shading(f).light) value = 200;
  rig.draw(f, 1, ShadingMode::Gouraud);
  EXPECT_EQ(rig.pixel(12, 12), (Rgb{198, 218, 255}));
  // Values of 180 are white at level Max.
  for (auto& value : rig.shading(f).light) value = 180;
  rig.face(f).corners[0].z = 1;  // nearer, so it draws over
  rig.face(f).corners[1].z = 1;
  rig.face(f).corners[2].z = 1;
  rig.draw(f, 1, ShadingMode::Gouraud);
  EXPECT_EQ(rig.pixel(12, 12), kWhite);
}

TEST(RasteriserLight, PhongLightsEachPixelFromItsOwnViewPosition) {
  // Corner normals (0, 0, 20) stay (0, 0, 20) at every pixel: ((20 + 100) * 128 >> 7) - 100.
  // With the light 100 in front of pixel (15, 15) at depth 5 the angle there is 0 (t = 180,
  // white); at (16, 15) and (15, 16) the direction (-1, 0, 100) has cos * 1000 = 999.95,
  // entry 999 = 2.56 degrees, t = 178 and black goes to 88 * 255 div 90 = 249; at (20, 15)
  // cos * 1000 = 998.75, entry 998 = 3.62 degrees, t = 177 and 87 * 255 div 90 = 246.
  RasterRig rig;
  rig.light.LightPosition = {15, 15, 105};
  const int f = rig.addFaceObject(at(10, 10, 5), at(30, 10, 5), at(10, 30, 5), kBlack, 0);
  for (auto& n : rig.shading(f).normals) n[0] = 0, n[1] = 0, n[2] = 20;
  rig.draw(f, 1, ShadingMode::Phong);
  EXPECT_EQ(rig.pixel(15, 15), kWhite);
  EXPECT_EQ(rig.pixel(16, 15), (Rgb{249, 249, 249}));
  EXPECT_EQ(rig.pixel(15, 16), (Rgb{249, 249, 249}));
  EXPECT_EQ(rig.pixel(20, 15), (Rgb{246, 246, 246}));

  // The top view uses (column, row, depth) = (x, z, -y) as the point, not the model point:
  // the face at y = -5 lies at depth 5, so the same light position lights (15, 15) fully.
  RasterRig top;
  top.light.LightPosition = {15, 15, 105};
  const int g = top.addFaceObject(at(10, -5, 10), at(30, -5, 10), at(10, -5, 30), kBlack, 0);
  for (auto& n : top.shading(g).normals) n[0] = 0, n[1] = 0, n[2] = 20;
  top.draw(g, 2, ShadingMode::Phong);
  EXPECT_EQ(top.pixel(15, 15), kWhite);
  EXPECT_EQ(top.pixel(16, 15), (Rgb{249, 249, 249}));
}

TEST(RasteriserTexture, TexelsWrapAtThePictureSizeAndNegativeCoordinatesWrapUnsigned) {
  // A 3 x 2 picture with six colours.
  const std::vector<Rgb> picture = {{10, 0, 0}, {20, 0, 0}, {30, 0, 0},
                                    {0, 10, 0}, {0, 20, 0}, {0, 30, 0}};
  const auto texel = [&](int column, int row) {
    return picture[static_cast<std::size_t>(row * 3 + column)];
  };
  {
    // u = x and v = y at the corners (0,0) (8,0) (0,8): every span starts on the long edge
    // at u = 0 and steps u by (1024 - 128 y - 0) div (8 - y) = 128, so pixel (x, y) shows
    // texel (x mod 3, y mod 2). Level None: texels unshaded.
    RasterRig rig;
    rig.textures.set(1, 3, 2, picture);
    const int f =
        rig.addFaceObject(at(0, 0, 0, 0, 0), at(8, 0, 0, 8, 0), at(0, 8, 0, 0, 8), kPaint, 4);
    rig.face(f).material = 1;
    rig.draw(f, 1, ShadingMode::Flat);
    for (int y = 0; y <= 8; ++y) {
      for (int x = 0; x <= 8 - y; ++x)
        EXPECT_EQ(rig.pixel(x, y), texel(x % 3, y % 2)) << x << "," << y;
      EXPECT_EQ(rig.pixel(9 - y, y), kWhite) << y;
    }
  }
  {
    // u = -1: -128 read as unsigned is 2^32 - 128, >> 7 gives 33554431 = 3 * 11184810 + 1.
    RasterRig rig;
    rig.textures.set(1, 3, 2, picture);
    const int f =
        rig.addFaceObject(at(0, 0, 0, -1, 0), at(8, 0, 0, -1, 0), at(0, 8, 0, -1, 0), kPaint, 4);
    rig.face(f).material = 1;
    rig.draw(f, 1, ShadingMode::Flat);
    EXPECT_EQ(rig.pixel(0, 0), texel(1, 0));
    EXPECT_EQ(rig.pixel(5, 0), texel(1, 0));
  }
  {
    // Shaded texels: Gouraud values 180 at level Max turn every texel white.
    RasterRig rig;
    rig.textures.set(1, 3, 2, picture);
    const int f =
        rig.addFaceObject(at(0, 0, 0, 0, 0), at(8, 0, 0, 8, 0), at(0, 8, 0, 0, 8), kPaint, 0);
    rig.face(f).material = 1;
    for (auto& value : rig.shading(f).light) value = 180;
    rig.draw(f, 1, ShadingMode::Gouraud);
    EXPECT_EQ(rig.pixel(1, 1), kWhite);
  }
}

TEST(RasteriserBake, FlatBakeStoresTheShadedColourAndAngleOtherModesKeepTheColour) {
  RasterRig rig;
  rig.light.LightPosition = {105, 105, 1e10f};  // t = 180 as above: white at level Max
  const int f = addFacingTriangle(rig, kPaint, 0);
  const int g = addFacingTriangle(rig, kPaint, 0);
  rig.shading(g).light[0] = 33;
  rig.draw(f, 1, ShadingMode::Flat, true);
  rig.draw(g, 1, ShadingMode::Gouraud, true);
  EXPECT_EQ((Rgb{rig.face(f).red, rig.face(f).green, rig.face(f).blue}), kWhite);
  EXPECT_EQ(rig.shading(f).light[0], 180);
  EXPECT_EQ((Rgb{rig.face(g).red, rig.face(g).green, rig.face(g).blue}), kPaint);
  EXPECT_EQ(rig.shading(g).light[0], 33);
}

TEST(RasteriserErrors, BadMaterialsTexelsAndAnglesThrowRangeError) {
  {
    // A material outside 1..100 fails before anything changes; one without a picture (it
    // could not be decoded) draws the face in its own colour.
    RasterRig rig;
    const int f = addFacingTriangle(rig, kPaint, 0);
    rig.face(f).material = 101;
    EXPECT_THROW(rig.draw(f, 1, ShadingMode::Flat, true), RangeError);
    rig.face(f).material = -1;
    EXPECT_THROW(rig.draw(f, 1, ShadingMode::Flat, true), RangeError);
    EXPECT_EQ((Rgb{rig.face(f).red, rig.face(f).green, rig.face(f).blue}), kPaint);
    EXPECT_TRUE(rig.drawnPixels().empty());
    rig.face(f).material = 2;
    rig.face(f).ReflectionLevel = 4;
    EXPECT_NO_THROW(rig.draw(f, 1, ShadingMode::Phong));
    EXPECT_EQ(rig.pixel(102, 105), kPaint);
  }
  {
    // A light angle given from outside 0..180.
    RasterRig rig;
    const int f = addFacingTriangle(rig, kPaint, 0);
    const RasterContext context{rig.light, rig.textures, false};
    EXPECT_THROW(rasteriseFace(rig.scene, f, 1, ShadingMode::Flat, false, context, rig.frame, 181),
                 RangeError);
    EXPECT_THROW(rasteriseFace(rig.scene, f, 1, ShadingMode::Flat, false, context, rig.frame, -1),
                 RangeError);
    // A given angle of 90 draws the colour unchanged; outside flat mode it is not read.
    rasteriseFace(rig.scene, f, 1, ShadingMode::Flat, false, context, rig.frame, 90);
    EXPECT_EQ(rig.pixel(102, 105), kPaint);
    EXPECT_NO_THROW(
        rasteriseFace(rig.scene, f, 1, ShadingMode::Gouraud, false, context, rig.frame, 999));
  }
  {
    // A picture wider than the store's 816 columns: texel column 816 is not stored, and the
    // face throws when its span reaches u = 816 (pixel 816 - 800 = 16 of the row).
    RasterRig rig;
    rig.textures.set(1, 900, 1, std::vector<Rgb>(900, kPaint));
    const int f = rig.addFaceObject(at(0, 0, 0, 800, 0), at(100, 0, 0, 900, 0), at(0, 1, 0, 800, 0),
                                    kPaint, 4);
    rig.face(f).material = 1;
    EXPECT_THROW(rig.draw(f, 1, ShadingMode::Flat), RangeError);
    EXPECT_EQ(rig.pixel(15, 0), kPaint);  // drawn before the bad texel
    EXPECT_EQ(rig.pixel(16, 0), kWhite);
  }
}

}  // namespace
}  // namespace facetry
