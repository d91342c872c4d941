// render/walk_view.h: the walk-through window's behaviour without the window: the fixed
// camera, the frame (depth sort and perspective drawing into ViewBitmap), the steps that
// move, turn, tilt and roll the scene while the mouse or the arrow pad is held, the keys,
// the picture size and "Restore". The window forwards its events here and shows the top
// left width x height pixels of ViewBitmap.
//
// Walking changes the face coordinates (and, by the sort, the face order) themselves;
// the walk-through session restores the scene when the window closes.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/rasteriser.h"
#include "render/walk_raster.h"
#include "scene/scene.h"

namespace facetry {

enum class WalkSpeed { Quick, Normal, Slow };
enum class WalkButton { Left, Right };

// What the window keeps from one opening to the next: the picture size, the chosen speed
// and the speed divisor V (200 until the first step sets it from the speed).
struct WalkWindowState {
  int width = 400;
  int height = 400;
  WalkSpeed speed = WalkSpeed::Normal;
  int divisor = 200;
};

// The speed divisor of a choice: 150 (Quick), 300 (Normal) or 600 (Slow).
int walkDivisor(WalkSpeed speed);

// What the window draws from: the scene (moved in place), the pre-shaded mode of the
// front view, the lighting, the textures, the shared buffers and the centre point.
struct WalkParts {
  Scene& scene;
  const Lighting& light;
  const TextureStore& textures;
  FrameBuffers& frame;
  ShadingMode mode;
  Point3 centre;  // CentrePoint: it lands on the picture's centre
};

// The motion while a button is held: the forward (left) or tilt (right) action of a
// vertical move, the yaw (left) or roll (right) action of a horizontal move, the pad's
// translation, each with its rate.
enum class WalkVertical { None, Forward, Tilt };
enum class WalkTurn { None, Yaw, Roll };
enum class WalkPad { None, Up, Down, Right, Left };
struct WalkMotion {
  int mouse_mode = 0;  // 0 none, 1 left button, 2 right button
  int x0 = 0, y0 = 0;  // where the button went down
  WalkVertical vertical = WalkVertical::None;
  double vertical_rate = 0;
  WalkTurn turn = WalkTurn::None;
  double turn_rate = 0;
  WalkPad pad = WalkPad::None;
};

// The arrow pad's action at (x, y) of its 84 x 61 picture: left half (x <= 40) up above
// row 30 and down below, right half (41 <= x <= 80) right above and left below.
WalkPad padRegion(int x, int y);

class WalkThrough {
 public:
  WalkThrough(WalkParts parts, WalkWindowState& window);

  // Activation: the corners shifted so that the centre point sits on the picture's centre,
  // Dc = F = 600, study mode off, the frame drawn.
  void FormActivate();
  // The frame: rows 0..height cleared, the faces sorted by their first corner's z (largest
  // first, each FaceShading moving with its face) and drawn in table order.
  void teken();

  // Image1: a press stores the position and the button and stops the timer; a move while a
  // button is held sets the actions and starts the timer. A release anywhere ends it all.
  void Image1MouseDown(int x, int y, WalkButton button);
  void Image1MouseMove(int x, int y);
  void mouseUp();
  // Image2, the arrow pad: a press starts a translation and redraws at once.
  void Image2MouseDown(int x, int y);
  // One timer tick: V from the chosen speed, one step of every action, the frame drawn.
  void Timer1Timer();
  // "a" tilts by -1 degree, "z" by +1; the frame is redrawn unless the timer runs. Other
  // keys do nothing.
  void FormKeyPress(char key);
  // The "Study" box: on, rotations turn about the centre of all faces' bounding box (taken
  // now) and forward motion and the pad do nothing.
  void studeerClick(bool on);
  // "Larger screen" (20 % more, both sides 813 once either passes it) and "Smaller
  // screen" (by 100 / 120); the picture's centre moves, the corners do not.
  void LargerClick();
  void SmallerClick();
  // "Restore": the scene read back from "walk.fil", re-centred, Dc = F = 600, redrawn.
  void RestoreClick();
  // "Save as bitmap": ViewBitmap (816 x 816) as a BMP; ".bmp" is appended to a name that
  // does not end in it. Throws IoError.
  void saveBitmap(const std::string& path) const;

  bool timerRunning() const { return timer_; }
  bool study() const { return study_; }
  // The turning point: (0, 0, Dc), or in study mode the centre taken when it was switched on.
  Point3 pivot() const;
  const WalkMotion& motion() const { return motion_; }
  const WalkCamera& camera() const { return camera_; }
  const WalkWindowState& window() const { return window_; }

 private:
  void centreCorners();
  void placeCentre();
  void step();
  void sortFaces();
  void rotateAll(int axis, double degrees);

  WalkParts parts_;
  WalkWindowState& window_;
  WalkCamera camera_;
  WalkMotion motion_;
  bool timer_ = false;
  bool study_ = false;
  Point3 pivot_{0, 0, 600};
  // Scratch of the depth sort, kept between frames.
  std::vector<std::pair<float, int>> order_;
  std::vector<Face> sorted_faces_;
  std::vector<FaceShading> sorted_shading_;
};

}  // namespace facetry
