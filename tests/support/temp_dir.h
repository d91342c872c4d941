// support/temp_dir.h: runs a test inside a fresh temporary directory and changes back
// (removing the directory) when the guard goes out of scope, so scratch files written to
// the working directory never leak between tests.
#pragma once
#include <filesystem>
#include <string>

namespace facetry::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// Reads and writes whole files for byte-level checks.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace facetry::testing
