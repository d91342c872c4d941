// Tests of the corner-normal pass: which corners share a normal, the shared value, and the
// Gouraud values from the stored normals. Normals of faces in the planes used here are
// exactly (0, 0, 20), (0, -20, 0) and so on, so every expected value is a whole number.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "render/normals_cache.h"
#include "render/raster_rig.h"
#include "render/rasteriser.h"
#include "scene/geometry.h"

namespace facetry {
namespace {

using testing::at;
using testing::RasterRig;

using Normal = std::array<std::int32_t, 3>;

Normal normalOf(RasterRig& rig, int face, int corner) {
  const std::int32_t* n = rig.shading(face).normals[corner];
  return {n[0], n[1], n[2]};
}

// Faces in the plane z = 0 (normal (0, 0, 20)) and y = 0 (normal (0, -20, 0)), each with
// its first corner at `p` and the other two far away at x = far.
void addFlatFace(RasterRig& rig, const FaceCorner& p, float far) {
  addFace(rig.scene, rig.host, p, at(far, p.y, p.z), at(far, p.y + 10, p.z));
}
void addUprightFace(RasterRig& rig, const FaceCorner& p, float far) {
  addFace(rig.scene, rig.host, p, at(far, p.y, p.z), at(far, p.y, p.z + 10));
}
void closeIt(RasterRig& rig) {
  closeObject(rig.scene, rig.host, false, false);
}

// The corner-normal rules written out plainly: the smooth corners in face order, a stable
// sort by key, the scan corner by corner, and the kernel's distance and vectorAngle.
void referenceVertexNormals(Scene& scene, const Lighting& light) {
  struct Entry {
    Point3 position, normal;
    std::int32_t key;
    int face, corner;
    bool assigned;
  };
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (object.first > object.last) continue;
    std::vector<Entry> entries;
    for (int f = object.first; f <= object.last; ++f) {
      const Face& face = scene.FaceTable[static_cast<std::size_t>(f)];
      const Point3 ns =
          faceNormal(face.corners[0].point(), face.corners[1].point(), face.corners[2].point(), 20);
      for (int c = 0; c < 3; ++c) {
        if (face.smooth) {
          entries.push_back(
              {face.corners[c].point(), ns, truncToInt(face.corners[c].x), f, c, false});
        } else {
          const auto whole = truncPoint(ns);
          std::copy(whole.begin(), whole.end(),
                    scene.FaceShadingTable[static_cast<std::size_t>(f)].normals[c]);
        }
      }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    for (std::size_t j = 0; j < entries.size(); ++j) {
      if (entries[j].assigned) continue;
      std::vector<std::size_t> members;
      for (std::size_t i = j + 1; i < entries.size(); ++i) {
        if (i > j + 1 && entries[i].key != entries[j].key) break;
        if (!entries[i].assigned && distance(entries[j].position, entries[i].position) < 1 &&
            members.size() < 1998) {
          members.push_back(i);
        }
      }
      double low[3] = {entries[j].normal.x, entries[j].normal.y, entries[j].normal.z};
      double high[3] = {low[0], low[1], low[2]};
      for (std::size_t i : members) {
        const double n[3] = {entries[i].normal.x, entries[i].normal.y, entries[i].normal.z};
        for (int a = 0; a < 3; ++a) {
          low[a] = std::min(low[a], n[a]);
          high[a] = std::max(high[a], n[a]);
        }
        entries[i].assigned = true;
      }
      members.push_back(j);
      for (std::size_t i : members) {
        for (int a = 0; a < 3; ++a) {
          scene.FaceShadingTable[static_cast<std::size_t>(entries[i].face)]
              .normals[entries[i].corner][a] = truncToInt((low[a] + high[a]) / 2);
        }
      }
    }
    for (int f = object.first; f <= object.last; ++f) {
      FaceShading& shading = scene.FaceShadingTable[static_cast<std::size_t>(f)];
      for (int c = 0; c < 3; ++c) {
        const FaceCorner& p = scene.FaceTable[static_cast<std::size_t>(f)].corners[c];
        const Point3 n{static_cast<float>(shading.normals[c][0]),
                       static_cast<float>(shading.normals[c][1]),
                       static_cast<float>(shading.normals[c][2])};
        const Point3 to_light{light.LightPosition.x - p.x, light.LightPosition.y - p.y,
                              light.LightPosition.z - p.z};
        shading.light[c] = static_cast<std::uint8_t>(truncToInt(180 - vectorAngle(n, to_light)));
      }
    }
  }
}

// A closed sphere of lat x lon quads about (cx, cy, cz), corners jittered by up to `jitter`
// so that shared corners sit at distances around 1 from each other.
void addSphereObject(RasterRig& rig, std::mt19937& rng, float cx, float cy, float cz, float radius,
                     int lat, int lon, float jitter) {
  std::uniform_real_distribution<float> shake(-jitter, jitter);
  const auto point = [&](int i, int j) {
    const double theta = 3.141592653589793 * i / lat, phi = 6.283185307179586 * j / lon;
    return at(static_cast<float>(cx + radius * std::sin(theta) * std::cos(phi)) + shake(rng),
              static_cast<float>(cy + radius * std::cos(theta)) + shake(rng),
              static_cast<float>(cz + radius * std::sin(theta) * std::sin(phi)) + shake(rng));
  };
  for (int i = 0; i < lat; ++i) {
    for (int j = 0; j < lon; ++j) {
      addFace(rig.scene, rig.host, point(i, j), point(i + 1, j), point(i + 1, j + 1));
      addFace(rig.scene, rig.host, point(i, j), point(i + 1, j + 1), point(i, j + 1));
    }
  }
  closeObject(rig.scene, rig.host, false, false);
}

TEST(VertexNormals, SmoothCornersOfOneObjectWithinDistanceOneShareTheMidpointNormal) {
  RasterRig rig;
  addFlatFace(rig, at(50, 0, 0), 100);        // (0, 0, 20)
  addUprightFace(rig, at(50.5f, 0, 0), 200);  // (0, -20, 0), first corner 0.5 away
  addUprightFace(rig, at(50, 1, 0), 300);     // same key, exactly 1 from the first corner
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  // Midpoint of each component's range over the group: (0, -10, 10).
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
  // The third face's corner is at distance 1 from the group's first corner, not below 1: it
  // keeps its face normal (the second corner, nearer to it, is already taken).
  EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, -20, 0}));
  // Far corners keep their own face's normal.
  EXPECT_EQ(normalOf(rig, 0, 1), (Normal{0, 0, 20}));
  EXPECT_EQ(normalOf(rig, 1, 2), (Normal{0, -20, 0}));
}

