// exchange/dxf_lines.h: the text layer of the DXF reader: lines streamed from the file,
// the header copy, and the number and keyword rules every line is read by.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace facetry {

// Streams the lines of a text file. A line ends at LF, CR LF or a lone CR; the line end and
// the blanks (spaces, tabs) around the text are not part of the line. A line longer than
// 1 MiB is cut there and the rest of it is passed over.
class DxfLineReader {
 public:
  // Opens `path`; `name` is the file name used in messages. Throws IoError.
  DxfLineReader(const std::string& path, std::string name);
  ~DxfLineReader();
  DxfLineReader(const DxfLineReader&) = delete;
  DxfLineReader& operator=(const DxfLineReader&) = delete;

  // The next line, valid until the next call; false at the end of the file.
  // Throws IoError when reading fails.
  bool next(std::string_view& line);
  // Makes the next call of `next` return the line it returned last once more.
  void unread() { unread_ = true; }

  // From now on copies every line, unchanged but for its CR LF line end, to the file
  // `path`, up to and including the first line that reads "entities" (in any case); then
  // writes the line "0" and closes the copy. finishHeaderCopy does the same at the end of
  // the file. Throws IoError when the copy cannot be created or written.
  void startHeaderCopy(const std::string& path);
  void finishHeaderCopy();

  const std::string& name() const { return name_; }
  bool empty() const { return bytes_read_ == 0; }
  // The first bytes of the file (up to 32), for recognising files of other kinds.
  std::string_view start() const { return std::string_view(start_.data(), start_.size()); }

 private:
  bool fill();
  void copyToHeader(std::string_view raw, std::string_view line);

  std::FILE* file_ = nullptr;
  std::string name_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first byte not yet returned
  std::size_t end_ = 0;    // end of the bytes in the buffer
  bool eof_ = false;
  bool skip_rest_ = false;  // the last line was cut: pass over the rest of it first
  bool unread_ = false;
  bool have_line_ = false;
  std::string_view line_;
  std::size_t bytes_read_ = 0;
  std::string start_;
  std::FILE* header_ = nullptr;
  std::string header_path_;
};

// The number of a line: the decimal conversion of the whole line (optional sign, digits,
// decimal point, exponent); when that fails or gives zero, the conversion of the text from
// the line's first digit or decimal point up to, not including, its last character; zero
// when both fail. Always finite.
double dxfNumber(std::string_view line);

// `value` truncated toward zero and clamped to lo..hi.
int dxfInteger(double value, int lo, int hi);

// Case-insensitive (ASCII) comparisons of a line with a lower-case keyword.
bool sameText(std::string_view line, std::string_view keyword);
bool startsWithText(std::string_view line, std::string_view keyword);

}  // namespace facetry
