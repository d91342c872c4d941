// tests/render/crowd.h: what the two-thread drawing tests share: a crowd of overlapping
// faces at few distinct depths (so that equal depths are common), and drawing faces one by
// one as the serial redraw does.
#pragma once
#include <random>

#include "render/rasteriser.h"
#include "scene/errors.h"
#include "support/scripted_host.h"
#include "workspace.h"

namespace facetry::testing {

// `faces` faces spread over -40..860 (a little past every picture), closed into objects
// of 500.
inline void addCrowd(Workspace& ws, int faces, unsigned seed) {
  ScriptedHost host;
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> position(-40, 860);
  std::uniform_int_distribution<int> depth(0, 6), colour(0, 255), size(3, 90);
  ws.scene.ask = true;
  for (int i = 0; i < faces; ++i) {
    FaceCorner a, b, c;
    const float x = position(random), y = position(random), z = 100.f + 40.f * depth(random);
    const float s = static_cast<float>(size(random));
    a.setPoint({x, y, z});
    b.setPoint({x + s, y + s / 3, z + (i % 3 == 0 ? 20.f : 0.f)});
    c.setPoint({x - s / 2, y + s, z - 5});
    ws.scene.CurrentColour = {static_cast<std::uint8_t>(colour(random)), 90, 200};
    addFace(ws.scene, host, a, b, c);
    if (i % 500 == 499) closeObject(ws.scene, host, false, true);
  }
  closeObject(ws.scene, host, false, true);
}

// A workspace of `faces` crowd faces with every view, the survey's too, shaded in `mode`
// and the cross off.
inline void startCrowd(Workspace& ws, int faces, unsigned seed, ShadingMode mode) {
  startWorkspace(ws, 2);
  addCrowd(ws, faces, seed);
  ws.views.CrossOn = false;
  for (auto& entry : ws.views.ViewShading) {
    entry = {true, mode == ShadingMode::Flat, mode == ShadingMode::Gouraud,
             mode == ShadingMode::Phong};
  }
}

// Every face of `ws` in order into `frame` in `view`, face by face, up to the first that fails.
inline void drawEveryFace(Workspace& ws, int view, ShadingMode mode, const RasterContext& context,
                          FrameBuffers& frame) {
  try {
    for (int i = 0; i < ws.scene.FaceCount; ++i) {
      rasteriseFace(ws.scene, i, view, mode, false, context, frame);
    }
  } catch (const RangeError&) {
  }
}

}  // namespace facetry::testing
