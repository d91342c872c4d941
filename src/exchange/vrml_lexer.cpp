// exchange/vrml_lexer.cpp: splitting VRML text into words.
#include "exchange/vrml_lexer.h"

#include "scene/errors.h"

namespace facetry {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

bool separates(int c) {
  return c <= ' ' || c == ',' || c == 127;
}

bool special(int c) {
  return c == '{' || c == '}' || c == '[' || c == ']' || c == '#' || c == '"';
}

}  // namespace

VrmlLexer::VrmlLexer(const std::string& path) : in_(path, std::ios::binary) {
  if (!in_) throw IoError(path + ": cannot open the file");
  buffer_.resize(kBufferBytes);
  // The header is a comment; only its version matters.
  std::string first;
  for (int c; first.size() < 16 && (c = get()) >= 0 && c != '\n' && c != '\r';) {
    first.push_back(static_cast<char>(c));
  }
  if (first.rfind("#VRML V1.", 0) == 0) header_version_ = 1;
  if (first.rfind("#VRML V2.", 0) == 0) header_version_ = 2;
  // Start again from the beginning: the first line is read as any comment.
  in_.clear();
  in_.seekg(0);
  pos_ = filled_ = 0;
  offset_ = 0;
}

int VrmlLexer::get() {
  if (pos_ == filled_) {
    // Keep one byte before the new block, so that unget() works across the boundary.
    const bool keep = filled_ > 0;
    if (keep) buffer_[0] = buffer_[filled_ - 1];
    const std::size_t start = keep ? 1 : 0;
    in_.read(buffer_.data() + start, static_cast<std::streamsize>(buffer_.size() - start));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (got == 0) {
      if (keep) filled_ = pos_ = 1;
      return -1;
    }
    filled_ = start + got;
    pos_ = start;
  }
  ++offset_;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

void VrmlLexer::skipComment() {
  for (int c; (c = get()) >= 0 && c != '\n' && c != '\r';) {
  }
}

void VrmlLexer::skipString() {
  for (int c; (c = get()) >= 0 && c != '"';) {
    if (c == '\\') get();
  }
}

VrmlToken VrmlLexer::next() {
  int c = 0;
  for (;;) {
    c = get();
    if (c < 0) return VrmlToken::End;
    if (c == '#') {
      skipComment();
    } else if (c == '"') {
      skipString();
    } else if (!separates(c)) {
      break;
    }
  }
  switch (c) {
    case '{':
      return VrmlToken::OpenBrace;
    case '}':
      return VrmlToken::CloseBrace;
    case '[':
      return VrmlToken::OpenBracket;
    case ']':
      return VrmlToken::CloseBracket;
    default:
      break;
  }
  word_.clear();
  for (; c >= 0 && !separates(c) && !special(c); c = get()) {
    if (word_.size() < kMaxWord) word_.push_back(static_cast<char>(c));
  }
  if (c >= 0) unget();
  return VrmlToken::Word;
}

}  // namespace facetry
