// render/walk_session.h: "&Walk through..." without its window: the scene saved, the front
// view's shading baked into the faces, the walk-through shown, and the scene restored.
#pragma once
#include <functional>

#include "render/view_render.h"
#include "render/walk_view.h"

namespace facetry {

// 1. writes the untouched scene to "b@walk.tmp";
// 2. gives the front view a shading mode (flat when it has none) and redraws in bake mode:
//    a flat front view writes its shaded colours and light angles into the faces, a wired
//    one bakes nothing, so the walk shows the faces' own colours;
// 3. writes the baked scene to "walk.fil" and calls `show` (the modal window);
// 4. restores the front view's flags, reads "b@walk.tmp" back and deletes both files.
// Steps 4 also runs when step 2 or 3 throws; the error is then passed on. The caller
// redraws afterwards. Throws IoError, FormatError or RangeError.
void walkThrough(RedrawParts& parts, const std::function<void(WalkParts&)>& show);

}  // namespace facetry
