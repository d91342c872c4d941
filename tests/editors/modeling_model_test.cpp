// Tests of the Modeling window's model: point entry, matrices, the depth line, the face
// searches, drawing and the hand-over to the scene.
#include <gtest/gtest.h>

#include <filesystem>

#include "editors/modeling_model.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;

Lighting shadedLight() {
  Lighting light;
  buildShadeTable(light);
  return light;
}

void click(ModelingModel& m, Host& host, ModelImage image, int x, int y) {
  m.move(image, x, y);
  m.press(host, image, x, y, ModelButton::Left);
}

TEST(ModelingPoints, EntryWarnsAboutAMissingCoordinateAndFacepointsSnap) {
  ScriptedHost host;
  ModelingModel m;
  m.setGrid(0);  // counts as 1: no snapping
  m.Pointsxyz1Click();
  click(m, host, ModelImage::Left, 13, 17);
  EXPECT_EQ(m.status(), "Define z-position");
  click(m, host, ModelImage::Left, 20, 20);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Z-position not defined");
  click(m, host, ModelImage::Right, 41, 99);
  EXPECT_EQ(m.points, (std::vector<ModelPoint>{{13, 17, 41}}));
  EXPECT_EQ(m.status(), "-");
  click(m, host, ModelImage::Right, 50, 60);
  click(m, host, ModelImage::Right, 70, 60);
  EXPECT_EQ(host.messages.back().title, "X-position not defined");
  click(m, host, ModelImage::Left, 30, 0);
  EXPECT_EQ(m.points.back(), (ModelPoint{30, 60, 50}));

  // Facepoints: a click within 5 pixels of a point takes its whole position, and every
  // third complete point closes a face.
  m.facepoints1Click();
  click(m, host, ModelImage::Left, 15, 19);  // near point 0
  EXPECT_EQ(m.status(), "Z-position defined");
  click(m, host, ModelImage::Right, 52, 62);  // near point 1
  click(m, host, ModelImage::Left, 80, 80);
  click(m, host, ModelImage::Right, 10, 0);
  ASSERT_EQ(m.faces.size(), 1u);
  EXPECT_EQ(m.points[2], m.points[0]) << "the snapped point shares the position";
  EXPECT_EQ(m.points[3], m.points[1]);
  EXPECT_EQ(m.faces[0], (ModelFace{2, 3, 4}));
}

TEST(ModelingMatrix, GridCellsGetTwoFacesAndAFineGridIsCoarsened) {
  ScriptedHost host;
  ModelingModel m;
  m.setGrid(10);
  m.Facesandpoints1Click();
  EXPECT_FALSE(m.auto_face);
  click(m, host, ModelImage::Left, 40, 30);
  click(m, host, ModelImage::Left, 10, 0);  // corners in any order
  // x 10, 20, 30 by y 0, 10, 20: 9 points, 2 x 2 cells.
  ASSERT_EQ(m.points.size(), 9u);
  EXPECT_EQ(m.points[4], (ModelPoint{20, 10, 0}));
  ASSERT_EQ(m.faces.size(), 8u);
  EXPECT_EQ(m.faces[0], (ModelFace{0, 1, 4})) << "(n - c - 1, n - c, n) for n = 4, c = 3";
  EXPECT_EQ(m.faces[1], (ModelFace{0, 4, 3}));

  m.setGrid(1);
  m.makeMatrix(0, 0, 400, 400, false);
  EXPECT_GT(m.gridText(), 1) << "the step is shown in Edit1";
  EXPECT_LE((800 / m.gridText()) * (400 / m.gridText()), kMatrixPointLimit);
  EXPECT_GT((800 / (m.gridText() - 1)) * (400 / (m.gridText() - 1)), kMatrixPointLimit);
  EXPECT_TRUE(m.faces.empty());
  EXPECT_EQ(m.halfWidth(), m.gridText() / 2);
}

TEST(ModelingDepthLine, AppliesWithinTheBandAndAOnePointLineChangesNothing) {
  ScriptedHost host;
  ModelingModel m;
  m.setGrid(1);
  m.points = {{100, 0, 0}, {100, 50, 0}, {100, 100, 0}, {200, 50, 0}};
  m.depth_line = {{20, 50}};
  m.applyMatrixLine();
  EXPECT_EQ(m.points[1].z, 0);
  EXPECT_TRUE(m.depth_line.empty());

  m.Puntenz1Click();
  for (auto [z, y] : {std::pair{0, 0}, {100, 100}}) click(m, host, ModelImage::Right, z, y);
  m.press(host, ModelImage::Right, 0, 0, ModelButton::Right);
  click(m, host, ModelImage::Right, 300, 300);  // after the right press: not added
  ASSERT_EQ(m.depth_line.size(), 2u);
  m.setMatrixWidth(20);
  m.matrix_line = 101;
  m.applyMatrixLine();
  EXPECT_EQ(m.points[1].z, 50);
  EXPECT_EQ(m.points[2].z, 100);
  EXPECT_EQ(m.points[3].z, 0) << "outside the band round the matrix line";
}

