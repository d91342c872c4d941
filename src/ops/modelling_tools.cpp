// ops/modelling_tools.cpp: each modelling tool hooks its click steps into the dispatcher.
#include "ops/modelling_tools.h"

#include "ops/array_curve_tools.h"
#include "ops/cutting_tools.h"
#include "ops/elastic.h"
#include "ops/punch_pick.h"

namespace facetry {

void connectModellingTools(Workspace& ws) {
  installPunchTool(ws);
  installElasticTool(ws);
  installArrayAndCurveTools(ws);
  connectCuttingTools(ws);
}

}  // namespace facetry
