// Tests of the walk-through: the perspective projection and its camera plane, the depth
// sort, the session's bake and exact restore, the steps of the mouse, the pad and the keys,
// study mode, the picture size and the walk files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "render/walk_file.h"
#include "render/walk_pad.h"
#include "render/walk_session.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "workspace.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::corner;
using testing::ScriptedHost;
using testing::TempDir;

constexpr Rgb kBoxColour{200, 120, 40};

// The scene's records as bytes: faces and shading 0..FaceCount-1, objects 0..ObjectCount-1
// and the open object's first face.
std::string sceneBytes(const Scene& s) {
  std::string bytes;
  auto add = [&bytes](const void* p, std::size_t n) {
    bytes.append(static_cast<const char*>(p), n);
  };
  add(s.FaceTable.data(), sizeof(Face) * static_cast<std::size_t>(s.FaceCount));
  add(s.FaceShadingTable.data(), sizeof(FaceShading) * static_cast<std::size_t>(s.FaceCount));
  add(s.ObjectTable.data(), sizeof(ModelObject) * static_cast<std::size_t>(s.ObjectCount));
  add(&s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first, 4);
  return bytes;
}

// Two boxes around the centre point (230, 150, 150); after centring the front box's near
// face (z = 200) covers the picture's centre.
struct WalkFixture {
  TempDir dir;
  Workspace ws;
  ScriptedHost host;
  WalkWindowState window;
  WalkFixture() {
    startWorkspace(ws, 3);
    ws.views.SurveyVisible = false;
    ws.scene.CurrentColour = kBoxColour;
    addBoxObject(ws.scene, host, 180, 100, 200, 100, "front");
    ws.scene.CurrentColour = {30, 60, 90};
    addBoxObject(ws.scene, host, 100, 80, 60, 40, "back");
    redraw(ws);
  }
  void setFront(bool shaded, ShadingMode mode) {
    ws.views.ViewShading[0] = {shaded, shaded && mode == ShadingMode::Flat,
                               mode == ShadingMode::Gouraud, mode == ShadingMode::Phong};
  }
  // Runs a walk-through whose window does `act` after its activation.
  void walk(const std::function<void(WalkThrough&)>& act) {
    RedrawParts parts = ws.redrawParts();
    walkThrough(parts, [&](WalkParts& walk_parts) {
      WalkThrough w(walk_parts, window);
      w.FormActivate();
      act(w);
    });
  }
  Rgb centrePixel() { return ws.frame.ViewBitmap.pixel(200, 200); }
  std::vector<Point3> corners() const {
    std::vector<Point3> points;
    for (int i = 0; i < ws.scene.FaceCount; ++i) {
      for (const FaceCorner& c : ws.scene.FaceTable[static_cast<std::size_t>(i)].corners) {
        points.push_back(c.point());
      }
    }
    return points;
  }
};

bool samePoints(const std::vector<Point3>& a, const std::vector<Point3>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].z != b[i].z) return false;
  }
  return true;
}

TEST(WalkProjection, ACornerAtOrBehindTheCameraPlaneIsProjectedWithDistanceOne) {
  const WalkCamera camera;  // Dc = F = 600, centre (200, 200)
  const WalkPoint near = projectWalkCorner(camera, corner(2, -3, 300));
  EXPECT_DOUBLE_EQ(near.column, 2 * 600.0 / 300 + 200);
  EXPECT_DOUBLE_EQ(near.row, -3 * 600.0 / 300 + 200);
  EXPECT_DOUBLE_EQ(near.depth, 600);
  for (float z : {599.5f, 600.0f, 750.0f}) {
    const WalkPoint p = projectWalkCorner(camera, corner(0.25f, 0, z));
    EXPECT_DOUBLE_EQ(p.column, 0.25 * 600 + 200) << z;
    EXPECT_DOUBLE_EQ(p.depth, z * 600.0) << z;
  }
}

