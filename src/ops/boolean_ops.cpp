// ops/boolean_ops.cpp: the boolean operations from the two picked objects to the merged one.
#include "ops/boolean_ops.h"

#include <cmath>
#include <string>

#include "files/undo.h"
#include "ops/boolean_cut.h"
#include "ops/face_splice.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

// Shows the progress window for the whole run and hides it however the run ends; puts the
// name dialog's "Don't ask" box back as it was.
class ProgressWindow {
 public:
  ProgressWindow(Host& host, Scene& scene) : host_(host), scene_(scene), ask_(scene.ask) {
    scene_.ask = true;
    host_.progressStage("Progress first object");
    host_.progress(0);
    host_.showProgress(true);
  }
  ~ProgressWindow() {
    host_.showProgress(false);
    scene_.ask = ask_;
  }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;
  void stage(const char* label) {
    host_.progressStage(label);
    host_.progress(0);
  }

 private:
  Host& host_;
  Scene& scene_;
  bool ask_;
};

void clearAllMarks(Scene& scene) {
  for (int k = 0; k < scene.ObjectCount; ++k) scene.object(k).selected = 0;
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& f = scene.face(i);
    f.selected = 0;
    for (FaceCorner& c : f.corners) c.selected = 0;
  }
}

int countSelected(const std::vector<Face>& faces) {
  int n = 0;
  for (const Face& f : faces) n += f.selected ? 1 : 0;
  return n;
}

void markAll(std::vector<Face>& faces) {
  for (Face& f : faces) {
    f.selected = 1;
    for (FaceCorner& c : f.corners) c.selected = 1;
  }
}

// The number object k has after deleteSelectedFaces removes every fully selected object;
// -1 when k goes too.
int numberAfterDeletion(const Scene& scene, int k) {
  if (objectFullySelected(scene, k)) return -1;
  int gone = 0;
  for (int j = 0; j < k; ++j) gone += objectFullySelected(scene, j) ? 1 : 0;
  return k - gone;
}

