// The optimised rasteriser against the rule-by-rule reference on random scenes: every pixel,
// every depth, every baked colour and light value, and every error must be the same, in
// each view, shading mode and outline setting.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "render/raster_rig.h"
#include "render/rasteriser.h"
#include "render/reference_rasteriser.h"
#include "scene/errors.h"

namespace facetry {
namespace {

using testing::at;
using testing::RasterRig;

// Faces of every kind the scan must handle: specks, ordinary and huge faces (partly off
// the bitmap), corners on whole numbers (equal rows and columns), slivers, points, depths and
// texture coordinates large enough to wrap in fixed point, edges of 2^31 rows, and the odd
// coordinate or material that must fail.
void fillScene(RasterRig& rig, std::mt19937& rng, int faces) {
  std::uniform_real_distribution<float> unit(0, 1);
  const auto uniform = [&](float low, float high) { return low + (high - low) * unit(rng); };
  const auto chance = [&](float p) { return unit(rng) < p; };

  std::vector<Rgb> picture(15);
  for (auto& p : picture)
    p = {static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
         static_cast<std::uint8_t>(rng())};
  rig.textures.set(1, 5, 3, picture);
  std::vector<Rgb> wide(900 * 2);
  for (std::size_t i = 0; i < wide.size(); ++i)
    wide[i] = {static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(i / 3)};
  rig.textures.set(2, 900, 2, wide);  // columns 816..899 are not stored: those texels throw
  rig.light.LightPosition =
      chance(0.2f) ? Point3{uniform(-1e6f, 1e6f), uniform(-1e6f, 1e6f), 1e7f}
                   : Point3{uniform(-100, 900), uniform(-300, 300), uniform(-200, 1000)};

  for (int i = 0; i < faces; ++i) {
    const float kind = unit(rng);
    const float size = kind < 0.45f ? 6 : kind < 0.9f ? 40 : kind < 0.97f ? 300 : 1200;
    const Point3 centre{uniform(-60, 880), uniform(-60, 880), uniform(-300, 300)};
    FaceCorner corners[3];
    for (auto& c : corners) {
      c = at(centre.x + uniform(-size, size), centre.y + uniform(-size, size),
             centre.z + uniform(-size, size), uniform(-300, 1200), uniform(-300, 1200));
    }
    if (chance(0.25f)) {
      for (auto& c : corners) c.x = std::round(c.x), c.y = std::round(c.y), c.z = std::round(c.z);
    }
    if (chance(0.1f)) corners[1].y = corners[0].y;            // equal rows in the front view
    if (chance(0.05f)) corners[2] = corners[1];               // a line
    if (chance(0.03f)) corners[1] = corners[2] = corners[0];  // a point
    if (chance(0.02f)) corners[0].z = uniform(-2e7f, 2e7f);   // depth * 128 wraps
    if (chance(0.02f)) corners[1].u = uniform(-2e7f, 2e7f);
    if (chance(0.003f)) corners[2].x = 3e9f;                          // beyond int32
    if (chance(0.005f)) corners[0].y = -2.1e9f, corners[1].y = 2e8f;  // 2^31 rows and more
    const Rgb colour{static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
                     static_cast<std::uint8_t>(rng())};
    const int f =
        rig.addFaceObject(corners[0], corners[1], corners[2], colour, static_cast<int>(rng() % 5));
    Face& face = rig.face(f);
    if (chance(0.2f)) face.material = chance(0.8f) ? 1 : 2;
    // A material without a picture draws in the face's colour; one outside 1..100 fails.
    if (chance(0.003f)) face.material = chance(0.5f) ? 3 : 101;
    FaceShading& shading = rig.shading(f);
    for (auto& light : shading.light) light = static_cast<std::uint8_t>(rng());
    for (auto& normal : shading.normals) {
      for (auto& n : normal) n = static_cast<std::int32_t>(rng() % 51) - 25;
    }
    if (chance(0.01f)) shading.normals[0][1] = static_cast<std::int32_t>(rng());  // wraps
  }
  // Every scene has a face that fails, whatever else the draw brought.
  if (faces > 0) rig.face(rig.scene.FaceCount - 1).material = 101;
}

std::string firstDifference(const FrameBuffers& a, const FrameBuffers& b) {
  for (int y = 0; y < kBitmapSize; ++y) {
    for (int x = 0; x < kBitmapSize; ++x) {
      const Rgb p = a.ViewBitmap.pixel(x, y), q = b.ViewBitmap.pixel(x, y);
      if (!(p == q)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) +
               "): " + std::to_string(p.red) + "," + std::to_string(p.green) + "," +
               std::to_string(p.blue) + " vs " + std::to_string(q.red) + "," +
               std::to_string(q.green) + "," + std::to_string(q.blue);
      }
    }
  }
  for (std::size_t i = 0; i < a.DepthBuffer.size(); ++i) {
    if (a.DepthBuffer[i] != b.DepthBuffer[i]) {
      return "depth at " + std::to_string(i) + ": " + std::to_string(a.DepthBuffer[i]) + " vs " +
             std::to_string(b.DepthBuffer[i]);
    }
  }
  return {};
}

struct Run {
  int view;
  ShadingMode mode;
  bool poly_lines;
  bool bake;
  bool given_angle;  // the overload with the flat angle computed beforehand
};

void compareOnSeed(unsigned seed, int faces) {
  const ShadingMode modes[] = {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong};
  std::vector<Run> runs;
  for (int view = 1; view <= 3; ++view) {
    for (ShadingMode mode : modes) {
      runs.push_back({view, mode, ((view + static_cast<int>(mode) + seed) % 2) == 0,
                      mode == ShadingMode::Flat && view == 1, view == 3});
    }
  }
  int all_failures = 0;
  for (const Run& run : runs) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " view " + std::to_string(run.view) + " mode " +
                 std::to_string(static_cast<int>(run.mode)) + " outlines " +
                 std::to_string(run.poly_lines));
    std::mt19937 rng(seed);
    RasterRig fast;
    fillScene(fast, rng, faces);
    RasterRig slow;
    slow.scene = fast.scene;
    slow.light = fast.light;
    slow.textures = fast.textures;
    fast.poly_lines = slow.poly_lines = run.poly_lines;
    const RasterContext fast_context{fast.light, fast.textures, run.poly_lines};
    const RasterContext slow_context{slow.light, slow.textures, run.poly_lines};

