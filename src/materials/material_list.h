// materials/material_list.h: the material list's numbering, its removal of unused entries,
// the placement commands on textured faces and the renaming of entries. MaterialList
// entries are 1 .. MaterialCount - 1; a face's material 0 means none.
#pragma once
#include <string>
#include <vector>

#include "materials/texture_store.h"
#include "scene/scene.h"

namespace facetry {

// New materials are added only while MaterialCount is below this (98 entries at most).
constexpr int kMaterialCountLimit = 99;

// The first entry 1 .. MaterialCount - 1 whose name equals `name` exactly (case and length),
// or MaterialCount when there is none (the number a new material gets).
int findMaterial(const Scene& scene, const std::string& name);

// Removes every entry that no face uses: the entries above it and their textures move down
// one place, MaterialCount drops by one and faces with a higher number follow. Returns the
// number of entries removed.
int removeUnusedMaterials(Scene& scene, TextureStore& textures);

// "Larger", "Smaller", "Left", "Right", "Up" and "Down" with resize factor f (percent):
// u, v := trunc(u / (f / 100 + 1)), trunc(u x (f / 100 + 1)), u + trunc(f), u - trunc(f),
// v + trunc(f), v - trunc(f) on every corner of the selected textured faces of the closed
// objects. Returns the number of faces changed.
enum class TextureMove { Larger, Smaller, Left, Right, Up, Down };
int moveTextures(Scene& scene, TextureMove move, float factor_percent);

// "Materials used" "Ok": line k names entry k + 1. A line naming an existing file becomes
// that entry's name; the others are skipped. Pictures are not reloaded. Returns false when
// a line was skipped. Lines beyond MaterialCount - 1 are ignored.
bool renameMaterialEntries(Scene& scene, const std::vector<std::string>& lines);

}  // namespace facetry
