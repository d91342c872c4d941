// files/recent_files.cpp: the "Open recent" block of the configuration file.
#include "files/recent_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/configuration.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

constexpr char kTag[4] = {'R', 'C', 'N', 'T'};
constexpr std::size_t kFixedFields = 41;  // the settings' fields besides the directory
constexpr std::size_t kBlockHeader = 8;   // tag and size

template <typename T>
void put(std::string& bytes, T value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  bytes.append(raw, sizeof(T));
}

template <typename T>
bool take(const std::string& bytes, std::size_t& pos, std::size_t end, T& value) {
  if (end - pos < sizeof(T)) return false;
  std::memcpy(&value, bytes.data() + pos, sizeof(T));
  pos += sizeof(T);
  return true;
}

// Calls `block(tag_matches, start, size)` for each complete tagged block from `from` on.
template <typename Block>
void forEachBlock(const std::string& bytes, std::size_t from, Block block) {
  std::size_t pos = from;
  while (pos + kBlockHeader <= bytes.size()) {
    const bool ours = std::memcmp(bytes.data() + pos, kTag, sizeof kTag) == 0;
    std::uint32_t size = 0;
    std::memcpy(&size, bytes.data() + pos + sizeof kTag, sizeof size);
    if (size > bytes.size() - pos - kBlockHeader) return;  // a damaged tail ends the row
    block(ours, pos, kBlockHeader + size);
    pos += kBlockHeader + size;
  }
}

}  // namespace

void addRecentFile(std::vector<std::string>& files, const std::string& path) {
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  files.insert(files.begin(), path);
  if (files.size() > kMaxRecentFiles) files.resize(kMaxRecentFiles);
}

std::string recentFilesBlock(const std::vector<std::string>& files) {
  if (files.empty()) return {};  // the file keeps the plain layout
  std::string payload;
  std::uint8_t count = 0;
  std::string entries;
  for (const std::string& file : files) {
    if (count == kMaxRecentFiles || file.size() > 0xFFFF) continue;
    put(entries, static_cast<std::uint16_t>(file.size()));
    entries += file;
    ++count;
  }
  put(payload, count);
  payload += entries;
  std::string block(kTag, sizeof kTag);
  put(block, static_cast<std::uint32_t>(payload.size()));
  return block + payload;
}

std::vector<std::string> readRecentFilesBlock(const std::string& bytes, std::size_t from) {
  std::vector<std::string> files;
  forEachBlock(bytes, from, [&](bool ours, std::size_t start, std::size_t size) {
    if (!ours) return;
    files.clear();
    std::size_t pos = start + kBlockHeader;
    const std::size_t end = start + size;
    std::uint8_t count = 0;
    if (!take(bytes, pos, end, count)) return;
    for (int i = 0; i < count; ++i) {
      std::uint16_t length = 0;
      if (!take(bytes, pos, end, length) || end - pos < length) return;
      files.push_back(bytes.substr(pos, length));
      pos += length;
    }
  });
  return files;
}

void saveRecentFiles(const Settings& settings, const std::string& start_directory) {
  const std::string path = (std::filesystem::path(start_directory) / kConfigurationFile).string();
  std::error_code ec;
  std::string bytes;
  if (std::filesystem::exists(path, ec)) {
    const std::string old = readWholeFile(path);
    const std::size_t fixed = old.empty() ? 0 : kFixedFields + static_cast<unsigned char>(old[0]);
    if (old.size() >= fixed && fixed > 0) {
      bytes = old.substr(0, fixed);
      // The other blocks stay as they were.
      forEachBlock(old, fixed, [&](bool ours, std::size_t start, std::size_t size) {
        if (!ours) bytes += old.substr(start, size);
      });
      bytes += recentFilesBlock(settings.RecentFiles);
    }
  }
  if (bytes.empty()) bytes = configurationBytes(settings) + recentFilesBlock(settings.RecentFiles);
  AtomicFileWriter out(path);
  out.write(bytes.data(), bytes.size());
  out.commit();
}

}  // namespace facetry
