// ops/landscape_finish.h: the steps that finish the landscape's faces once they are made.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

// On faces first..FaceCount-1: with the sea level, every face with a corner below the
// middle height S (y greater than S) is flattened to S; corners within 2 of each other in x
// and z are welded to their mean height; with the sea level the faces turn green, those
// wholly at or below S blue; each face's corners are ordered by x and z; the open object is
// closed (not oriented, deselected). Throws RangeError, after closing, when more than 100
// corners meet in one place.
void finishLandscape(Scene& scene, Host& host, int first, bool sea_level);

}  // namespace facetry
