// scene/file_io.h: whole-file reads and writes that never leave a half-written file under
// the target's name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace facetry {

// Reads a whole file into memory; throws IoError when it cannot be opened or read.
std::string readWholeFile(const std::string& path);

// Writes a file through a temporary file beside it that `commit` renames over the target;
// a writer destroyed without commit removes the temporary file, so a failed write leaves
// any previous file of that name intact.
class AtomicFileWriter {
 public:
  // Throws IoError when the target is a directory or the temporary file cannot be created.
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void write(const void* bytes, std::size_t size);
  void writeInt32(std::int32_t value) { write(&value, 4); }
  // Flushes, closes and renames over the target; throws IoError on any failure so far.
  void commit();

 private:
  std::string path_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace facetry