TEST(WalkRaster, PixelsWhoseUnprojectedZReachesTheCameraAreNotDrawn) {
  Workspace ws;
  startWorkspace(ws, 1);
  ScriptedHost host;
  ws.scene.ask = true;
  ws.scene.CurrentColour = {10, 20, 30};
  // The same small face once behind the camera (z 650, projected with d = 1 onto the
  // picture) and once in front of it.
  addFace(ws.scene, host, corner(-0.2f, -0.2f, 650), corner(0.2f, -0.2f, 650),
          corner(0, 0.2f, 650));
  closeObject(ws.scene, host, false, false);
  const WalkRasterContext context{ws.lighting, ws.textures, ShadingMode::Flat, WalkCamera{}};
  rasteriseWalkFace(ws.scene, 0, context, ws.frame);
  EXPECT_EQ(ws.frame.ViewBitmap.pixel(200, 200), (Rgb{255, 255, 255}));
  EXPECT_EQ(ws.frame.depth(200, 200), kDepthClear);
  for (FaceCorner& c : ws.scene.FaceTable[0].corners) c.z = 599;  // d = 1, still in front
  rasteriseWalkFace(ws.scene, 0, context, ws.frame);
  EXPECT_EQ(ws.frame.ViewBitmap.pixel(200, 200), (Rgb{10, 20, 30}));
  EXPECT_EQ(ws.frame.depth(200, 200), 599 * 600 * 128);
}

TEST(WalkSession, AWiredFrontViewShowsTheFacesOwnColoursAndAFlatOneItsBakedColours) {
  WalkFixture f;
  f.setFront(false, ShadingMode::Flat);
  Rgb wired{};
  f.walk([&](WalkThrough&) { wired = f.centrePixel(); });
  EXPECT_EQ(wired, kBoxColour);

  f.setFront(true, ShadingMode::Flat);
  Rgb flat{};
  Rgb baked{};
  f.walk([&](WalkThrough&) {
    flat = f.centrePixel();
    const Face& nearest = f.ws.scene.FaceTable[0];  // sorted: the largest first z
    baked = {nearest.red, nearest.green, nearest.blue};
  });
  EXPECT_NE(flat, kBoxColour);
  EXPECT_EQ(flat, baked);
}

TEST(WalkSession, ClosingRestoresTheSceneByteForByteAndRemovesBothFiles) {
  for (ShadingMode mode : {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong}) {
    WalkFixture f;
    f.setFront(true, mode);
    redraw(f.ws);
    const std::string before = sceneBytes(f.ws.scene);
    const ViewShadingEntry front = f.ws.views.ViewShading[0];
    f.walk([&](WalkThrough& w) {
      EXPECT_TRUE(std::filesystem::exists(kWalkFile));
      EXPECT_TRUE(std::filesystem::exists(kWalkPictureFile));
      w.Image1MouseDown(200, 200, WalkButton::Left);
      w.Image1MouseMove(230, 150);
      for (int i = 0; i < 5; ++i) w.Timer1Timer();
      w.mouseUp();
      w.FormKeyPress('a');
      EXPECT_NE(sceneBytes(f.ws.scene), before);
    });
    EXPECT_EQ(sceneBytes(f.ws.scene), before);
    EXPECT_EQ(f.ws.views.ViewShading[0].gouraud, front.gouraud);
    EXPECT_FALSE(std::filesystem::exists(kWalkFile));
    EXPECT_FALSE(std::filesystem::exists(kWalkPictureFile));
    EXPECT_EQ(testing::invariantViolation(f.ws.scene), "");
  }
}

TEST(WalkSession, AFailingWindowStillRestoresTheScene) {
  WalkFixture f;
  const std::string before = sceneBytes(f.ws.scene);
  EXPECT_THROW(f.walk([](WalkThrough& w) {
    w.LargerClick();
    throw RangeError("stop");
  }),
               RangeError);
  EXPECT_EQ(sceneBytes(f.ws.scene), before);
  EXPECT_FALSE(std::filesystem::exists(kWalkPictureFile));
}

