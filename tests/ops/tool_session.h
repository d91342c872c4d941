// tests/ops/tool_session.h: what the modelling-tool tests start from: a workspace in a
// temporary working directory of its own, every modelling tool connected, and a scripted
// host that answers the tools' questions and takes their clicks.
#pragma once
#include "ops/modelling_tools.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "workspace.h"

namespace facetry::testing {

struct ToolSession {
  TempDir dir;
  Workspace ws;
  ScriptedHost host;
  ToolSession() {
    startWorkspace(ws, 3);
    connectModellingTools(ws);
    ws.host = &host;
    ws.scene.ask = true;
  }
};

}  // namespace facetry::testing
