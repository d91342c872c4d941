// materials/picture.cpp: the one entry to the picture decoders. The file is mapped into
// memory rather than read, so a large picture of which only the top-left part is kept costs
// no copy of the rest.
#include "materials/picture.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "scene/errors.h"

namespace facetry {

namespace {

// A read-only mapping of a whole file, unmapped when it goes.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw IoError(path + ": cannot open the picture (" + std::strerror(errno) + ")");
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd_);
      throw IoError(path + ": is not a picture file that can be read");
    }
    size_ = static_cast<std::size_t>(st.st_size);
    if (size_ > 0) {
      void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
      if (p == MAP_FAILED) {
        ::close(fd_);
        throw IoError(path + ": cannot read the picture (" + std::strerror(errno) + ")");
      }
      data_ = static_cast<const std::uint8_t*>(p);
    }
  }
  ~MappedFile() {
    if (data_ != nullptr) ::munmap(const_cast<std::uint8_t*>(data_), size_);
    ::close(fd_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  int fd_ = -1;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace

namespace picture_detail {

Picture startPicture(long long width, long long height, int keep, const std::string& name) {
  if (width < 1 || height < 1) {
    throw FormatError(name + ": the picture has no pixels (" + std::to_string(width) + " x " +
                      std::to_string(height) + ")");
  }
  Picture p;
  p.width = static_cast<int>(std::min<long long>(width, 1LL << 30));
  p.height = static_cast<int>(std::min<long long>(height, 1LL << 30));
  p.kept_width = static_cast<int>(std::min<long long>(width, std::max(keep, 0)));
  p.kept_height = static_cast<int>(std::min<long long>(height, std::max(keep, 0)));
  p.bgr.assign(static_cast<std::size_t>(p.kept_width) * static_cast<std::size_t>(p.kept_height) * 3,
               0);
  return p;
}

}  // namespace picture_detail

Picture decodePictureBytes(const std::uint8_t* data, std::size_t size, const std::string& name,
                           int keep) {
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) return decodeJpeg(data, size, name, keep);
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return decodeBmp(data, size, name, keep);
  if (size >= 3 && std::memcmp(data, "GIF", 3) == 0) return decodeGif(data, size, name, keep);
  // A file named as a GIF picture gets the GIF reader's own word for what is wrong with it.
  std::string extension = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".gif") return decodeGif(data, size, name, keep);
  throw FormatError(name + ": is not a BMP, JPEG or GIF picture");
}

Picture decodePicture(const std::string& path, int keep) {
  const MappedFile file(path);
  return decodePictureBytes(file.data(), file.size(), path, keep);
}

}  // namespace facetry
