// editors/object_commands.h: the main window's object and modeler file commands, once their
// dialogs are closed. The window and facetry-cli both call these.
#pragma once
#include <string>

#include "scene/host.h"
#include "workspace.h"

namespace facetry {

// "&Import object...": reads object file `path` as one new, selected object (with an undo
// snapshot) and enters the place-object tool, whose next click in a view moves the object
// there: the tools reset, FirstClick.a 1, the front view's remembered mouse column -1 and
// ToolMode ModePlaceObject. The toolbox is the caller's to bring in line. Returns the new
// object's index, or -1 when the file held no faces (the tool is entered all the same).
int importObject(Workspace& ws, Host& host, const std::string& path);

// "Import" of a modeler file: the mesh centred on CentrePoint (`path` empty: cancelled,
// which still closes the open object).
int importModeler(Workspace& ws, Host& host, const std::string& path);

}  // namespace facetry