TEST(ModelingFaces, AutoFaceAvoidsCoveredFacesAndDeleteRemovesTheHitFace) {
  ScriptedHost host;
  const Lighting light = shadedLight();
  ModelingModel m;
  m.points = {{100, 100, 0}, {104, 100, 0}, {100, 104, 0}, {104, 104, 0}};
  m.Autocalculate1Click();
  EXPECT_EQ(m.gridText(), 1);
  m.teken(light);
  m.move(ModelImage::Left, 101, 101);
  ASSERT_TRUE(m.candidate());
  EXPECT_TRUE(m.press(host, ModelImage::Left, 101, 101, ModelButton::Left));
  ASSERT_EQ(m.faces.size(), 1u);
  m.teken(light);
  EXPECT_EQ(m.coverage(ModelImage::Left).pixel(101, 101), (Rgb{255, 255, 0}));
  // The same spot again: the only triangles left there would overlap the painted face.
  m.move(ModelImage::Left, 101, 101);
  EXPECT_FALSE(m.candidate());
  // The other half of the square borders it and is found.
  m.move(ModelImage::Left, 103, 103);
  ASSERT_TRUE(m.candidate());
  m.press(host, ModelImage::Left, 103, 103, ModelButton::Left);
  EXPECT_EQ(m.faces.size(), 2u);

  m.DelfacenClick();
  m.press(host, ModelImage::Left, 101, 101, ModelButton::Left);
  EXPECT_EQ(m.faces.size(), 1u);
}

TEST(ModelingDrawing, MarksOverTheImagesEraseThemselves) {
  ScriptedHost host;
  const Lighting light = shadedLight();
  ModelingModel m;
  m.setImageSize(120, 100);
  m.points = {{10, 10, 5}, {60, 10, 40}, {10, 60, 50}};
  m.faces = {{0, 1, 2}};
  m.matrix_line = 80;
  m.teken(light);
  const Canvas plain = m.image(ModelImage::Left);
  EXPECT_EQ(plain.pixel(80, 50), (Rgb{255, 0, 0})) << "the matrix line";
  const Rgb face = plain.pixel(20, 20);
  EXPECT_EQ(face.green, face.blue);
  EXPECT_NE(face, (Rgb{255, 255, 255}));
  EXPECT_EQ(m.image(ModelImage::Right).pixel(20, 15), (Rgb{255, 255, 0}));

  m.Facesandpoints1Click();
  click(m, host, ModelImage::Left, 30, 30);
  m.move(ModelImage::Left, 70, 90);
  EXPECT_NE(m.image(ModelImage::Left).pixel(30, 31), plain.pixel(30, 31)) << "rubber rectangle";
  m.cross = false;
  m.Pointsxyz1Click();
  m.move(ModelImage::Right, 5, 5);
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      ASSERT_EQ(m.image(ModelImage::Left).pixel(x, y), plain.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST(ModelingTransfer, OkCentresTheFacesAndWithoutFacesAddsNothing) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  ModelingModel m;
  EXPECT_EQ(m.transfer(scene, host, {230, 150, 150}), 0);
  EXPECT_EQ(scene.ObjectCount, 0);
  EXPECT_FALSE(std::filesystem::exists("undo.fil"));

  m.points = {{0, 0, 0}, {90, 0, 30}, {0, 90, 60}, {90, 90, 0}};
  m.faces = {{0, 1, 2}, {1, 3, 2}};
  const std::string path = m.save(dir.file("model"));
  EXPECT_TRUE(m.saved);
  m.askToSave(host, [] { FAIL() << "a saved model is not asked about"; });
  ModelingModel back;
  back.load(path);
  EXPECT_EQ(back.points, m.points);
  EXPECT_EQ(back.faces, m.faces);
  int saves = 0;
  host.answers = {Answer::Yes};
  back.askToSave(host, [&] { ++saves; });
  EXPECT_EQ(saves, 1);

  ASSERT_EQ(back.transfer(scene, host, {230, 150, 150}), 2);
  ASSERT_EQ(scene.ObjectCount, 1);
  // The corners' mean x is 45, so the faces move by 185.
  EXPECT_FLOAT_EQ(scene.ObjectTable[0].min[0], 185) << "centred, with fresh bounds";
  EXPECT_EQ(invariantViolation(scene), "");
  EXPECT_TRUE(Undo1Click(scene, host));
  EXPECT_EQ(scene.FaceCount, 0);
}

}  // namespace
}  // namespace facetry
