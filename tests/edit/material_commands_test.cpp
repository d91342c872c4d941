// The material commands on a workspace: numbering and reuse, removal, the refused 99th
// material, pictures that cannot be decoded, renaming, and textured model files redrawn.
#include <gtest/gtest.h>

#include "../materials/picture_builders.h"
#include "edit/material_commands.h"
#include "edit/selection.h"
#include "files/model_commands.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::ScriptedHost;
using testing::TempDir;

constexpr Rgb kRed{255, 0, 0};

// A w x h BMP of one colour.
void writePicture(const std::string& name, int w, int h, std::uint32_t rgb) {
  testing::writeFile(
      name, testing::makeBmp(w, h, 24, {},
                             std::vector<std::vector<std::uint32_t>>(
                                 static_cast<std::size_t>(h), std::vector<std::uint32_t>(w, rgb))));
}

struct MaterialRig {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  MaterialRig() {
    startWorkspace(ws, 1);
    ws.scene.ask = true;
    testing::addBoxObject(ws.scene, host, 150, 100, 200, 100, "a");
    testing::addBoxObject(ws.scene, host, 300, 100, 200, 100, "b");
  }
  void selectOnly(int object) {
    selectObjectsByIndex(ws.scene, {0, 1}, 0);
    selectObjectsByIndex(ws.scene, {object}, 1);
  }
  int materialOf(int object) const {
    return ws.scene.FaceTable[static_cast<std::size_t>(ws.scene.ObjectTable[object].first)]
        .material;
  }
};

