// materials/gif_decoder.cpp: GIF pictures through giflib.
// Reads: the first image of the file, its local colour table or else the global one,
// interlaced or not, line by line into one row buffer; decoding stops once the kept rows
// are complete. Skips: extensions (transparency, animation, comments), later images, the
// logical screen around the image.
// Faults are told in the reader's three words: "Geen GIF file" (not a GIF file),
// "Kleurentabel niet aanwezig" (no colour table) and "Onverwacht bestands einde" (the file
// ends, or its data breaks off, before the image is complete).
#include <gif_lib.h>

#include <cstring>

#include "materials/picture.h"
#include "scene/errors.h"

namespace facetry {

namespace {

constexpr const char* kNotGif = "Geen GIF file";
constexpr const char* kNoColourTable = "Kleurentabel niet aanwezig";
constexpr const char* kUnexpectedEnd = "Onverwacht bestands einde";

struct MemorySource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
};

extern "C" int readGifBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<MemorySource*>(gif->UserData);
  if (count <= 0) return 0;
  const std::size_t n = std::min(static_cast<std::size_t>(count), source->size - source->at);
  std::memcpy(out, source->data + source->at, n);
  source->at += n;
  return static_cast<int>(n);
}

const char* messageOf(int error) {
  switch (error) {
    case D_GIF_ERR_NOT_GIF_FILE:
    case D_GIF_ERR_NOT_READABLE:
      return kNotGif;
    case D_GIF_ERR_NO_COLOR_MAP:
      return kNoColourTable;
    default:
      return kUnexpectedEnd;
  }
}

class GifFile {
 public:
  GifFile(MemorySource& source, const std::string& name) : name_(name) {
    int error = 0;
    gif_ = DGifOpen(&source, readGifBytes, &error);
    if (gif_ == nullptr) fail(error);
  }
  ~GifFile() {
    int error = 0;
    if (gif_ != nullptr) DGifCloseFile(gif_, &error);
  }
  GifFile(const GifFile&) = delete;
  GifFile& operator=(const GifFile&) = delete;

  GifFileType* operator->() const { return gif_; }
  GifFileType* get() const { return gif_; }
  void check(int result) const {
    if (result != GIF_OK) fail(gif_->Error);
  }
  [[noreturn]] void fail(int error) const { fail(messageOf(error)); }
  [[noreturn]] void fail(const char* message) const { throw FormatError(name_ + ": " + message); }

 private:
  GifFileType* gif_ = nullptr;
  const std::string& name_;
};

// Skips records up to the first image descriptor and reads it.
void findFirstImage(const GifFile& gif) {
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    gif.check(DGifGetRecordType(gif.get(), &type));
    if (type == IMAGE_DESC_RECORD_TYPE) {
      gif.check(DGifGetImageDesc(gif.get()));
      return;
    }
    if (type == TERMINATE_RECORD_TYPE) gif.fail(kUnexpectedEnd);  // no image at all
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      gif.check(DGifGetExtension(gif.get(), &code, &block));
      while (block != nullptr) gif.check(DGifGetExtensionNext(gif.get(), &block));
    }
  }
}

}  // namespace

Picture decodeGif(const std::uint8_t* data, std::size_t size, const std::string& name, int keep) {
  MemorySource source{data, size};
  const GifFile gif(source, name);
  findFirstImage(gif);
  const GifImageDesc& image = gif->Image;
  const ColorMapObject* colours = image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
  if (colours == nullptr || colours->ColorCount <= 0) gif.fail(kNoColourTable);
  Picture p = picture_detail::startPicture(image.Width, image.Height, keep, name);

  std::vector<GifPixelType> row(static_cast<std::size_t>(image.Width));
  const int height = image.Height;
  // Row order: straight, or the four interlace passes (every 8th row from 0, from 4, every
  // 4th from 2, every 2nd from 1).
  const int pass_start[4] = {0, 4, 2, 1};
  const int pass_step[4] = {8, 8, 4, 2};
  const int passes = image.Interlace ? 4 : 1;
  int kept_rows = 0;
  for (int pass = 0; pass < passes && kept_rows < p.kept_height; ++pass) {
    const int start = image.Interlace ? pass_start[pass] : 0;
    const int step = image.Interlace ? pass_step[pass] : 1;
    for (int y = start; y < height && kept_rows < p.kept_height; y += step) {
      gif.check(DGifGetLine(gif.get(), row.data(), image.Width));
      if (y >= p.kept_height) continue;
      ++kept_rows;
      std::uint8_t* out = p.bgr.data() + static_cast<std::size_t>(y) * p.kept_width * 3;
      for (int x = 0; x < p.kept_width; ++x, out += 3) {
        const int index = row[static_cast<std::size_t>(x)];
        if (index < colours->ColorCount) {
          const GifColorType& c = colours->Colors[index];
          out[0] = c.Blue, out[1] = c.Green, out[2] = c.Red;
        }  // an index beyond the table stays black
      }
    }
  }
  return p;
}

}  // namespace facetry
