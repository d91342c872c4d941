// materials/texture_store.cpp: texture pictures of the materials.
#include "materials/texture_store.h"

#include <algorithm>
#include <utility>

#include "materials/picture.h"

#include "scene/errors.h"

namespace facetry {

namespace {

constexpr int kMaxTextureEntry = 100;

void checkEntry(int entry) {
  if (entry < 1 || entry > 100) {
    throw RangeError("material " + std::to_string(entry) + " is outside 1..100");
  }
}

}  // namespace

Rgb Texture::texel(int column, int row) const {
  if (column < 0 || column >= columns || row < 0 || row >= rows()) {
    throw RangeError("texel (" + std::to_string(column) + ", " + std::to_string(row) +
                     ") lies outside the texture");
  }
  const std::uint8_t* p =
      bgr.data() + (static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(column)) *
                       3;
  return {p[2], p[1], p[0]};
}

std::string TextureStore::load(int entry, const std::string& file) {
  checkEntry(entry);
  ++loads_requested_;
  Texture& t = textures_[static_cast<std::size_t>(entry)];
  t = Texture{};
  Picture picture;
  try {
    picture = decodePicture(file, kTextureLimit);
  } catch (const Error& e) {
    return e.what();
  }
  if (picture.empty()) return file + ": the picture has no pixels";
  // The picture's kept pixels are already rows of its kept width.
  t.width = picture.kept_width;
  t.height = picture.kept_height;
  t.columns = picture.kept_width;
  t.bgr = std::move(picture.bgr);
  return {};
}

void TextureStore::remove(int entry, int count) {
  checkEntry(entry);
  const int last = std::min(count - 1, kMaxTextureEntry);
  for (int n = entry; n < last; ++n) {
    textures_[static_cast<std::size_t>(n)] = std::move(textures_[static_cast<std::size_t>(n) + 1]);
  }
  if (last >= entry) textures_[static_cast<std::size_t>(last)] = Texture{};
}

void TextureStore::clear(int entry) {
  checkEntry(entry);
  textures_[static_cast<std::size_t>(entry)] = Texture{};
}

void TextureStore::set(int entry, int width, int height, const std::vector<Rgb>& pixels) {
  checkEntry(entry);
  Texture& t = textures_[static_cast<std::size_t>(entry)];
  t.width = width;
  t.height = height;
  t.columns = kTextureColumns;
  const int rows = std::clamp(height, 0, kTextureRows);
  const int columns = std::clamp(width, 0, kTextureColumns);
  t.bgr.assign(static_cast<std::size_t>(rows) * kTextureColumns * 3, 0);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const std::size_t from = static_cast<std::size_t>(r) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(c);
      if (from >= pixels.size()) return;
      std::uint8_t* p =
          t.bgr.data() +
          (static_cast<std::size_t>(r) * kTextureColumns + static_cast<std::size_t>(c)) * 3;
      p[0] = pixels[from].blue;
      p[1] = pixels[from].green;
      p[2] = pixels[from].red;
    }
  }
}

const Texture& TextureStore::texture(int entry) const {
  checkEntry(entry);
  return textures_[static_cast<std::size_t>(entry)];
}

}  // namespace facetry