TEST(MaterialCommands, SamePictureReusesItsNumberAndUnusedOnesCloseTheGap) {
  MaterialRig rig;
  writePicture("one.bmp", 5, 4, 0x0000FF);
  writePicture("two.bmp", 7, 3, 0x00FF00);
  rig.selectOnly(0);
  ASSERT_TRUE(applyMaterial(rig.ws, rig.host, {"one.bmp", {}}));
  rig.selectOnly(1);
  applyMaterial(rig.ws, rig.host, {"two.bmp", {MappingKind::Wrap, WrapVariant::Width}});
  EXPECT_EQ(rig.ws.scene.MaterialCount, 3);
  EXPECT_EQ(rig.materialOf(1), 2);
  EXPECT_EQ(rig.ws.textures.texture(2).width, 7);
  // The same name again: number 2, no new entry, no new load.
  const int loads = rig.ws.textures.loadsRequested();
  applyMaterial(rig.ws, rig.host, {"two.bmp", {}});
  EXPECT_EQ(rig.ws.scene.MaterialCount, 3);
  EXPECT_EQ(rig.ws.textures.loadsRequested(), loads);
  // Object a takes two.bmp as well: one.bmp is unused and removed, two.bmp becomes 1 with
  // its texture.
  rig.selectOnly(0);
  applyMaterial(rig.ws, rig.host, {"two.bmp", {}});
  EXPECT_EQ(rig.ws.scene.MaterialCount, 2);
  EXPECT_EQ(rig.ws.scene.MaterialList[1].str(), "two.bmp");
  EXPECT_EQ(rig.materialOf(0), 1);
  EXPECT_EQ(rig.materialOf(1), 1);
  EXPECT_EQ(rig.ws.textures.texture(1).width, 7);
  // An empty choice ("Cancel") does nothing.
  EXPECT_FALSE(applyMaterial(rig.ws, rig.host, {"", {}}));
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST(MaterialCommands, ANewPictureBeyond98MaterialsIsRefusedBeforeAnyFaceChanges) {
  MaterialRig rig;
  writePicture("new.bmp", 2, 2, 0xFFFFFF);
  for (int e = 1; e <= 98; ++e) {
    rig.ws.scene.MaterialList[static_cast<std::size_t>(e)].assign("m" + std::to_string(e));
  }
  rig.ws.scene.MaterialCount = 99;
  rig.selectOnly(0);
  rig.ws.scene.ModifiedFlag = false;
  EXPECT_FALSE(applyMaterial(rig.ws, rig.host, {"new.bmp", {}}));
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_EQ(rig.host.messages[0].text, "No more materials available");
  EXPECT_EQ(rig.materialOf(0), 0);
  EXPECT_EQ(rig.ws.scene.MaterialCount, 99);
  EXPECT_FALSE(rig.ws.scene.ModifiedFlag);
  // A picture already in the list still applies.
  EXPECT_TRUE(applyMaterial(rig.ws, rig.host, {"m5", {}}));
  EXPECT_EQ(rig.materialOf(0), 1);  // the others were unused and are gone
}

TEST(MaterialCommands, AnUndecodablePictureIsToldAndItsFacesDrawInTheirColour) {
  MaterialRig rig;
  testing::writeFile("broken.gif", "GIF89a\x01");
  rig.selectOnly(0);
  rig.ws.scene.CurrentColour = kRed;
  ASSERT_TRUE(applyMaterial(rig.ws, rig.host, {"broken.gif", {}}));
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_NE(rig.host.messages[0].text.find("Onverwacht bestands einde"), std::string::npos)
      << rig.host.messages[0].text;
  EXPECT_EQ(rig.materialOf(0), 1);
  EXPECT_EQ(rig.ws.textures.texture(1).width, 0);
  for (auto& entry : rig.ws.views.ViewShading) entry = {true, false, false, true};
  EXPECT_NO_THROW(redraw(rig.ws));
}

TEST(MaterialCommands, RenamingKeepsNamesWhoseFileIsMissing) {
  MaterialRig rig;
  writePicture("one.bmp", 3, 3, 0x010203);
  writePicture("other.bmp", 3, 3, 0x010203);
  rig.selectOnly(0);
  applyMaterial(rig.ws, rig.host, {"one.bmp", {}});
  renameMaterials(rig.ws, rig.host, {"missing.bmp"});
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_EQ(rig.host.messages[0].text, "Material names not changed");
  EXPECT_EQ(rig.host.messages[0].title, "Image does not exist");
  EXPECT_EQ(materialNames(rig.ws.scene), std::vector<std::string>{"one.bmp"});
  renameMaterials(rig.ws, rig.host, {"other.bmp"});
  EXPECT_EQ(materialNames(rig.ws.scene), std::vector<std::string>{"other.bmp"});
  EXPECT_EQ(rig.host.messages.size(), 1u);
}

TEST(MaterialCommands, AModelFileWithTwoTexturedMaterialsRedrawsInEveryMode) {
  MaterialRig rig;
  writePicture("blue.bmp", 16, 16, 0x0000FF);
  testing::writeFile(
      "green.gif", testing::makeGif(2, 2, {0x00FF00, 0x00FF00, 0, 0}, {0, 1, 0, 1}, false, false));
  rig.selectOnly(0);
  applyMaterial(rig.ws, rig.host, {"blue.bmp", {}});
  rig.selectOnly(1);
  applyMaterial(rig.ws, rig.host, {"green.gif", {MappingKind::Wrap, WrapVariant::WidthAndHeight}});
  selectObjectsByIndex(rig.ws.scene, {0, 1}, 0);
  saveNativeModel(rig.ws.scene, rig.ws.views, "textured.fcy");

  Workspace loaded;
  startWorkspace(loaded, 1);
  loadNativeModel(loaded.scene, loaded.views, rig.host, loaded.textures, "textured.fcy");
  ASSERT_EQ(loaded.scene.MaterialCount, 3);
  EXPECT_EQ(loaded.textures.texture(1).width, 16);
  EXPECT_EQ(loaded.textures.texture(2).width, 2);
  for (const ViewShadingEntry mode :
       {ViewShadingEntry{true, true, false, false}, ViewShadingEntry{true, false, true, false},
        ViewShadingEntry{true, false, false, true}}) {
    for (auto& entry : loaded.views.ViewShading) entry = mode;
    ASSERT_NO_THROW(redraw(loaded));
  }
  // Some pixel of the front view shows each texture, shaded.
  bool blue = false, green = false;
  const Canvas& front = loaded.frame.images[0];
  for (int y = 0; y < front.height(); ++y) {
    for (int x = 0; x < front.width(); ++x) {
      const std::uint8_t* p = front.row(y) + 3 * x;
      blue |= p[0] > p[1] + 60 && p[0] > p[2] + 60;
      green |= p[1] > p[0] + 60 && p[1] > p[2] + 60;
    }
  }
  EXPECT_TRUE(blue);
  EXPECT_TRUE(green);

  // The same model once green.gif cannot be decoded: its faces draw in their own colour.
  testing::writeFile("green.gif", "GIF89a broken");
  Workspace damaged;
  startWorkspace(damaged, 1);
  loadNativeModel(damaged.scene, damaged.views, rig.host, damaged.textures, "textured.fcy");
  ASSERT_EQ(damaged.scene.MaterialCount, 3);
  EXPECT_EQ(damaged.textures.texture(2).width, 0);
  for (auto& entry : damaged.views.ViewShading) entry = {true, false, false, true};
  EXPECT_NO_THROW(redraw(damaged));
}

}  // namespace
}  // namespace facetry
