// materials/picture_builders.h: small BMP and GIF files built byte by byte for the decoder
// tests, so every expected pixel is known.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace facetry::testing {

// makeBmp: a BMP with a 40-byte info header. `rows` are the picture's rows from the top, each
// value a palette index (bits <= 8) or 0xRRGGBB; `height` < 0 stores them top-down.
// makeBmpWithData: a BMP whose pixel data is `data` as given (RLE8 = 1, RLE4 = 2).
// makeGif: a GIF of 4 colours whose LZW data sends every pixel as its own code, with a clear
// code before every second pixel so that codes stay 3 bits wide; pixels in file order (pass
// order for an interlaced image); with `local` the table is the image's own.

inline void putU16(std::string& s, std::size_t at, std::uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

inline void putU32(std::string& s, std::size_t at, std::uint32_t v) {
  putU16(s, at, v & 0xFFFF);
  putU16(s, at + 2, v >> 16);
}

inline std::string bmpHeaders(int width, int height, int bits, int compression,
                              const std::vector<std::uint32_t>& palette) {
  std::string s(54, '\0');
  s[0] = 'B', s[1] = 'M';
  putU32(s, 10, static_cast<std::uint32_t>(54 + 4 * palette.size()));
  putU32(s, 14, 40);
  putU32(s, 18, static_cast<std::uint32_t>(width));
  putU32(s, 22, static_cast<std::uint32_t>(height));
  putU16(s, 26, 1);
  putU16(s, 28, static_cast<std::uint32_t>(bits));
  putU32(s, 30, static_cast<std::uint32_t>(compression));
  putU32(s, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::uint32_t c : palette) {
    s += static_cast<char>(c & 0xFF);
    s += static_cast<char>((c >> 8) & 0xFF);
    s += static_cast<char>((c >> 16) & 0xFF);
    s += '\0';
  }
  return s;
}

inline std::string makeBmp(int width, int height, int bits,
                           const std::vector<std::uint32_t>& palette,
                           const std::vector<std::vector<std::uint32_t>>& rows) {
  std::string s = bmpHeaders(width, height, bits, 0, palette);
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const int count = height < 0 ? -height : height;
  for (int i = 0; i < count; ++i) {
    const auto& row = rows[static_cast<std::size_t>(height < 0 ? i : count - 1 - i)];
    std::string line(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = row[static_cast<std::size_t>(x)];
      const auto ux = static_cast<std::size_t>(x);
      if (bits == 1) line[ux / 8] = static_cast<char>(line[ux / 8] | (v << (7 - ux % 8)));
      if (bits == 4) line[ux / 2] = static_cast<char>(line[ux / 2] | (v << (ux % 2 ? 0 : 4)));
      if (bits == 8) line[ux] = static_cast<char>(v);
      if (bits >= 24) {
        const std::size_t at = ux * static_cast<std::size_t>(bits / 8);
        line[at] = static_cast<char>(v & 0xFF);
        line[at + 1] = static_cast<char>((v >> 8) & 0xFF);
        line[at + 2] = static_cast<char>((v >> 16) & 0xFF);
      }
    }
    s += line;
  }
  return s;
}

inline std::string makeBmpWithData(int width, int height, int bits, int compression,
                                   const std::vector<std::uint32_t>& palette,
                                   const std::string& data) {
  return bmpHeaders(width, height, bits, compression, palette) + data;
}

inline std::string makeGif(int width, int height, const std::vector<std::uint32_t>& colours,
                           const std::vector<int>& pixels, bool interlaced, bool local) {
  std::string s = "GIF89a";
  std::string screen(7, '\0');
  putU16(screen, 0, static_cast<std::uint32_t>(width));
  putU16(screen, 2, static_cast<std::uint32_t>(height));
  screen[4] = static_cast<char>(local ? 0x00 : 0x81);  // global table of 4 entries or none
  s += screen;
  std::string table;
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t c =
        i < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(i)] : 0;
    table += static_cast<char>((c >> 16) & 0xFF);
    table += static_cast<char>((c >> 8) & 0xFF);
    table += static_cast<char>(c & 0xFF);
  }
  if (!local) s += table;
  std::string image(10, '\0');
  image[0] = ',';
  putU16(image, 5, static_cast<std::uint32_t>(width));
  putU16(image, 7, static_cast<std::uint32_t>(height));
  image[9] = static_cast<char>((local ? 0x81 : 0) | (interlaced ? 0x40 : 0));
  s += image;
  if (local) s += table;
  // LZW: minimum code size 2, clear 4, end 5; codes of 3 bits, least significant first.
  std::vector<int> codes;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(pixels[i]);
  }
  codes.push_back(5);
  std::string packed;
  unsigned bits = 0, count = 0;
  for (int c : codes) {
    bits |= static_cast<unsigned>(c) << count;
    count += 3;
    while (count >= 8) {
      packed += static_cast<char>(bits & 0xFF);
      bits >>= 8;
      count -= 8;
    }
  }
  if (count > 0) packed += static_cast<char>(bits & 0xFF);
  s += '\x02';
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::string block = packed.substr(at, 255);
    s += static_cast<char>(block.size());
    s += block;
  }
  s += '\0';
  s += ';';
  return s;
}

}  // namespace facetry::testing
