// Texture coordinates worked out by hand for the faces of a 100-unit cube from (10, 20, 30)
// to (110, 120, 130): relative to its minimum the centre is (50, 50, 50), the girth
// 2 x 100 + 2 x 100 = 400 and |centre| = 50 sqrt 3.
#include <gtest/gtest.h>

#include "materials/material_list.h"
#include "materials/texture_mapping.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"

namespace facetry {
namespace {

using testing::corner;

struct CubeRig {
  testing::ScriptedHost host;
  Scene scene;
  CubeRig() {
    scene.ask = true;
    // The cube's bounds come from two faces spanning it; the faces under test follow.
    add({10, 20, 30}, {110, 120, 130}, {10, 120, 30});
  }
  int add(Point3 a, Point3 b, Point3 c) {
    addFace(scene, host, corner(a.x, a.y, a.z), corner(b.x, b.y, b.z), corner(c.x, c.y, c.z));
    scene.FaceTable[static_cast<std::size_t>(scene.FaceCount - 1)].selected = 1;
    return scene.FaceCount - 1;
  }
  void map(MappingKind kind, WrapVariant variant) {
    closeObject(scene, host, false, false);
    scene.LastCubeDepth = 100;
    applyMaterialToSelection(scene, 1, {kind, variant});
  }
  void expect(int face, std::array<float, 3> u, std::array<float, 3> v) const {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(face)];
    EXPECT_EQ(f.material, 1);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(f.corners[k].u, u[k]) << "face " << face << " corner " << k;
      EXPECT_EQ(f.corners[k].v, v[k]) << "face " << face << " corner " << k;
    }
  }
};

TEST(TextureMapping, WrapAroundWidthAndHeightOfTheCubesFaces) {
  CubeRig rig;
  // Front face z = 130: angles 315, 45, 45 straddle the seam, so 45 becomes 405;
  // u = 400 theta / 360 and v keeps its height (every corner is 50 sqrt 3 from the centre).
  const int front = rig.add({10, 20, 130}, {110, 20, 130}, {110, 120, 130});
  // Side face x = 110: angles 45, 135, 135, no seam.
  const int side = rig.add({110, 20, 130}, {110, 20, 30}, {110, 120, 30});
  // Top face y = 120 is horizontal: u = x, v = LastCubeDepth - z.
  const int top = rig.add({10, 120, 30}, {110, 120, 30}, {110, 120, 130});
  // A corner on the wrap axis takes the mean of the other two (350 and 450); its height
  // scales by |centre| / 50: (0 - 50) sqrt 3 + 50 = -36.6.
  const int axis = rig.add({60, 20, 80}, {10, 20, 130}, {110, 120, 130});
  // A corner on the centre itself keeps its height, 50.
  const int centre = rig.add({60, 70, 80}, {10, 20, 130}, {110, 120, 130});
  rig.map(MappingKind::Wrap, WrapVariant::WidthAndHeight);
  rig.expect(front, {350, 450, 450}, {0, 0, 100});
  rig.expect(side, {50, 150, 150}, {0, 0, 100});
  rig.expect(top, {0, 100, 100}, {100, 100, 0});
  rig.expect(axis, {400, 350, 450}, {-36, 0, 100});
  EXPECT_EQ(rig.scene.FaceTable[static_cast<std::size_t>(centre)].corners[0].v, 50);
}

TEST(TextureMapping, WidthHeightAndFlatVariants) {
  {
    CubeRig rig;
    const int side = rig.add({110, 20, 130}, {110, 20, 30}, {110, 120, 30});
    rig.map(MappingKind::Wrap, WrapVariant::Width);
    rig.expect(side, {50, 150, 150}, {0, 0, 100});
  }
  {
    // "Height" wraps in the (y, z) plane: angles 315, 315, 45 -> 405.
    CubeRig rig;
    const int front = rig.add({10, 20, 130}, {110, 20, 130}, {110, 120, 130});
    rig.map(MappingKind::Wrap, WrapVariant::Height);
    rig.expect(front, {0, 100, 100}, {350, 350, 450});
  }
  {
    // Flat projects along z from the minimum, truncating.
    CubeRig rig;
    const int front = rig.add({10.9f, 20, 130}, {110, 20.5f, 50}, {110, 120, 130});
    rig.map(MappingKind::Flat, WrapVariant::WidthAndHeight);
    rig.expect(front, {0, 100, 100}, {0, 0, 100});
    // Unselected faces and the open object keep their material and coordinates.
    EXPECT_EQ(rig.scene.FaceTable[0].material, 1);
  }
}

TEST(MaterialList, PlacementCommandsAndRemovalRenumbering) {
  testing::ScriptedHost host;
  Scene scene;
  scene.ask = true;
  for (int i = 0; i < 3; ++i) {
    addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
  }
  closeObject(scene, host, false, false);
  for (int i = 0; i < 3; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    f.selected = 1;
    f.material = i == 2 ? 0 : 1;
    f.corners[0].u = 100, f.corners[0].v = -37;
  }
  // Larger then Smaller with the same factor only loses what truncation drops.
  moveTextures(scene, TextureMove::Larger, 10);
  EXPECT_EQ(scene.FaceTable[0].corners[0].u, 90);  // trunc(100 / 1.1)
  EXPECT_EQ(scene.FaceTable[0].corners[0].v, -33);
  moveTextures(scene, TextureMove::Smaller, 10);
  EXPECT_EQ(scene.FaceTable[0].corners[0].u, 99);
  EXPECT_EQ(scene.FaceTable[0].corners[0].v, -36);
  moveTextures(scene, TextureMove::Left, 12.7f);
  moveTextures(scene, TextureMove::Down, 12.7f);
  EXPECT_EQ(scene.FaceTable[0].corners[0].u, 111);
  EXPECT_EQ(scene.FaceTable[0].corners[0].v, -48);
  EXPECT_EQ(scene.FaceTable[2].corners[0].u, 100);  // untextured: not moved

  // Entries 1..4 with faces on 2 and 4 only: 1 and 3 go, 2 -> 1 and 4 -> 2.
  TextureStore textures;
  for (int e = 1; e <= 4; ++e) {
    scene.MaterialList[static_cast<std::size_t>(e)].assign("m" + std::to_string(e));
    textures.set(e, e, 1, std::vector<Rgb>(static_cast<std::size_t>(e)));
  }
  scene.MaterialCount = 5;
  scene.FaceTable[0].material = 2;
  scene.FaceTable[1].material = 4;
  EXPECT_EQ(removeUnusedMaterials(scene, textures), 2);
  EXPECT_EQ(scene.MaterialCount, 3);
  EXPECT_EQ(scene.MaterialList[1].str(), "m2");
  EXPECT_EQ(scene.MaterialList[2].str(), "m4");
  EXPECT_EQ(textures.texture(1).width, 2);
  EXPECT_EQ(textures.texture(2).width, 4);
  EXPECT_EQ(textures.texture(3).width, 0);
  EXPECT_EQ(scene.FaceTable[0].material, 1);
  EXPECT_EQ(scene.FaceTable[1].material, 2);
  EXPECT_EQ(scene.FaceTable[2].material, 0);
  EXPECT_EQ(findMaterial(scene, "m4"), 2);
  EXPECT_EQ(findMaterial(scene, "M4"), 3);
}

}  // namespace
}  // namespace facetry