void refuse(Host& host, const std::string& needed) {
  host.message("The boolean operation needs " + needed + " faces; the scene holds at most " +
                   std::to_string(kMaxFaces) + ". Nothing was changed.",
               "Error", MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace

bool booleanOperation(Scene& scene, Host& host, int first, int second, BooleanOperation operation,
                      const BooleanOptions& options) {
  if (first < 0 || second < 0 || first >= scene.ObjectCount || second >= scene.ObjectCount ||
      first == second) {
    return false;
  }
  voorundo(scene);
  clearAllMarks(scene);
  const bool remove = operation == BooleanOperation::Remove;
  ProgressWindow window(host, scene);

  updateObjectBounds(scene, first);
  updateObjectBounds(scene, second);
  const Box box_a = objectBox(scene.object(first));
  const Box box_b = objectBox(scene.object(second));
  std::vector<Face> a = objectFaces(scene, first);
  std::vector<Face> b = objectFaces(scene, second);
  const long long faces_before = scene.FaceCount;
  const long long a_before = static_cast<long long>(a.size());
  const long long b_before = static_cast<long long>(b.size());

  CutSettings settings;
  settings.exhaustive = options.exhaustive;
  settings.room = kMaxFaces - faces_before;
  settings.progress = [&host](int percent) { host.progress(percent); };
  try {
    // Cutting: the first object by the second, then (but for Remove) the second by the
    // first; repeated while only the second one's edges found something to split.
    for (int round = 0;; ++round) {
      window.stage("Progress first object");
      const bool split_a = edgePass(a, b, box_b, settings);
      pointPass(a, b, box_b, settings);
      bool split_b = false;
      if (!remove) {
        window.stage("Progress second object");
        split_b = edgePass(b, a, box_a, settings);
        pointPass(b, a, box_a, settings);
      }
      if (split_a) break;
      // Nothing split at all in the first round: the objects do not cut each other and
      // keep their faces. In a later round it means the cutting is done.
      if (!split_b) {
        if (round == 0) return true;
        break;
      }
      if (round == kCutRepeats) break;
    }
  } catch (const CutOutOfRoom&) {
    refuse(host, "more than " + std::to_string(kMaxFaces));
    return true;
  }

  window.stage("Calculate space");
  const std::size_t total = a.size() + b.size();
  std::size_t done = 0;
  auto count_down = [&](int) {
    ++done;
    if (done % 64 == 0 || done == total) {
      host.progress(static_cast<int>((total - done) * 100 / (total ? total : 1)));
    }
  };
  switch (operation) {
    case BooleanOperation::Subtract:
      classifyFaces(a, b, box_b, 1, options.exhaustive, count_down);
      classifyFaces(b, a, box_a, 0, options.exhaustive, count_down);
      break;
    case BooleanOperation::Add:
      classifyFaces(a, b, box_b, 1, options.exhaustive, count_down);
      classifyFaces(b, a, box_a, 1, options.exhaustive, count_down);
      break;
    case BooleanOperation::Intersect:
      classifyFaces(a, b, box_b, 0, options.exhaustive, count_down);
      classifyFaces(b, a, box_a, 0, options.exhaustive, count_down);
      break;
    case BooleanOperation::Remove:
      classifyFaces(a, b, box_b, 1, options.exhaustive, count_down);
      markAll(b);
      break;
  }

  // The merge copies the survivors before it deletes their sources, so it needs room for
  // both at once.
  const long long after_cut = faces_before + static_cast<long long>(a.size()) - a_before +
                              static_cast<long long>(b.size()) - b_before;
  const long long open_faces = scene.FaceCount - scene.openObject().first;
  const long long survivors = static_cast<long long>(total) - countSelected(a) - countSelected(b);
  const long long peak =
      after_cut - open_faces - (static_cast<long long>(total) - survivors) + survivors;
  if (peak > kMaxFaces) {
    refuse(host, std::to_string(peak));
    return true;
  }

  spliceObjectFaces(scene, {{first, std::move(a)}, {second, std::move(b)}});
  for (int k : {first, second}) {
    ModelObject& o = scene.object(k);
    o.selected = 0;
    for (int i = o.first; i <= o.last; ++i) o.selected |= scene.face(i).selected;
  }
  const int first_after = numberAfterDeletion(scene, first);
  const int second_after = remove ? -1 : numberAfterDeletion(scene, second);
  deleteSelectedFaces(scene, host);

  if (operation == BooleanOperation::Subtract && second_after >= 0) {
    // What is left of the second object now lines the hole: its faces turn inward.
    const ModelObject& o = scene.object(second_after);
    for (int i = o.first; i <= o.last; ++i) {
      Face& f = scene.face(i);
      std::swap(f.corners[0], f.corners[2]);
    }
  }
  for (int k : {first_after, second_after}) {
    if (k >= 0) setObjectSelected(scene, k, 1);
  }
  scene.ask = true;  // the deletion unticked the box; the merge names without asking
  collectSelectedFaces(scene, host);
  return true;
}

bool chooseBooleanTool(ToolState& tools, Scene& scene, BooleanOperation operation) {
  const auto code = static_cast<int>(operation);
  const bool on = !(tools.flags.booleanPickOn && tools.BooleanOperation == code);
  tools.flags = {};
  tools.flags.booleanPickOn = on;
  if (on) tools.ToolMode = ModeNone;  // the clicks are the pick's alone
  tools.BooleanOperation = code;
  tools.ClickStage = 0;
  tools.FirstClick = {};
  tools.SecondClick = {};
  tools.PickedObject = -1;
  updateAllObjectBounds(scene);
  return on;
}

int objectUnderClick(const Scene& scene, View view, float a, float b) {
  if (scene.ObjectCount < 2) return -1;
  const ViewAxes axes = viewAxes(view);
  int best = -1;
  double best_distance = 100000;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (o.last < o.first) continue;
    const FaceCorner& c = scene.face(o.first).corners[0];
    const double p[3] = {c.x, c.y, c.z};
    const double dx = p[axes.column] - a, dy = p[axes.row] - b;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < best_distance) {
      best = k;
      best_distance = d;
    }
  }
  return best;
}

bool booleanPickClick(Workspace& ws, Host& host, View view, float a, float b) {
  ToolState& t = ws.tools;
  const int picked = objectUnderClick(ws.scene, view, a, b);
  if (picked < 0) return false;
  if (t.PickedObject < 0 || t.PickedObject >= ws.scene.ObjectCount) {
    t.PickedObject = picked;
    t.ClickStage = 1;
    return false;
  }
  if (picked == t.PickedObject) return false;
  const int first = t.PickedObject;
  t.flags.booleanPickOn = false;
  t.flags.punchOn = false;
  t.PickedObject = -1;
  t.ClickStage = 0;
  t.FirstClick = {};
  t.SecondClick = {};
  return booleanOperation(ws.scene, host, first, picked,
                          static_cast<BooleanOperation>(t.BooleanOperation));
}

}  // namespace facetry
