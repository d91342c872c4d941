// exchange/text_lines.h: the CR LF text files of the VRML and POV-Ray writers, gathered in
// memory and handed to the file in large pieces, with the number formats they share.
#pragma once
#include <string>
#include <string_view>

#include "scene/file_io.h"

namespace facetry {

// `value` in fixed point with `decimals` decimals as printf's "%.*f" prints it (the exact
// binary value rounded to nearest, ties to even), except that a value that prints as zero
// has no minus sign: -0.0001 with 2 decimals is "0.00".
std::string fixedText(double value, int decimals);

// `text` between double quotes, with every backslash and double quote inside escaped by a
// backslash, as VRML and POV-Ray strings want them.
std::string quotedText(std::string_view text);

// A text file built line by line. Nothing appears under `path` until `commit`; a writer
// destroyed without commit leaves any previous file of that name as it was.
class TextLines {
 public:
  // Throws IoError when the file cannot be created.
  explicit TextLines(const std::string& path);

  // Appends to the line being built.
  TextLines& operator<<(std::string_view text);
  TextLines& fixed(double value, int decimals);
  TextLines& integer(long long value);
  // Ends the line being built with CR LF.
  void end();
  // A whole line: `text`, then CR LF.
  void line(std::string_view text);
  // Writes what is left and puts the file in place; throws IoError on any failure.
  void commit();

 private:
  void flushIfFull();

  AtomicFileWriter file_;
  std::string text_;
};

}  // namespace facetry
