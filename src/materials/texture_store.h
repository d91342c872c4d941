// materials/texture_store.h: the texture pictures of the material list, one per entry
// 1..100. A picture is kept as up to 817 rows of up to 816 pixels (blue, green, red)
// together with the width and height it was loaded with; texels are looked up by those
// sizes. A loaded picture keeps rows of its own width, so its texels lie close together.
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
  int columns = kTextureColumns;  // pixels stored per row (a loaded picture: its width)
  std::vector<std::uint8_t> bgr;  // rows of `columns` pixels, at most kTextureRows

  int rows() const { return columns > 0 ? static_cast<int>(bgr.size() / (columns * 3u)) : 0; }

  // Texel at (column, row); throws RangeError outside the stored rows and columns.
  Rgb texel(int column, int row) const;
};

class TextureStore {
 public:
  // Loads the picture of material entry `entry` (1..100) from `file`, replacing what the
  // entry held: its top-left part of at most 399 x 399 pixels, whose size becomes the
  // texture's width and height. A file that cannot be read or decoded leaves the entry an
  // empty texture (0 x 0) and returns what is wrong with it; otherwise returns "".
  // Throws RangeError for an entry outside 1..100.
  std::string load(int entry, const std::string& file);
  int loadsRequested() const { return loads_requested_; }

  // Removal of material `entry` from a list of `count` - 1 entries: the textures of entries
  // entry + 1 .. count - 1 move down one place; entry count - 1 becomes empty.
  void remove(int entry, int count);
  // Empties entry `entry`.
  void clear(int entry);

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
