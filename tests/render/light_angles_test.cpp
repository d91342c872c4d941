// Tests that the fast light angles equal the geometry kernel's long-double ones: on random
// geometry, and on the cases built to sit on a truncation step (cosines that are exact
// multiples of 1/1000, angles of exactly 0, 90 and 180, thin and degenerate faces).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "render/flat_angles.h"
#include "render/light_angles.h"
#include "render/rasteriser.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {
namespace {

int kernelFlatAngle(const Face& f, const Point3& light) {
  const Point3 a = f.corners[0].point(), b = f.corners[1].point(), c = f.corners[2].point();
  return truncToInt((faceLightAngle(light, a, b, c) + faceLightAngle(light, b, c, a) +
                     faceLightAngle(light, c, a, b)) /
                    3);
}

Face faceOf(const Point3& a, const Point3& b, const Point3& c) {
  Face f;
  f.corners[0].setPoint(a);
  f.corners[1].setPoint(b);
  f.corners[2].setPoint(c);
  return f;
}

// Pairs from Pythagorean triples, in both signs and several axis orders: cosines such as
// 3/5 and 7/25 are exact multiples of 1/1000, 20/29 and 9/41 fall between the steps.
std::vector<std::pair<Point3, Point3>> steppedPairs() {
  const int triples[][3] = {{3, 4, 5}, {7, 24, 25}, {20, 21, 29}, {9, 40, 41}, {1, 0, 1}};
  std::vector<std::pair<Point3, Point3>> pairs;
  for (const auto& t : triples) {
    for (float scale : {1.0f, 3.0f, 0.125f, 1000.0f}) {
      for (float sign : {1.0f, -1.0f}) {
        const Point3 axis{static_cast<float>(t[2]), 0, 0};
        const Point3 slanted{sign * scale * t[0], scale * t[1], 0};
        const Point3 other{sign * scale * t[1], 0, scale * t[0]};
        pairs.push_back({axis, slanted});
        pairs.push_back({axis, other});
        pairs.push_back({{0, axis.x, 0}, {slanted.y, slanted.x, slanted.z}});
      }
    }
  }
  pairs.push_back({{0, 0, 20}, {0, 0, 0}});      // zero length
  pairs.push_back({{0, 0, 0}, {1, 2, 3}});       // zero normal
  pairs.push_back({{0, 0, 20}, {0, 0, -5}});     // opposite
  pairs.push_back({{0, 0, 20}, {0, 7, 0}});      // perpendicular
  pairs.push_back({{0, 0, 20}, {0, 0, 1e30f}});  // huge
  pairs.push_back({{0, 0, 20}, {1e-30f, 0, 1e-30f}});
  return pairs;
}

TEST(LightAngles, PixelAndCornerValuesEqualTheKernelsVectorAngle) {
  const VectorAngleLights& lights = VectorAngleLights::instance();
  const auto check = [&](const Point3& a, const Point3& b) {
    const double angle = vectorAngle(a, b);
    EXPECT_EQ(pixelLightAngle(a, b, lights), 180 - truncToInt(angle))
        << a.x << " " << a.y << " " << a.z << " / " << b.x << " " << b.y << " " << b.z;
    EXPECT_EQ(cornerLightValue(a, b, lights), truncToInt(180 - angle));
  };
  for (const auto& [a, b] : steppedPairs()) check(a, b);

  std::mt19937 rng(11);
  std::uniform_int_distribution<int> component(-25, 25);
  std::uniform_real_distribution<float> offset(-900, 900);
  for (int i = 0; i < 200000; ++i) {
    const Point3 normal{static_cast<float>(component(rng)), static_cast<float>(component(rng)),
                        static_cast<float>(component(rng))};
    check(normal, {offset(rng), offset(rng), offset(rng)});
    // Whole-number directions, as a Phong pixel's are when the light sits on whole numbers.
    check(normal, {std::round(offset(rng)), std::round(offset(rng)), std::round(offset(rng))});
  }
}

TEST(LightAngles, FlatAngleEqualsTheKernelsMeanOfThreeCornerAngles) {
  std::vector<std::pair<Face, Point3>> cases;
  // Light straight ahead of a small face, far enough for the cosines to round to -1 (180),
  // and straight behind it (angles of exactly 0, which the kernel reports as 1).
  const Face square = faceOf({100, 100, 0}, {110, 100, 0}, {100, 110, 0});
  cases.push_back({square, {105, 105, 1e10f}});
  cases.push_back({square, {105, 105, -1e10f}});
  cases.push_back({square, {105, 105, 1000}});
  cases.push_back({square, {300, 105, 0}});  // in the face's plane: every angle 90
  cases.push_back({square, {100, 100, 0}});  // on a corner: zero length
  cases.push_back({faceOf({1, 1, 1}, {1, 1, 1}, {1, 1, 1}), {5, 5, 5}});           // a point
  cases.push_back({faceOf({0, 0, 0}, {10, 0, 0}, {20, 0, 0}), {5, 5, 5}});         // a line
  cases.push_back({faceOf({0, 0, 0}, {500, 0, 0}, {1000, 1e-3f, 0}), {5, 5, 5}});  // sliver
  cases.push_back({faceOf({0, 0, 0}, {1e-3f, 0, 0}, {0, 1e-3f, 0}), {5, 5, 5}});   // tiny

  std::mt19937 rng(5);
  std::uniform_real_distribution<float> place(-200, 1000);
  std::uniform_real_distribution<float> size(-30, 30);
  std::uniform_int_distribution<int> whole(-400, 1200);
  for (int i = 0; i < 100000; ++i) {
    const Point3 a{place(rng), place(rng), place(rng)};
    Face f = faceOf(a, {a.x + size(rng), a.y + size(rng), a.z + size(rng)},
                    {a.x + size(rng), a.y + size(rng), a.z + size(rng)});
    if (i % 4 == 0) {
      // Whole-number corners and light: axis-parallel faces and exact right angles abound.
      for (auto& c : f.corners) {
        c.x = static_cast<float>(whole(rng) / 40 * 40);
        c.y = static_cast<float>(whole(rng) / 40 * 40);
        c.z = static_cast<float>(whole(rng) / 40 * 40);
      }
      cases.push_back({f, {static_cast<float>(whole(rng) / 40 * 40), 0, 800}});
    } else {
      cases.push_back({f, {place(rng), place(rng), place(rng)}});
    }
  }
  for (const auto& [face, light] : cases) {
    ASSERT_EQ(flatLightAngle(face, light), kernelFlatAngle(face, light))
        << face.corners[0].x << " " << face.corners[0].y << " " << face.corners[0].z << " "
        << face.corners[1].x << " " << face.corners[1].y << " " << face.corners[1].z << " "
        << face.corners[2].x << " " << face.corners[2].y << " " << face.corners[2].z << " light "
        << light.x << " " << light.y << " " << light.z;
  }
  EXPECT_EQ(flatLightAngle(square, {105, 105, 1e10f}), 180);
  EXPECT_EQ(flatLightAngle(square, {105, 105, -1e10f}), 1);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(flatLightAngle(faceOf({nan, 0, 0}, {1, 0, 0}, {0, 1, 0}), {5, 5, 5}), RangeError);
}

// The angles a redraw keeps are those of the corners and light of the moment: after moving
// one corner, after moving the light, and with a face added, on one thread and on two.
TEST(LightAngles, KeptFlatAnglesFollowEveryChange) {
  for (const int faces : {50, 5000}) {
    Scene scene;
    std::mt19937 rng(17);
    std::uniform_real_distribution<float> place(0, 800);
    scene.FaceTable.resize(static_cast<std::size_t>(faces) + 1);
    scene.FaceShadingTable.resize(scene.FaceTable.size());
    for (int i = 0; i < faces; ++i) {
      scene.FaceTable[static_cast<std::size_t>(i)] =
          faceOf({place(rng), place(rng), place(rng)}, {place(rng), place(rng), place(rng)},
                 {place(rng), place(rng), place(rng)});
    }
    scene.FaceCount = faces - 1;
    Point3 light{400, 400, -2000};
    std::vector<int> angles;
    FlatAngleSources sources;
    SideWorker worker;
    const auto check = [&](const char* after) {
      computeFlatAngles(scene, light, angles, sources, &worker);
      for (int i = 0; i < scene.FaceCount; ++i) {
        ASSERT_EQ(angles[static_cast<std::size_t>(i)],
                  flatLightAngle(scene.FaceTable[static_cast<std::size_t>(i)], light))
            << after << ", face " << i << " of " << faces;
      }
    };
    check("the first time");
    scene.FaceTable[7].corners[1].y += 300;
    check("a corner moved");
    light = {-500, 100, 300};
    check("the light moved");
    scene.FaceCount = faces;
    check("a face added");
  }
}

}  // namespace
}  // namespace facetry