TEST(VertexNormals, ObjectsAndUnsmoothFacesNeverShare) {
  RasterRig rig;
  addFlatFace(rig, at(50, 0, 0), 100);
  closeIt(rig);
  addUprightFace(rig, at(50, 0, 0), 200);  // same corner, other object
  closeIt(rig);
  addFlatFace(rig, at(60, 0, 0), 100);
  addUprightFace(rig, at(60, 0, 0), 200);
  rig.face(3).smooth = 0;
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, 0, 20}));
  EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -20, 0}));
  EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, 0, 20}));
  for (int corner = 0; corner < 3; ++corner) {
    EXPECT_EQ(normalOf(rig, 3, corner), (Normal{0, -20, 0}));
  }
}

TEST(VertexNormals, CandidatesAreTheNextCornerAndThenOnlyCornersWithTheSameKey) {
  // Corners at x = 4.9 (key 4) and 5.1 (key 5) are 0.2 apart. Sorted by key they are
  // neighbours, and the next corner is always examined, so they share (0, -10, 10).
  {
    RasterRig rig;
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
  }
  // A later face with another key-4 corner (x = 4.2, far away in y) comes between them in
  // the sorted order: the 4.9 corner's scan examines it, then stops at key 5, so the two
  // near corners keep their own normals.
  {
    RasterRig rig;
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    addFlatFace(rig, at(4.2f, 50, 0), 300);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, 0, 20}));
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -20, 0}));
  }
  // Put the far corner's face first and the 4.9 corner is again directly before 5.1.
  {
    RasterRig rig;
    addFlatFace(rig, at(4.2f, 50, 0), 300);
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
    EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, -10, 10}));
  }
}

TEST(VertexNormals, GroupTakesAtMost1998MembersBesidesItsFirstCorner) {
  // 2000 faces meet at the origin: 1998 flat ones, then two upright ones. The first face's
  // corner takes the next 1998 corners, the first upright one included, so the group's
  // normal is (0, -10, 10); the last upright corner is left with its own normal. (Counting
  // the first corner as a member would leave both upright corners out, together.)
  // Far corners sit on distinct keys, 10 apart.
  RasterRig rig;
  for (int i = 0; i < 1998; ++i) addFlatFace(rig, at(0, 0, 0), 100.0f + 10.0f * i);
  addUprightFace(rig, at(0, 0, 0), 30000);
  addUprightFace(rig, at(0, 0, 0), 30010);
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1998, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1999, 0), (Normal{0, -20, 0}));
}

TEST(VertexNormals, GouraudValuesFollowTheAngleToTheLightAndOpenFacesKeepTheirs) {
  // Normal (0, 0, 20). Light straight ahead: angle 0, value 180. Light in the face's plane:
  // cosine 0 reads entry 0 (just under 90), 180 - 89.9999994 truncates to 90. Light behind:
  // cosine -1 gives 180, value 0.
  const struct {
    Point3 light;
    int value;
  } cases[] = {{{50, 0, 500}, 180}, {{50, 500, 0}, 90}, {{50, 0, -500}, 0}};
  for (const auto& c : cases) {
    RasterRig rig;
    rig.light.LightPosition = c.light;
    addFlatFace(rig, at(50, 0, 0), 100);
    closeIt(rig);
    addFlatFace(rig, at(50, 0, 0), 100);  // stays in the open object
    rig.shading(1).light[0] = 77;
    rig.shading(1).normals[0][0] = 5;
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(rig.shading(0).light[0], c.value);
    EXPECT_EQ(rig.shading(1).light[0], 77);
    EXPECT_EQ(rig.shading(1).normals[0][0], 5);
  }
}

