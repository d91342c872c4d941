// exchange/vrml_lexer.h: the words of a VRML 1.0 or 2.0 file, read as a stream.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace facetry {

enum class VrmlToken { End, Word, OpenBrace, CloseBrace, OpenBracket, CloseBracket };

// Splits VRML text into words and the four brackets. Blanks, commas and control
// characters separate words; "#" starts a comment that ends at the line end (which then
// separates like a blank); a quoted string (with backslash escapes) is skipped whole, as
// if it were a blank. A word longer than kMaxWord characters is cut to its first kMaxWord
// (the rest is read and dropped), so no word can take unbounded memory.
class VrmlLexer {
 public:
  static constexpr std::size_t kMaxWord = 256;

  // Reads the file at `path`; throws IoError when it cannot be opened.
  explicit VrmlLexer(const std::string& path);

  // The next token; after the end of the file, End on every call.
  VrmlToken next();
  // The text of the last Word.
  const std::string& word() const { return word_; }
  // 1 or 2 from a first line "#VRML V1.0 ..." or "#VRML V2.0 ...", else 0.
  int headerVersion() const { return header_version_; }
  // Bytes read so far, for the reading counter's pace.
  std::uint64_t offset() const { return offset_; }

 private:
  int get();  // the next byte, or -1 at the end
  void unget() { --pos_, --offset_; }
  void skipComment();
  void skipString();

  std::ifstream in_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0, filled_ = 0;
  std::uint64_t offset_ = 0;
  std::string word_;
  int header_version_ = 0;
};

}  // namespace facetry
