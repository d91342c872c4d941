// files/undo_history.cpp: the steps of the undo history as files in a private folder.
//
// A step is the snapshot file itself: "undo.fil" is replaced by a rename at every
// snapshot, so the step can share its bytes through a hard link and costs no second write
// where the temporary directory lies on the same file system; elsewhere it is copied.
#include "files/undo_history.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/native_file.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderPrefix = "facetry-history-";

void removeQuietly(const std::string& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

// Makes `target` hold the bytes of `source`: a hard link, or a copy where links fail.
void linkOrCopy(const std::string& source, const std::string& target) {
  std::error_code ec;
  fs::create_hard_link(source, target, ec);
  if (!ec) return;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    removeQuietly(target);
    throw IoError(target + ": cannot keep the undo step (" + ec.message() + ")");
  }
}

bool processEnded(long pid) {
  return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

void removeStaleHistoryFolders(const std::string& temp_directory) {
  std::error_code ec;
  for (fs::directory_iterator it(temp_directory, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kFolderPrefix, 0) != 0) continue;
    const std::string rest = name.substr(std::string(kFolderPrefix).size());
    char* after = nullptr;
    const long pid = std::strtol(rest.c_str(), &after, 10);
    if (after == rest.c_str() || *after != '-' || !processEnded(pid)) continue;
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) != 0 || info.st_uid != ::getuid()) continue;
    std::error_code ignored;
    fs::remove_all(it->path(), ignored);
  }
}

UndoHistory::UndoHistory(std::string temp_directory) : temp_directory_(std::move(temp_directory)) {}

UndoHistory::~UndoHistory() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void UndoHistory::connect(Scene& scene, const Settings& settings) {
  scene.undo_link.history = this;
  settings_ = &settings;
}

std::uintmax_t UndoHistory::bytes() const {
  std::uintmax_t total = 0;
  for (const Step& s : undo_) total += s.bytes;
  for (const Step& s : redo_) total += s.bytes;
  return total;
}

void UndoHistory::clear() {
  for (const Step& s : undo_) removeQuietly(s.path);
  for (const Step& s : redo_) removeQuietly(s.path);
  undo_.clear();
  redo_.clear();
}

void UndoHistory::makeFolder() {
  std::string base = temp_directory_;
  if (base.empty()) {
    std::error_code ec;
    base = fs::temp_directory_path(ec).string();
    if (ec) throw IoError("There is no temporary directory for the undo history");
  }
  removeStaleHistoryFolders(base);
  std::string pattern =
      (fs::path(base) / (kFolderPrefix + std::to_string(::getpid()) + "-XXXXXX")).string();
  // mkdtemp makes the folder readable by this user alone.
  if (!::mkdtemp(pattern.data())) {
    throw IoError(base + ": cannot make a folder for the undo history (" +
                  std::generic_category().message(errno) + ")");
  }
  folder_ = pattern;
}

std::string UndoHistory::nextPath() {
  return (fs::path(folder_) / ("step-" + std::to_string(++serial_) + ".fcy")).string();
}

UndoHistory::Step UndoHistory::keep(const std::string& from) {
  if (folder_.empty()) makeFolder();
  Step step{nextPath(), 0};
  linkOrCopy(from, step.path);
  std::error_code ec;
  step.bytes = fs::file_size(step.path, ec);
  if (ec) {
    removeQuietly(step.path);
    throw IoError(step.path + ": cannot keep the undo step (" + ec.message() + ")");
  }
  return step;
}

void UndoHistory::pushUndo(Step step) {
  undo_.push_back(std::move(step));
  enforceBudget();
}

void UndoHistory::enforceBudget() {
  const Settings defaults;
  const Settings& s = settings_ ? *settings_ : defaults;
  const std::size_t max_steps = static_cast<std::size_t>(std::max<std::int32_t>(1, s.HistorySteps));
  const std::uintmax_t max_bytes =
      static_cast<std::uintmax_t>(std::max<std::int32_t>(1, s.HistoryMegabytes)) << 20;
  // The newest step always stays, so that one undo is always there.
  while (undo_.size() > 1 && (undo_.size() > max_steps || bytes() > max_bytes)) {
    removeQuietly(undo_.front().path);
    undo_.pop_front();
  }
  while (!redo_.empty() && bytes() > max_bytes) {
    removeQuietly(redo_.front().path);
    redo_.erase(redo_.begin());
  }
}

void UndoHistory::fail(const std::string& reason) {
  clear();
  if (reported_ || !host_) return;
  reported_ = true;
  host_->message("The undo history cannot be written (" + reason +
                     "). Undo goes back one step only until it can be written again.",
                 "Undo history", MessageIcon::Warning, MessageButtons::Ok);
}

void UndoHistory::recordSnapshot(const std::string& snapshot_path) {
  for (const Step& s : redo_) removeQuietly(s.path);
  redo_.clear();
  try {
    pushUndo(keep(snapshot_path));
  } catch (const std::exception& e) {
    fail(e.what());
  }
}

bool UndoHistory::undo(Scene& scene, Host& host) {
  if (undo_.empty()) return false;
  Step current;
  try {
    if (folder_.empty()) makeFolder();
    current.path = nextPath();
    opslaan(scene, current.path);
    current.bytes = fs::file_size(current.path);
  } catch (const std::exception& e) {
    removeQuietly(current.path);
    fail(e.what());
    // The single snapshot still holds the newest step.
    return ophaal(scene, host, kUndoFile, true, nullptr);
  }
  const Step newest = undo_.back();
  undo_.pop_back();
  try {
    ophaal(scene, host, newest.path, true, nullptr);
  } catch (...) {
    removeQuietly(newest.path);
    removeQuietly(current.path);
    throw;
  }
  removeQuietly(newest.path);
  redo_.push_back(current);
  // "undo.fil" holds what the next undo reads; after the oldest step it keeps the state
  // just restored, so a further undo restores that again, as with a single snapshot.
  if (!undo_.empty()) {
    removeQuietly(kUndoFile);
    try {
      linkOrCopy(undo_.back().path, kUndoFile);
    } catch (const Error&) {
      // The history still has the step; only the mirror is missing.
    }
  }
  enforceBudget();
  return true;
}

bool UndoHistory::redo(Scene& scene, Host& host) {
  if (redo_.empty()) return false;
  const Step nearest = redo_.back();
  redo_.pop_back();
  try {
    opslaan(scene, kUndoFile);
  } catch (...) {
    redo_.push_back(nearest);
    throw;
  }
  try {
    pushUndo(keep(kUndoFile));
  } catch (const std::exception& e) {
    fail(e.what());
  }
  try {
    ophaal(scene, host, nearest.path, true, nullptr);
  } catch (...) {
    removeQuietly(nearest.path);
    throw;
  }
  removeQuietly(nearest.path);
  scene.ModifiedFlag = true;
  return true;
}

}  // namespace facetry