TEST(WalkView, TheFrameSortsFacesByTheirFirstCornersZWithTheirShading) {
  WalkFixture f;
  for (int i = 0; i < f.ws.scene.FaceCount; ++i) {
    f.ws.scene.FaceShadingTable[static_cast<std::size_t>(i)].spare3 = static_cast<std::uint8_t>(i);
  }
  const Scene original = f.ws.scene;
  WalkParts parts{f.ws.scene, f.ws.lighting, f.ws.textures, f.ws.frame, ShadingMode::Flat, {}};
  WalkThrough w(parts, f.window);
  w.teken();
  for (int i = 0; i < f.ws.scene.FaceCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const int from = f.ws.scene.FaceShadingTable[k].spare3;
    EXPECT_EQ(std::memcmp(&f.ws.scene.FaceTable[k],
                          &original.FaceTable[static_cast<std::size_t>(from)], sizeof(Face)),
              0);
    if (i > 0) {
      EXPECT_GE(f.ws.scene.FaceTable[k - 1].corners[0].z, f.ws.scene.FaceTable[k].corners[0].z);
    }
  }
}

TEST(WalkView, ForwardIsLimitedTo60PerStepAndUsesTheDivisorOfTheLastStep) {
  WalkFixture f;
  f.window.speed = WalkSpeed::Quick;
  f.walk([&](WalkThrough& w) {
    // Before the first step V is 200: 60 div (200 div 30) = 10.
    w.Image1MouseDown(200, 200, WalkButton::Left);
    w.Image1MouseMove(200, 140);
    EXPECT_DOUBLE_EQ(w.motion().vertical_rate, 10);
    const float z = f.ws.scene.FaceTable[0].corners[1].z;
    w.Timer1Timer();  // the sort keeps face 0 nearest
    EXPECT_FLOAT_EQ(f.ws.scene.FaceTable[0].corners[1].z, z + 10);
    EXPECT_EQ(f.window.divisor, 150);
    w.Image1MouseMove(200, 140);  // now 60 div 5
    EXPECT_DOUBLE_EQ(w.motion().vertical_rate, 12);
    w.Image1MouseMove(200, -1000);
    EXPECT_DOUBLE_EQ(w.motion().vertical_rate, 60);
    w.Image1MouseMove(200, 1200);  // backwards: no limit
    EXPECT_DOUBLE_EQ(w.motion().vertical_rate, -200);
    w.mouseUp();
    EXPECT_EQ(w.motion().vertical, WalkVertical::None);
    EXPECT_FALSE(w.timerRunning());
  });
}

TEST(WalkView, ThePadMovesBySixHundredDivVAndItsRegionsSplitAtColumn40AndRow30) {
  EXPECT_EQ(padRegion(40, 29), WalkPad::Up);
  EXPECT_EQ(padRegion(0, 30), WalkPad::Down);
  EXPECT_EQ(padRegion(41, 0), WalkPad::Right);
  EXPECT_EQ(padRegion(80, 60), WalkPad::Left);
  EXPECT_EQ(padRegion(81, 10), WalkPad::None);
  WalkFixture f;
  f.walk([&](WalkThrough& w) {
    const std::vector<Point3> start = f.corners();
    w.Image2MouseDown(60, 10);  // right, at Normal speed: s = 2
    EXPECT_TRUE(w.timerRunning());
    w.Timer1Timer();
    w.mouseUp();
    std::vector<Point3> moved = start;
    for (Point3& p : moved) p.x += 2;
    // The sort keeps the order: the step moves every face alike.
    EXPECT_TRUE(samePoints(f.corners(), moved));
  });
}

TEST(WalkView, StudyModeIgnoresThePadAndForwardMotionButStillTurns) {
  WalkFixture f;
  f.walk([&](WalkThrough& w) {
    w.studeerClick(true);
    const std::vector<Point3> start = f.corners();
    w.Image2MouseDown(20, 10);
    w.Timer1Timer();
    w.mouseUp();
    w.Image1MouseDown(200, 200, WalkButton::Left);
    w.Image1MouseMove(200, 100);
    w.Timer1Timer();
    w.mouseUp();
    EXPECT_TRUE(samePoints(f.corners(), start));
    w.Image1MouseDown(200, 200, WalkButton::Right);
    w.Image1MouseMove(260, 200);  // roll about the centre of the scene's bounding box
    w.Timer1Timer();
    EXPECT_FALSE(samePoints(f.corners(), start));
    const Point3 pivot = w.pivot();
    EXPECT_NE(pivot.z, 600);
  });
}

