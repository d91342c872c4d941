// cli/edit_steps_materials.cpp: the edit steps of the "Material" menu: applying a picture
// with a mapping and moving or scaling the textures of the selected faces.
#include <filesystem>

#include "edit/material_commands.h"
#include "edit_steps.h"
#include "scene/errors.h"

namespace facetry {

namespace {

// --material PICTURE [--mapping flat|wrap|wrap-width|wrap-height]: "Apply..." with the
// picture chosen and "Flat" or "Wrap around" with "Width && height", "Width" or "Height".
void materialStep(Workspace& ws, Host& host, StepArgs& args) {
  MaterialChoice choice;
  choice.name = args.next("--material", "a picture file");
  std::error_code error;
  if (!std::filesystem::is_regular_file(choice.name, error)) {
    throw IoError(choice.name + ": no such picture file");
  }
  if (args.take("--mapping")) {
    const int kind = parseChoice(args.next("--mapping", "flat, wrap, wrap-width or wrap-height"),
                                 "--mapping", {"flat", "wrap", "wrap-width", "wrap-height"});
    static constexpr WrapVariant kVariants[] = {WrapVariant::WidthAndHeight,
                                                WrapVariant::WidthAndHeight, WrapVariant::Width,
                                                WrapVariant::Height};
    choice.mapping.kind = kind == 0 ? MappingKind::Flat : MappingKind::Wrap;
    choice.mapping.variant = kVariants[kind];
  }
  applyMaterial(ws, host, choice);
}

// --texture larger|smaller|left|right|up|down [--factor F]: the resize factor (percent,
// shared with "Enlarge" and "Reduce") is set first when given.
void textureStep(Workspace& ws, Host&, StepArgs& args) {
  static constexpr TextureMove kMoves[] = {TextureMove::Larger, TextureMove::Smaller,
                                           TextureMove::Left,   TextureMove::Right,
                                           TextureMove::Up,     TextureMove::Down};
  const int move = parseChoice(args.next("--texture", "larger, smaller, left, right, up or down"),
                               "--texture", {"larger", "smaller", "left", "right", "up", "down"});
  if (args.take("--factor")) {
    ws.tools.ResizePercent = static_cast<float>(args.nextNumber("--factor", "a percentage"));
  }
  moveTexture(ws, kMoves[move]);
}

}  // namespace

void addMaterialEditSteps(EditSteps& steps) {
  steps.push_back({"--material", "--material PICTURE [--mapping flat|wrap|wrap-width|wrap-height]",
                   materialStep});
  steps.push_back(
      {"--texture", "--texture larger|smaller|left|right|up|down [--factor F]", textureStep});
}

}  // namespace facetry