    int failures = 0;  // faces that threw
    for (int f = 0; f < fast.scene.FaceCount; ++f) {
      bool fast_threw = false, slow_threw = false;
      try {
        if (run.given_angle && run.mode == ShadingMode::Flat) {
          const int t = flatLightAngle(fast.face(f), fast.light.LightPosition);
          rasteriseFace(fast.scene, f, run.view, run.mode, run.bake, fast_context, fast.frame, t);
        } else {
          rasteriseFace(fast.scene, f, run.view, run.mode, run.bake, fast_context, fast.frame);
        }
      } catch (const RangeError&) {
        fast_threw = true;
      }
      try {
        testing::referenceRasteriseFace(slow.scene, f, run.view, run.mode, run.bake, slow_context,
                                        slow.frame);
      } catch (const RangeError&) {
        slow_threw = true;
      }
      ASSERT_EQ(fast_threw, slow_threw) << "face " << f;
      failures += fast_threw;
    }
    ASSERT_EQ(firstDifference(fast.frame, slow.frame), "");
    for (int f = 0; f < fast.scene.FaceCount; ++f) {
      const Face& a = fast.face(f);
      const Face& b = slow.face(f);
      ASSERT_EQ((Rgb{a.red, a.green, a.blue}), (Rgb{b.red, b.green, b.blue})) << "face " << f;
      ASSERT_EQ(std::memcmp(&fast.shading(f), &slow.shading(f), sizeof(FaceShading)), 0)
          << "face " << f;
    }
    // The scenes must draw plenty and fail now and then, or they test too little.
    EXPECT_LT(failures, faces / 4);
    all_failures += failures;
    EXPECT_GT(fast.drawnPixels().size(), 10000u);
  }
  EXPECT_GT(all_failures, 0) << "seed " << seed;
}

TEST(RasteriserComparison, MatchesTheReferenceOnRandomScenes) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) compareOnSeed(seed, 120);
}

TEST(RasteriserComparison, MatchesTheReferenceOnCrowdedSmallFaces) {
  // Many specks over each other: the depth test and equal depths decide most pixels.
  std::mt19937 rng(99);
  const ShadingMode modes[] = {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong};
  for (ShadingMode mode : modes) {
    RasterRig fast;
    std::uniform_real_distribution<float> place(95, 125);
    std::uniform_real_distribution<float> depth(0, 3);
    for (int i = 0; i < 400; ++i) {
      fast.addFaceObject(
          at(place(rng), place(rng), depth(rng)), at(place(rng), place(rng), depth(rng)),
          at(place(rng), place(rng), depth(rng)), {static_cast<std::uint8_t>(i), 100, 200}, i % 5);
      for (auto& light : fast.shading(i).light) light = static_cast<std::uint8_t>(rng() % 181);
      for (auto& normal : fast.shading(i).normals) {
        for (auto& n : normal) n = static_cast<std::int32_t>(rng() % 41) - 20;
      }
    }
    RasterRig slow;
    slow.scene = fast.scene;
    const RasterContext fast_context{fast.light, fast.textures, false};
    const RasterContext slow_context{slow.light, slow.textures, false};
    for (int f = 0; f < fast.scene.FaceCount; ++f) {
      rasteriseFace(fast.scene, f, 1, mode, false, fast_context, fast.frame);
      testing::referenceRasteriseFace(slow.scene, f, 1, mode, false, slow_context, slow.frame);
    }
    EXPECT_EQ(firstDifference(fast.frame, slow.frame), "") << static_cast<int>(mode);
  }
}

}  // namespace
}  // namespace facetry
