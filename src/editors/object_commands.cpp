// editors/object_commands.cpp: object and modeler file commands with their tool state.
#include "editors/object_commands.h"

#include "edit/tool_modes.h"
#include "files/modeler_file.h"
#include "files/object_file.h"

namespace facetry {

int importObject(Workspace& ws, Host& host, const std::string& path) {
  const int k = importObjectFile(ws.scene, host, path);
  allesfout(ws.tools, ws.scene);
  ws.tools.FirstClick.a = 1;
  ws.views.MousePosition[0][0] = -1;
  ws.tools.ToolMode = ModePlaceObject;
  return k;
}

int importModeler(Workspace& ws, Host& host, const std::string& path) {
  return importModelerFile(ws.scene, host, ws.views.CentrePoint, path);
}

}  // namespace facetry