TEST(VertexNormals, MatchTheRuleByRuleReferenceOnVariedObjects) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    RasterRig rig;
    rig.light.LightPosition = {230, 0, 800};
    // Dense spheres: long runs of equal keys, searched by row; exact and jittered corners.
    addSphereObject(rig, rng, 200, 200, 0, 150, 40, 60, 0);
    addSphereObject(rig, rng, 500, 300, 50, 60, 30, 40, 0.6f);
    // Corners spread far in y within one key: too many rows to search, scanned instead.
    std::uniform_real_distribution<float> far(-1e6f, 1e6f);
    for (int i = 0; i < 200; ++i) {
      addFace(rig.scene, rig.host, at(700.5f, far(rng), 0), at(700.2f, far(rng), 5),
              at(701, far(rng), 9));
    }
    closeObject(rig.scene, rig.host, false, false);
    // A small object with unsmooth faces mixed in, and an open object left alone.
    std::uniform_real_distribution<float> near(0, 3);
    for (int i = 0; i < 60; ++i) {
      addFace(rig.scene, rig.host, at(near(rng), near(rng), near(rng)),
              at(near(rng), near(rng), near(rng)), at(near(rng), near(rng), near(rng)));
      rig.face(rig.scene.FaceCount - 1).smooth = static_cast<std::uint8_t>(i % 3 != 0);
    }
    closeObject(rig.scene, rig.host, false, false);
    addFace(rig.scene, rig.host, at(1, 1, 1), at(5, 1, 1), at(1, 5, 1));

    RasterRig plain;
    plain.scene = rig.scene;
    computeVertexNormals(rig.scene, rig.light);
    referenceVertexNormals(plain.scene, rig.light);
    for (int f = 0; f < rig.scene.FaceCount; ++f) {
      ASSERT_EQ(std::memcmp(&rig.shading(f), &plain.shading(f), sizeof(FaceShading)), 0)
          << "seed " << seed << " face " << f;
    }
  }
}

}  // namespace
}  // namespace facetry

namespace facetry {
namespace {

TEST(VertexNormalsCache, KeptWhileNothingChangesAndWorkedOutAgainAfterAnyChange) {
  std::mt19937 rng(7);
  RasterRig rig;
  rig.light.LightPosition = {230, 0, 800};
  addSphereObject(rig, rng, 200, 200, 0, 150, 20, 30, 0);
  addSphereObject(rig, rng, 500, 300, 50, 60, 12, 16, 0.6f);
  VertexNormalsCache cache;
  const auto matchesFresh = [&] {
    RasterRig fresh;
    fresh.scene = rig.scene;
    computeVertexNormals(fresh.scene, rig.light);
    for (int f = 0; f < rig.scene.FaceCount; ++f) {
      if (std::memcmp(&rig.shading(f), &fresh.shading(f), sizeof(FaceShading)) != 0) return false;
    }
    return true;
  };
  EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache));
  EXPECT_FALSE(updateVertexNormals(rig.scene, rig.light, cache));
  // Each thing the normals depend on, changed in turn: a corner, a smooth flag, an object's
  // range, the light, and the table written over by someone else.
  const std::function<void()> changes[] = {
      [&] { rig.face(100).corners[1].y += 0.25f; }, [&] { rig.face(7).smooth = 0; },
      [&] { rig.scene.ObjectTable[0].last -= 1; },  [&] { rig.light.LightPosition.x += 1; },
      [&] { rig.shading(30).light[2] ^= 1; },
  };
  for (const auto& change : changes) {
    change();
    EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache));
    EXPECT_TRUE(matchesFresh());
    EXPECT_FALSE(updateVertexNormals(rig.scene, rig.light, cache));
  }

  // Given the count of corner changes of a comparison just made, the corners are compared
  // only when the count differs from the one the cache last saw, or it saw none.
  std::uint64_t counted = 5;
  EXPECT_FALSE(updateVertexNormals(rig.scene, rig.light, cache, nullptr, &counted));
  EXPECT_FALSE(updateVertexNormals(rig.scene, rig.light, cache, nullptr, &counted));
  rig.face(100).corners[1].y += 0.25f;
  ++counted;
  EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache, nullptr, &counted));
  EXPECT_TRUE(matchesFresh());
  rig.face(7).smooth = 1;  // the other sources are still compared
  EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache, nullptr, &counted));
  rig.face(100).corners[1].y -= 0.25f;
  EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache));
  rig.face(100).corners[1].y += 0.25f;
  ++counted;
  EXPECT_TRUE(updateVertexNormals(rig.scene, rig.light, cache, nullptr, &counted));
  EXPECT_TRUE(matchesFresh());
}

}  // namespace
}  // namespace facetry
