// materials/texture_store.h: the texture pictures of the material list, one per entry
// 1..100. A picture is kept as up to 817 rows of 816 pixels (blue, green, red) together
// with the width and height it was loaded with; texels are looked up by those sizes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/records.h"

namespace facetry {

constexpr int kTextureColumns = 816;
constexpr int kTextureRows = 817;

struct Texture {
  int width = 0;                  // the picture's width in pixels (texel columns wrap at it)
  int height = 0;                 // the picture's height in pixels (texel rows wrap at it)
  std::vector<std::uint8_t> bgr;  // rows of kTextureColumns pixels, at most kTextureRows

  // Texel at (column, row); throws RangeError outside the stored rows and columns.
  Rgb texel(int column, int row) const;
};

class TextureStore {
 public:
  // Loads the picture of material entry `entry` (1..100) from `file`, replacing what the
  // entry held. Pictures are decoded when the material subsystem exists; until then the
  // store only counts the requests.
  void load(int entry, const std::string& file);
  int loadsRequested() const { return loads_requested_; }

  // Puts a decoded picture into entry `entry` (1..100); rows and columns beyond the store's
  // limits are cut. Throws RangeError for an entry outside 1..100.
  void set(int entry, int width, int height, const std::vector<Rgb>& pixels_row_major);
  // The picture of entry `entry`; throws RangeError for an entry outside 1..100.
  const Texture& texture(int entry) const;

 private:
  std::array<Texture, 101> textures_{};
  int loads_requested_ = 0;
};

}  // namespace facetry
