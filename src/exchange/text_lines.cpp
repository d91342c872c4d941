// exchange/text_lines.cpp: buffered CR LF text and the fixed-point number format.
#include "exchange/text_lines.h"

#include <charconv>

namespace facetry {

namespace {

constexpr std::size_t kFlushBytes = 1 << 20;

// Appends `value` with `decimals` decimals. std::to_chars rounds the exact binary value
// as printf does; the largest float needs 39 digits before the point, a double 309.
void appendFixed(std::string& out, double value, int decimals) {
  char buffer[400];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
  std::string_view s(buffer, static_cast<std::size_t>(end - buffer));
  if (s.size() > 1 && s.front() == '-' && s.find_first_not_of("-0.") == std::string_view::npos) {
    s.remove_prefix(1);
  }
  out.append(s);
}

}  // namespace

std::string fixedText(double value, int decimals) {
  std::string text;
  appendFixed(text, value, decimals);
  return text;
}

std::string quotedText(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

TextLines::TextLines(const std::string& path) : file_(path) {
  text_.reserve(kFlushBytes + 4096);
}

TextLines& TextLines::operator<<(std::string_view text) {
  text_.append(text);
  return *this;
}

TextLines& TextLines::fixed(double value, int decimals) {
  appendFixed(text_, value, decimals);
  return *this;
}

TextLines& TextLines::integer(long long value) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  text_.append(buffer, static_cast<std::size_t>(end - buffer));
  return *this;
}

void TextLines::end() {
  text_.append("\r\n");
  flushIfFull();
}

void TextLines::line(std::string_view text) {
  text_.append(text);
  end();
}

void TextLines::commit() {
  file_.write(text_.data(), text_.size());
  text_.clear();
  file_.commit();
}

void TextLines::flushIfFull() {
  if (text_.size() < kFlushBytes) return;
  file_.write(text_.data(), text_.size());
  text_.clear();
}

}  // namespace facetry