TEST(WalkView, LargerStopsAt813AndSmallerDividesBy120Percent) {
  WalkFixture f;
  f.window.width = f.window.height = 700;
  f.walk([&](WalkThrough& w) {
    w.LargerClick();
    EXPECT_EQ(f.window.width, 813);
    EXPECT_EQ(f.window.height, 813);
    EXPECT_DOUBLE_EQ(w.camera().sx, 406.5);
    w.SmallerClick();
    EXPECT_EQ(f.window.width, 677);
  });
  f.window.width = 400;
  f.window.height = 300;
  f.walk([&](WalkThrough& w) {
    w.LargerClick();
    EXPECT_EQ(f.window.width, 480);
    EXPECT_EQ(f.window.height, 360);
  });
}

TEST(WalkView, RestoreReturnsToTheBakedSceneAsActivationCentredIt) {
  WalkFixture f;
  f.walk([&](WalkThrough& w) {
    const std::string activated = sceneBytes(f.ws.scene);
    w.Image1MouseDown(200, 200, WalkButton::Right);
    w.Image1MouseMove(250, 260);
    w.Timer1Timer();
    w.mouseUp();
    w.FormKeyPress('z');
    EXPECT_NE(sceneBytes(f.ws.scene), activated);
    w.RestoreClick();
    EXPECT_EQ(sceneBytes(f.ws.scene), activated);
  });
}

TEST(WalkFile, HoldsEachFaceWithItsShadingThenTheObjects) {
  WalkFixture f;
  f.ws.scene.FaceShadingTable[1].light[2] = 177;
  writeWalkFile(f.ws.scene, "w.fil");
  const std::string bytes = testing::readFile("w.fil");
  ASSERT_EQ(bytes.size(), 4 + 24 * 132 + 4 + 2 * 84u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[4 + 132 + 92 + 2]), 177);
  Scene copy = f.ws.scene;
  clearFacesAndObjects(copy);
  readWalkFile(copy, "w.fil");
  EXPECT_EQ(sceneBytes(copy), sceneBytes(f.ws.scene));
}

TEST(WalkFile, ADamagedFileIsRefusedAndLeavesTheSceneAlone) {
  WalkFixture f;
  writeWalkFile(f.ws.scene, "w.fil");
  const std::string good = testing::readFile("w.fil");
  const std::string before = sceneBytes(f.ws.scene);
  std::string overlapping = good;
  const std::int32_t bad_first = 5;  // object 1 must start at face 12
  std::memcpy(&overlapping[4 + 24 * 132 + 4 + 84], &bad_first, 4);
  for (const std::string& bytes : {good.substr(0, 3), good.substr(0, good.size() - 1), overlapping,
                                   std::string("\xff\xff\xff\x7f", 4)}) {
    testing::writeFile("w.fil", bytes);
    EXPECT_THROW(readWalkFile(f.ws.scene, "w.fil"), FormatError);
    EXPECT_EQ(sceneBytes(f.ws.scene), before);
  }
}

TEST(WalkPad, ThePictureHasTheFourArrowsInTheirFields) {
  const Canvas pad = arrowPadPicture();
  ASSERT_EQ(pad.width(), kPadWidth);
  ASSERT_EQ(pad.height(), kPadHeight);
  // Each arrow's middle is black and lies in the field of its action.
  for (auto [x, y, action] : {std::tuple{20, 12, WalkPad::Up},
                              {20, 48, WalkPad::Down},
                              {64, 15, WalkPad::Right},
                              {57, 45, WalkPad::Left}}) {
    EXPECT_EQ(pad.pixel(x, y), (Rgb{0, 0, 0})) << x << "," << y;
    EXPECT_EQ(padRegion(x, y), action);
  }
}

}  // namespace
}  // namespace facetry
