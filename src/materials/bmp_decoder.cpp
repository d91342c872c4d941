// materials/bmp_decoder.cpp: BMP pictures.
// Reads: the file header, the core (12-byte), info (40-byte) and later (V2..V5) headers;
// 1, 4 and 8 bits through the palette, 16 and 32 bits with their default layouts or bit
// fields, 24 bits; uncompressed, RLE8 and RLE4 data; bottom-up and top-down rows.
// Skips: colour profiles, resolution, alpha, JPEG or PNG data inside a BMP (refused).
// Only the kept top-left part is written; every size in the headers is checked against the
// bytes in the file before it is used.
#include <array>
#include <cstdint>

#include "materials/picture.h"
#include "scene/errors.h"

namespace facetry {

namespace {

using picture_detail::startPicture;

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

class BmpBytes {
 public:
  BmpBytes(const std::uint8_t* data, std::size_t size, const std::string& name)
      : data_(data), size_(size), name_(name) {}
  std::size_t size() const { return size_; }
  const std::uint8_t* data() const { return data_; }
  [[noreturn]] void fail(const std::string& what) const { throw FormatError(name_ + ": " + what); }
  void need(std::size_t offset, std::size_t count, const char* what) const {
    if (offset > size_ || count > size_ - offset) {
      fail(std::string(what) + " runs past the end of the file (" + std::to_string(size_) +
           " bytes)");
    }
  }
  std::uint32_t u16(std::size_t at) const {
    need(at, 2, "the header");
    return data_[at] | (std::uint32_t{data_[at + 1]} << 8);
  }
  std::uint32_t u32(std::size_t at) const {
    need(at, 4, "the header");
    return data_[at] | (std::uint32_t{data_[at + 1]} << 8) | (std::uint32_t{data_[at + 2]} << 16) |
           (std::uint32_t{data_[at + 3]} << 24);
  }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  const std::string& name_;
};

// One channel of a bit-field pixel, scaled to 0..255.
struct Field {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t top = 0;  // the largest value of the field

  Field() = default;
  explicit Field(std::uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1u) == 0) ++shift;
    top = mask >> shift;
  }
  std::uint8_t of(std::uint32_t pixel) const {
    if (top == 0) return 0;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / top);
  }
};

struct Header {
  std::uint32_t offset = 0;  // of the pixel data
  long long width = 0, height = 0;
  bool bottom_up = true;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::array<Field, 3> fields{};                           // red, green, blue
  std::array<std::array<std::uint8_t, 3>, 256> palette{};  // blue, green, red; black beyond
};

