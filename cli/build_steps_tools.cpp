// cli/build_steps_tools.cpp: the build steps of the construction tools, the toolbox's
// settings, the selection tool and the transform tools, and the click words every tool
// takes.
#include <algorithm>

#include "edit/selection.h"
#include "edit/tool_buttons.h"
#include "edit/tool_modes.h"
#include "edit/tool_pictures.h"
#include "edit/view_mouse.h"
#include "edit_steps.h"
#include "files/model_commands.h"

namespace facetry {

void clickAt(BuildContext& context, int x, int y) {
  moveInView(context.ws, context.host, context.view, x, y);
  clickInView(context.ws, context.host, context.view);
}

void rightClick(BuildContext& context) {
  const auto& mouse =
      context.ws.views.MousePosition[static_cast<std::size_t>(viewIndex(context.view))];
  pressInView(context.ws, context.host, context.view, static_cast<int>(mouse[0]),
              static_cast<int>(mouse[1]), MouseButton::Right);
}

void dragBetween(BuildContext& context, std::pair<int, int> from, std::pair<int, int> to) {
  const View view = context.view;
  moveInView(context.ws, context.host, view, from.first, from.second);
  pressInView(context.ws, context.host, view, from.first, from.second, MouseButton::Left);
  moveInView(context.ws, context.host, view, to.first, to.second);
  releaseInView(context.ws, context.host, view);
}

void takeClicks(BuildContext& context, StepArgs& args) {
  for (;;) {
    if (args.nextIsClick()) {
      const auto [x, y] = args.nextClick("click");
      clickAt(context, x, y);
    } else if (args.take("right")) {
      rightClick(context);
    } else {
      return;
    }
  }
}

namespace {

BuildStep toolStep(const char* name, std::uint8_t mode) {
  return {name, std::string(name) + " CLICK...", [mode](BuildContext& c, StepArgs&) {
            chooseConstructionTool(c.ws.tools, c.ws.scene, mode);
          }};
}

BuildStep flagToolStep(const char* name, FlagTool tool) {
  return {name, std::string(name) + " CLICK|drag X1,Y1 X2,Y2...",
          [tool](BuildContext& c, StepArgs&) {
            if (!toggleFlagTool(c.ws, tool)) toggleFlagTool(c.ws, tool);
          }};
}

}  // namespace

void addToolBuildSteps(BuildSteps& steps) {
  const std::vector<std::pair<const char*, std::uint8_t>> tools = {
      {"--cube", ModeCube},           {"--sphere", ModeSphere},
      {"--triangle", ModeTriangle},   {"--tube", ModeTube},
      {"--point", ModePoint},         {"--polygon", ModePolygon},
      {"--multitube", ModeMultiTube}, {"--ring", ModeRing},
      {"--circle", ModeCircle},       {"--multisurface", ModeMultiSurface}};
  for (const auto& [name, mode] : tools) steps.push_back(toolStep(name, mode));

  steps.push_back({"--in", "--in MODEL.fcy", [](BuildContext& c, StepArgs& a) {
                     loadOrFail(c.ws, a.next("--in", "a model file"));
                     redraw(c.ws);
                   }});
  steps.push_back({"--view", "--view front|top|side", [](BuildContext& c, StepArgs& a) {
                     c.view = viewNumbered(parseChoice(a.next("--view", "front, top or side"),
                                                       "--view", {"front", "top", "side"}) +
                                           1);
                   }});
  steps.push_back({"--step", "--step S", [](BuildContext& c, StepArgs& a) {
                     c.ws.tools.DegreeStep =
                         static_cast<float>(a.nextNumber("--step", "a number of degrees"));
                   }});
  steps.push_back(
      {"--open", "--open", [](BuildContext& c, StepArgs&) { c.ws.tools.closedar = false; }});
  steps.push_back(
      {"--snap", "--snap", [](BuildContext& c, StepArgs&) { c.ws.tools.detri = true; }});
  steps.push_back({"--name", "--name NAME", [](BuildContext& c, StepArgs& a) {
                     c.ws.scene.ObjectNameBuffer.assign(a.next("--name", "a name"));
                   }});

  // The selection tool and its "Points" and "Faces" boxes.
  steps.push_back(
      {"--select", "--select CLICK|drag X1,Y1 X2,Y2...", [](BuildContext& c, StepArgs&) {
         if (!c.ws.tools.flags.selectObjectsOn && !c.ws.tools.flags.selectPointsOn &&
             !c.ws.tools.flags.selectFacesOn) {
           SpeedButton6Click(c.ws.tools, c.ws.scene);
         }
       }});
  steps.push_back({"--points", "--points", [](BuildContext& c, StepArgs&) {
                     selectpointsClick(c.ws.tools, c.ws.scene, true);
                   }});
  steps.push_back({"--faces", "--faces", [](BuildContext& c, StepArgs&) {
                     selectfacesClick(c.ws.tools, c.ws.scene, true);
                   }});

  steps.push_back(flagToolStep("--move", FlagTool::Move));
  steps.push_back(flagToolStep("--resize", FlagTool::Resize));
  steps.push_back(flagToolStep("--copy", FlagTool::Copy));
  steps.push_back({"--drag-along", "--drag-along CLICK...",
                   [](BuildContext& c, StepArgs&) { startDragAlong(c.ws); }});
  // The rotate dial: each X,Y that follows is a press on the dial's picture.
  steps.push_back({"--rotate", "--rotate X,Y...", [](BuildContext& c, StepArgs& a) {
                     const Canvas dial = dialPicture();
                     while (a.nextIsClick()) {
                       const auto [x, y] = a.nextClick("--rotate");
                       pressDial(c.ws, dial.width(), dial.height(), x, y);
                     }
                   }});
}

}  // namespace facetry
