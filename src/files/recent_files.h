// files/recent_files.h: the "Open recent" list, kept in "facetry.cfg" behind the fixed
// settings fields, where a program that knows only those fields never reads. The tail of
// the file is a row of tagged blocks (4-byte tag, uint32 size, payload), so that later
// additions can sit beside this one and each reader skips the blocks it does not know.
// The recent files' block is tagged "RCNT": uint8 count, then per file a uint16 length
// and its bytes.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "scene/settings.h"

namespace facetry {

inline constexpr std::size_t kMaxRecentFiles = 8;

// Puts `path` first in `files`, drops an older entry of it and keeps the newest eight.
void addRecentFile(std::vector<std::string>& files, const std::string& path);

// The "RCNT" block of `files` (paths longer than 65535 bytes are left out); none for an
// empty list, so that the file keeps the plain layout.
std::string recentFilesBlock(const std::vector<std::string>& files);

// Reads the recent files from the tagged blocks of `bytes` starting at `from` (the end of
// the fixed fields). Returns an empty list when there is no such block; a damaged tail
// gives the entries read before the damage.
std::vector<std::string> readRecentFilesBlock(const std::string& bytes, std::size_t from);

// Writes the recent files of `settings` into "facetry.cfg" in `start_directory` without
// touching the other settings stored there: the file's own fields and other blocks stay,
// only the "RCNT" block is replaced. With no file yet, the settings as they are now are
// written with it. Throws IoError when the file cannot be written.
void saveRecentFiles(const Settings& settings, const std::string& start_directory);

}  // namespace facetry
