// Tests of the shading menu commands: they touch selected faces only and keep the table in
// step with the shadow level.
#include <gtest/gtest.h>

#include "files/shell_commands.h"
#include "render/shading_commands.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"

namespace facetry {
namespace {

TEST(ShadingCommands, ReflectionAndSmoothingChangeSelectedFacesOnly) {
  Scene scene;
  testing::ScriptedHost host;
  testing::addBoxObject(scene, host, 0, 0, 0, 10, "box");
  scene.FaceTable[2].selected = 1;
  scene.FaceTable[7].selected = 1;
  setSelectedReflection(scene, 4);
  setSelectedSmooth(scene, false);
  for (int i = 0; i < 12; ++i) {
    const bool selected = i == 2 || i == 7;
    EXPECT_EQ(scene.FaceTable[static_cast<std::size_t>(i)].ReflectionLevel, selected ? 4 : 0);
    EXPECT_EQ(scene.FaceTable[static_cast<std::size_t>(i)].smooth, selected ? 0 : 1);
  }
  EXPECT_THROW(setSelectedReflection(scene, 5), RangeError);
}

TEST(ShadingCommands, ShadowLevelRebuildsTheDarkSideOfTheTable) {
  Lighting light;
  setShadowLevel(light, kShadowMax);
  EXPECT_EQ(light.shade(0, 0, 200), 0) << "shadow Max turns level 0 black at t = 0";
  setShadowLevel(light, kShadowNone);
  EXPECT_EQ(light.shade(0, 0, 200), 200) << "shadow None leaves the dark side alone";
  EXPECT_THROW(setShadowLevel(light, 70), RangeError);
  setLightPosition(light, 1, -2, 3);
  EXPECT_EQ(light.LightPosition.y, -2);
}

}  // namespace
}  // namespace facetry
