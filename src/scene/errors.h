// scene/errors.h: the exceptions the core throws. The front end catches them at the
// command boundary and shows the message; the command-line tool prints it and exits 1.
#pragma once
#include <stdexcept>
#include <string>

namespace facetry {

// Base of every error the core raises on purpose.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// An index or value outside the bounds of its table.
class RangeError : public Error {
 public:
  using Error::Error;
};

// A file operation that failed (create, write, read, rename, remove).
class IoError : public Error {
 public:
  using Error::Error;
};

// A file that is not what it claims to be.
class FormatError : public Error {
 public:
  using Error::Error;
};

}  // namespace facetry
