// exchange/dxf_writer.cpp: writing the scene as DXF 3DFACE entities.
#include "exchange/dxf_writer.h"

#include <charconv>
#include <cstdint>
#include <unordered_map>

#include "exchange/writer_shift.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

std::uint32_t packColour(const Rgb& c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

int squaredDistance(const Rgb& a, const Rgb& b) {
  const int dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
  return dr * dr + dg * dg + db * db;
}

// Text output gathered in memory and handed to the file in large pieces.
class DxfText {
 public:
  explicit DxfText(const std::string& path) : file_(path) { text_.reserve(kFlushBytes + 4096); }

  void line(std::string_view s) {
    text_.append(s);
    text_.append("\r\n");
    if (text_.size() >= kFlushBytes) flush();
  }
  void integer(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    line(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
  // Fixed point with four decimals, rounded to nearest. A value that rounds to zero is
  // written "0.0000", never "-0.0000".
  void fixed4(double value) {
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4).ptr;
    std::string_view s(buffer, static_cast<std::size_t>(end - buffer));
    if (s == "-0.0000") s.remove_prefix(1);
    line(s);
  }
  void commit() {
    flush();
    file_.commit();
  }

 private:
  void flush() {
    file_.write(text_.data(), text_.size());
    text_.clear();
  }

  AtomicFileWriter file_;
  std::string text_;
};

}  // namespace

std::vector<int> numberDxfColours(Scene& scene) {
  std::vector<int> numbers(static_cast<std::size_t>(scene.FaceCount));
  std::unordered_map<std::uint32_t, int> entry_of;  // colour -> palette entry
  int used = 0;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    const Rgb colour{f.red, f.green, f.blue};
    auto found = entry_of.find(packColour(colour));
    if (found == entry_of.end()) {
      int entry = 0;
      if (used < static_cast<int>(scene.DxfPalette.size())) {
        entry = used++;
        scene.DxfPalette[static_cast<std::size_t>(entry)] = colour;
      } else {
        for (int e = 1; e < used; ++e) {
          if (squaredDistance(scene.DxfPalette[static_cast<std::size_t>(e)], colour) <
              squaredDistance(scene.DxfPalette[static_cast<std::size_t>(entry)], colour)) {
            entry = e;
          }
        }
      }
      found = entry_of.emplace(packColour(colour), entry).first;
    }
    numbers[static_cast<std::size_t>(i)] = found->second + 1;
  }
  return numbers;
}

void writeDxf(Scene& scene, const std::string& path) {
  const WriterShift shift = writerShift(scene);
  const std::vector<int> colour_numbers = numberDxfColours(scene);
  DxfText out(path);
  for (const char* line : {"0", "SECTION", " 2", "ENTITIES", " 0"}) out.line(line);
  static constexpr const char* kCodes[4][3] = {
      {"10", "20", "30"}, {"11", "21", "31"}, {"12", "22", "32"}, {"13", "23", "33"}};
  static constexpr int kCornerOfGroup[4] = {2, 1, 0, 0};
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    const std::string layer = o.name.str();
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
      out.line("3DFACE");
      out.line(" 8");
      out.line(layer);
      out.line(" 62");
      out.integer(colour_numbers[static_cast<std::size_t>(i)]);
      for (int group = 0; group < 4; ++group) {
        const FaceCorner& c = f.corners[kCornerOfGroup[group]];
        // The difference of two floats is exact in double, so rounding happens once.
        out.line(kCodes[group][0]);
        out.fixed4(static_cast<double>(c.x) - shift.min_x);
        out.line(kCodes[group][1]);
        out.fixed4(c.z);
        out.line(kCodes[group][2]);
        out.fixed4(static_cast<double>(c.y) - shift.min_y);
      }
      out.line(" 0");
    }
  }
  for (const char* line : {"ENDSEC", " 0", "EOF"}) out.line(line);
  out.commit();
}

}  // namespace facetry
