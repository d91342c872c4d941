// exchange/dxf_lines.cpp: line streaming, the header copy and the number rule of the DXF
// reader.
#include "exchange/dxf_lines.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>

#include "scene/errors.h"

namespace facetry {

namespace {

constexpr std::size_t kFirstBufferBytes = 1 << 16;
constexpr std::size_t kMaxLineBytes = 1 << 20;  // the buffer grows to this for long lines
constexpr std::size_t kStartBytes = 32;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The whole of `s` as one decimal number: an optional sign, then a digit or a decimal
// point, then the rest of a floating-point literal. No "inf", "nan" or hexadecimal forms.
bool parseWhole(std::string_view s, double& out) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  const std::size_t body = !s.empty() && s.front() == '-' ? 1 : 0;
  if (body >= s.size() || !(isDigit(s[body]) || s[body] == '.')) return false;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  out = value;
  return true;
}

}  // namespace

DxfLineReader::DxfLineReader(const std::string& path, std::string name)
    : name_(std::move(name)), buffer_(kFirstBufferBytes) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) {
    throw IoError(path + ": cannot open the file for reading (" + std::strerror(errno) + ")");
  }
  fill();
}

DxfLineReader::~DxfLineReader() {
  if (file_) std::fclose(file_);
  if (header_) std::fclose(header_);
}

bool DxfLineReader::fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  if (got == 0) {
    if (std::ferror(file_)) {
      throw IoError(name_ + ": reading failed after " + std::to_string(bytes_read_) + " bytes (" +
                    std::strerror(errno) + ")");
    }
    eof_ = true;
    return false;
  }
  if (start_.size() < kStartBytes) {
    start_.append(buffer_.data() + end_, std::min(got, kStartBytes - start_.size()));
  }
  end_ += got;
  bytes_read_ += got;
  return true;
}

bool DxfLineReader::next(std::string_view& line) {
  if (unread_) {
    unread_ = false;
    line = line_;
    return have_line_;
  }
  for (;;) {
    const char* data = buffer_.data();
    const char* b = data + begin_;
    const char* e = data + end_;
    const auto* lf =
        static_cast<const char*>(std::memchr(b, '\n', static_cast<std::size_t>(e - b)));
    const auto* cr =
        static_cast<const char*>(std::memchr(b, '\r', static_cast<std::size_t>((lf ? lf : e) - b)));
    const char* content_end = nullptr;
    const char* next_start = nullptr;
    if (cr && (cr + 1 < e || eof_)) {  // a CR whose next byte is known
      content_end = cr;
      next_start = cr + 1 < e && cr[1] == '\n' ? cr + 2 : cr + 1;
    } else if (!cr && lf) {
      content_end = lf;
      next_start = lf + 1;
    } else if (!cr && eof_) {
      if (b == e) {
        have_line_ = false;
        return false;
      }
      content_end = next_start = e;
    }
    if (!content_end && begin_ == 0 && end_ == buffer_.size() && buffer_.size() < kMaxLineBytes) {
      buffer_.resize(2 * buffer_.size());  // a long line: room for more of it
    }
    if (!content_end && begin_ == 0 && end_ == buffer_.size()) {
      // A line longer than the buffer: its start is the line, the rest is passed over.
      content_end = next_start = e;
      if (!skip_rest_) {
        begin_ = end_;
        line_ = trimBlanks(std::string_view(b, static_cast<std::size_t>(e - b)));
        if (header_) copyToHeader(std::string_view(b, static_cast<std::size_t>(e - b)), line_);
        skip_rest_ = true;
        have_line_ = true;
        line = line_;
        return true;
      }
    }
    if (content_end) {
      begin_ = static_cast<std::size_t>(next_start - data);
      if (skip_rest_) {
        skip_rest_ = content_end == e && !eof_;  // still inside the long line
        continue;
      }
      const std::string_view raw(b, static_cast<std::size_t>(content_end - b));
      line_ = trimBlanks(raw);
      if (header_) copyToHeader(raw, line_);
      have_line_ = true;
      line = line_;
      return true;
    }
    fill();
  }
}

void DxfLineReader::startHeaderCopy(const std::string& path) {
  header_ = std::fopen(path.c_str(), "wb");
  if (!header_) {
    throw IoError(path + ": cannot create the file (" + std::string(std::strerror(errno)) + ")");
  }
  header_path_ = path;
}

void DxfLineReader::copyToHeader(std::string_view raw, std::string_view line) {
  std::fwrite(raw.data(), 1, raw.size(), header_);
  std::fwrite("\r\n", 1, 2, header_);
  if (sameText(line, "entities")) finishHeaderCopy();
}

void DxfLineReader::finishHeaderCopy() {
  if (!header_) return;
  std::fwrite("0\r\n", 1, 3, header_);
  const bool failed = std::ferror(header_) != 0;
  const int closed = std::fclose(header_);
  header_ = nullptr;
  if (failed || closed != 0) {
    throw IoError(header_path_ + ": writing the file failed (" + std::strerror(errno) + ")");
  }
}

double dxfNumber(std::string_view line) {
  double value = 0;
  if (parseWhole(line, value) && value != 0) return value;
  // Second try for lines with a stray character behind the number ("12.5x"), or text in
  // front of it: from the first digit or decimal point to before the last character.
  std::size_t first = 0;
  while (first < line.size() && !isDigit(line[first]) && line[first] != '.') ++first;
  if (first + 1 >= line.size()) return 0;
  return parseWhole(line.substr(first, line.size() - 1 - first), value) ? value : 0;
}

int dxfInteger(double value, int lo, int hi) {
  if (value <= lo) return lo;
  if (value >= hi) return hi;
  return static_cast<int>(value);
}

bool sameText(std::string_view line, std::string_view keyword) {
  return line.size() == keyword.size() && startsWithText(line, keyword);
}

bool startsWithText(std::string_view line, std::string_view keyword) {
  if (line.size() < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (lowerAscii(line[i]) != keyword[i]) return false;
  }
  return true;
}

}  // namespace facetry
