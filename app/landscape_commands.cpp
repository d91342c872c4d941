// app/landscape_commands.cpp: the "Special" menu's "Create landscape", "Elastic" and "Glue
// selected points" in the main window.
#include <QMenu>
#include <QMenuBar>

#include "landscape_dialog.h"
#include "main_window.h"
#include "ops/elastic.h"
#include "ops/landscape.h"
#include "ops/punch.h"

namespace facetry {

void TMainview::buildSpecialMenu() {
  // buildMenus makes the menu, after "Options"; the editors' entries share it.
  QMenu* special = menuBar()->findChild<QMenu*>(QStringLiteral("Special1"));
  addCommand(special, "Createlandscape1", "Create landscape", [this] { Createlandscape1Click(); });
  addCommand(special, "Elastic1", "Elastic", [this] { Elastic1Click(); });
  addCommand(special, "Glueselectedpoints1", "Glue selected points",
             [this] { Glueselectedpoints1Click(); });
}

void TMainview::Createlandscape1Click() {
  LandscapeSettings settings = ws_.landscape;
  if (windows_.landscape == nullptr || !windows_.landscape->edit(settings)) return;
  ws_.landscape = settings;
  createLandscape(ws_, host_, settings);
  redraw();
}

void TMainview::Elastic1Click() {
  // The core redraws the views and draws the cage over them.
  facetry::Elastic1Click(ws_, host_);
  showButs();
}

void TMainview::Glueselectedpoints1Click() {
  glueSelectedPoints(ws_.scene);
  redraw();
}

}  // namespace facetry
