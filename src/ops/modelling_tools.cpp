// ops/modelling_tools.cpp: each modelling tool hooks its click steps into the dispatcher.
#include "ops/modelling_tools.h"

#include "ops/array_curve_tools.h"

namespace facetry {

void connectModellingTools(Workspace& ws) {
  installArrayAndCurveTools(ws);
}

}  // namespace facetry