Header readHeader(const BmpBytes& in) {
  Header h;
  h.offset = in.u32(10);
  const std::uint32_t header_size = in.u32(14);
  std::size_t palette_at = 14 + std::size_t{header_size};
  std::size_t entry_size = 4;
  std::uint32_t colours_used = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  bool masks_given = false;
  if (header_size == 12) {
    h.width = in.u16(18);
    h.height = static_cast<std::int16_t>(in.u16(20));
    h.bits = static_cast<int>(in.u16(24));
    entry_size = 3;
  } else if (header_size >= 40 && header_size <= 1024) {
    h.width = in.i32(18);
    h.height = in.i32(22);
    h.bits = static_cast<int>(in.u16(28));
    h.compression = in.u32(30);
    colours_used = in.u32(46);
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
      // The masks follow a 40-byte header and lie inside the later ones.
      const std::size_t at = 54;
      for (int i = 0; i < 3; ++i) masks[i] = in.u32(at + 4 * static_cast<std::size_t>(i));
      masks_given = true;
      if (header_size == 40) palette_at += h.compression == kAlphaBitFields ? 16 : 12;
    }
  } else {
    in.fail("has a header of " + std::to_string(header_size) + " bytes, which no BMP has");
  }
  if (h.height < 0) {
    h.bottom_up = false;
    h.height = -h.height;
  }
  const bool fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
  if (!(h.compression == kRgb || (h.compression == kRle8 && h.bits == 8) ||
        (h.compression == kRle4 && h.bits == 4) || (fields && (h.bits == 16 || h.bits == 32)))) {
    in.fail("uses compression " + std::to_string(h.compression) + " with " +
            std::to_string(h.bits) + " bits a pixel, which cannot be read");
  }
  if (!(h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 ||
        h.bits == 32)) {
    in.fail("has " + std::to_string(h.bits) + " bits a pixel, which cannot be read");
  }
  if (h.bits <= 8) {
    const std::uint32_t most = 1u << h.bits;
    const std::uint32_t claimed = colours_used == 0 ? most : colours_used;
    in.need(palette_at, std::size_t{claimed} * entry_size, "the palette");
    const std::uint32_t count = claimed < most ? claimed : most;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = in.data() + palette_at + std::size_t{i} * entry_size;
      h.palette[i] = {e[0], e[1], e[2]};
    }
  } else if (!masks_given) {
    if (h.bits == 16) {
      masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else {
      masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
  }
  for (int i = 0; i < 3; ++i) h.fields[static_cast<std::size_t>(i)] = Field(masks[i]);
  return h;
}

void putIndex(Picture& p, const Header& h, int column, int row, unsigned index) {
  std::uint8_t* out = p.bgr.data() + (static_cast<std::size_t>(row) * p.kept_width + column) * 3;
  const auto& c = h.palette[index & 0xFF];
  out[0] = c[0], out[1] = c[1], out[2] = c[2];
}

void readRows(const BmpBytes& in, const Header& h, Picture& p) {
  const long long stride = (h.width * h.bits + 31) / 32 * 4;
  in.need(h.offset, 0, "the pixel data");
  if (stride > 0 && h.height > static_cast<long long>((in.size() - h.offset) / stride)) {
    in.fail("the pixel data of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
            " pixels runs past the end of the file (" + std::to_string(in.size()) + " bytes)");
  }
  for (int r = 0; r < p.kept_height; ++r) {
    const long long file_row = h.bottom_up ? h.height - 1 - r : r;
    const std::uint8_t* row = in.data() + h.offset + static_cast<std::size_t>(file_row * stride);
    for (int c = 0; c < p.kept_width; ++c) {
      std::uint8_t* out = p.bgr.data() + (static_cast<std::size_t>(r) * p.kept_width + c) * 3;
      switch (h.bits) {
        case 1:
          putIndex(p, h, c, r, (row[c >> 3] >> (7 - (c & 7))) & 1u);
          break;
        case 4:
          putIndex(p, h, c, r, (row[c >> 1] >> ((c & 1) ? 0 : 4)) & 15u);
          break;
        case 8:
          putIndex(p, h, c, r, row[c]);
          break;
        case 24:
          out[0] = row[3 * c], out[1] = row[3 * c + 1], out[2] = row[3 * c + 2];
          break;
        default: {
          const std::uint8_t* q = row + (h.bits / 8) * c;
          const std::uint32_t v = h.bits == 16 ? q[0] | (std::uint32_t{q[1]} << 8)
                                               : q[0] | (std::uint32_t{q[1]} << 8) |
                                                     (std::uint32_t{q[2]} << 16) |
                                                     (std::uint32_t{q[3]} << 24);
          out[0] = h.fields[2].of(v), out[1] = h.fields[1].of(v), out[2] = h.fields[0].of(v);
        }
      }
    }
  }
}

// RLE8 and RLE4: runs and literal stretches, row by row from the file's first row; places
// the delta escape skips stay black. A run or a skip past the row is a fault.
void readRle(const BmpBytes& in, const Header& h, Picture& p) {
  const bool four = h.compression == kRle4;
  std::size_t at = h.offset;
  long long x = 0, y = 0;  // position in file order
  auto put = [&](unsigned index) {
    const long long row = h.bottom_up ? h.height - 1 - y : y;
    if (row < p.kept_height && x < p.kept_width) {
      putIndex(p, h, static_cast<int>(x), static_cast<int>(row), index);
    }
    ++x;
  };
  auto pastRow = [&](long long count) {
    if (x + count > h.width) {
      in.fail("a run of " + std::to_string(count) + " pixels at column " + std::to_string(x) +
              " runs past the end of row " + std::to_string(y));
    }
  };
  while (at + 2 <= in.size() && y < h.height) {
    const unsigned count = in.data()[at], value = in.data()[at + 1];
    at += 2;
    if (count > 0) {
      pastRow(count);
      for (unsigned k = 0; k < count; ++k) put(four ? ((k & 1) ? value & 15u : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      in.need(at, 2, "an RLE skip");
      const unsigned dx = in.data()[at], dy = in.data()[at + 1];
      at += 2;
      pastRow(dx);
      x += dx, y += dy;
    } else {
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      in.need(at, bytes, "an RLE stretch");
      pastRow(value);
      for (unsigned k = 0; k < value; ++k) {
        const unsigned b = in.data()[at + (four ? k / 2 : k)];
        put(four ? ((k & 1) ? b & 15u : b >> 4) : b);
      }
      at += (bytes + 1) & ~std::size_t{1};  // stretches end on a 16-bit boundary
    }
  }
  if (at < in.size() && at + 2 > in.size()) in.fail("the RLE data ends in the middle of a code");
}

}  // namespace

Picture decodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name, int keep) {
  const BmpBytes in(data, size, name);
  if (size < 2 || data[0] != 'B' || data[1] != 'M') in.fail("is not a BMP picture");
  const Header h = readHeader(in);
  Picture p = startPicture(h.width, h.height, keep, name);
  if (h.compression == kRle8 || h.compression == kRle4) {
    in.need(h.offset, 0, "the pixel data");
    readRle(in, h, p);
  } else {
    readRows(in, h, p);
  }
  return p;
}

}  // namespace facetry
