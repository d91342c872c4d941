// app/punch_commands.cpp: the punch button and the boxes of its panel (Panel14).
#include <QAbstractButton>

#include "edit/tool_pictures.h"
#include "main_window.h"
#include "ops/punch_pick.h"
#include "toolbox.h"

namespace facetry {

namespace {

ToolPicture punchPicture(PunchMode mode) {
  switch (mode) {
    case PunchMode::Out:
      return ToolPicture::PunchOut;
    case PunchMode::Glue:
      return ToolPicture::Glue;
    case PunchMode::In:
      break;
  }
  return ToolPicture::PunchIn;
}

}  // namespace

void TMainview::connectPunchTool() {
  for (const char* name : {"indeuken", "uitdeuken", "glue", "gluesel", "autoedge", "remove"}) {
    QAbstractButton* box = toolbox_->findChild<QAbstractButton*>(QString::fromLatin1(name));
    connect(box, &QAbstractButton::clicked, this,
            [this, name] { command([this, name] { punchBoxClick(name); }); });
  }
}

void TMainview::SpeedButton21Click() {
  const bool on = togglePunchTool(ws_);
  showButs();
  if (on) toolbox_->showPicture(punchPicture(ws_.tools.punch_mode));
}

void TMainview::punchBoxClick(const char* name) {
  auto box = [this](const char* box_name) {
    return toolbox_->findChild<QAbstractButton*>(QString::fromLatin1(box_name));
  };
  const std::string clicked = name;
  // "P.. in" and "Punch out" clear "Glue selected"; "Glue selected" chooses "Glue".
  if (clicked == "indeuken" || clicked == "uitdeuken") box("gluesel")->setChecked(false);
  if (clicked == "gluesel" && box("gluesel")->isChecked()) box("glue")->setChecked(true);
  ToolState& t = ws_.tools;
  t.punch_mode = box("glue")->isChecked()        ? PunchMode::Glue
                 : box("uitdeuken")->isChecked() ? PunchMode::Out
                                                 : PunchMode::In;
  t.gluesel = box("gluesel")->isChecked();
  t.autoedge = box("autoedge")->isChecked();
  t.remove = box("remove")->isChecked();
  if (clicked != "autoedge" && clicked != "remove") {
    toolbox_->showPicture(punchPicture(t.punch_mode));
  }
  moveFocusAway();
}

}  // namespace facetry
