// ops/modelling_tools.cpp: each modelling tool hooks its click steps into the dispatcher.
#include "ops/modelling_tools.h"

#include "ops/cutting_tools.h"

namespace facetry {

void connectModellingTools(Workspace& ws) {
  connectCuttingTools(ws);
}

}  // namespace facetry
