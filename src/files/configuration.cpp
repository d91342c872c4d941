// files/configuration.cpp: reading and writing "facetry.cfg", the search directory, and the
// angle and resize lists that the configuration preselects.
#include "files/configuration.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/recent_files.h"
#include "scene/errors.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

namespace fs = std::filesystem;

std::string configurationPath(const std::string& start_directory) {
  return (fs::path(start_directory) / kConfigurationFile).string();
}

template <typename T>
void put(std::string& bytes, const T& value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  bytes.append(raw, sizeof(T));
}

// Reads the fields in file order and says exactly where a short file ends.
class FieldReader {
 public:
  FieldReader(const std::string& bytes, const std::string& path) : bytes_(bytes), path_(path) {}

  std::size_t left() const { return bytes_.size() - pos_; }
  void take(void* out, std::size_t size, const char* what) {
    if (bytes_.size() - pos_ < size) {
      throw IoError(path_ + ": the file ends after " + std::to_string(bytes_.size()) +
                    " bytes, before the " + what);
    }
    std::memcpy(out, bytes_.data() + pos_, size);
    pos_ += size;
  }
  template <typename T>
  void take(T& value, const char* what) {
    take(&value, sizeof value, what);
  }

 private:
  const std::string& bytes_;
  const std::string& path_;
  std::size_t pos_ = 0;
};

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

// Changes the working directory; a directory that exists but cannot be entered (no
// permission) is reported as a failed file operation.
void enterDirectory(const std::string& path) {
  std::error_code ec;
  fs::current_path(path, ec);
  if (ec) throw IoError(path + ": cannot make it the working directory (" + ec.message() + ")");
}

int indexWithin(double index, std::size_t count) {
  if (!std::isfinite(index) || index < 0 || index >= static_cast<double>(count)) return -1;
  return static_cast<int>(index);
}

static_assert(sizeof(Rgb) == 3, "colours are three bytes in the file");

}  // namespace

std::string defaultSearchDirectory() {
  const char* home = std::getenv("HOME");
  if (home && isDirectory(home)) return home;
  std::error_code ec;
  return fs::current_path(ec).string();
}

std::string configurationBytes(const Settings& settings) {
  const std::string& directory = settings.SearchDirectory;
  if (directory.size() > kMaxSearchDirectory) {
    throw RangeError("The search directory has " + std::to_string(directory.size()) +
                     " characters; the settings file holds at most " +
                     std::to_string(kMaxSearchDirectory));
  }
  std::string bytes;
  put(bytes, static_cast<std::uint8_t>(directory.size()));
  bytes += directory;
  put(bytes, settings.GridStep);
  put(bytes, settings.RotationStep);
  put(bytes, settings.SelectionColour);
  put(bytes, settings.BackgroundColour);
  put(bytes, settings.SurveyAngleX);
  put(bytes, settings.SurveyAngleZ);
  put(bytes, settings.SurveyAngleY);
  put(bytes, settings.SurveyScale);
  put(bytes, settings.ScaleFactor);
  put(bytes, settings.ResizeFactor);
  // The undo history's budget follows the fields an older program reads, and only when it
  // differs from the defaults, so that the default file keeps its 41 + L bytes.
  const Settings defaults;
  if (settings.HistorySteps != defaults.HistorySteps ||
      settings.HistoryMegabytes != defaults.HistoryMegabytes) {
    bytes.append(kHistoryMarker, 4);
    put(bytes, std::uint32_t{8});  // the block's size after its tag and size
    put(bytes, settings.HistorySteps);
    put(bytes, settings.HistoryMegabytes);
  }
  return bytes;
}

// The "HIST" block among the tagged blocks from `from` on (4-byte tag, uint32 size of what
// follows, the contents); the first one counts. A damaged tail ends the search.
void readHistoryBlock(const std::string& bytes, std::size_t from, Settings& read) {
  std::size_t pos = from;
  while (pos + 8 <= bytes.size()) {
    std::uint32_t size = 0;
    std::memcpy(&size, bytes.data() + pos + 4, 4);
    if (size > bytes.size() - pos - 8) return;
    if (std::memcmp(bytes.data() + pos, kHistoryMarker, 4) == 0 && size >= 8) {
      std::memcpy(&read.HistorySteps, bytes.data() + pos + 8, 4);
      std::memcpy(&read.HistoryMegabytes, bytes.data() + pos + 12, 4);
      read.HistorySteps = std::clamp(read.HistorySteps, 1, kMaxHistorySteps);
      read.HistoryMegabytes = std::clamp(read.HistoryMegabytes, 1, kMaxHistoryMegabytes);
      return;
    }
    pos += 8 + size;
  }
}

bool readConfiguration(Settings& settings, const std::string& start_directory) {
  const std::string path = configurationPath(start_directory);
  std::error_code ec;
  if (!fs::exists(path, ec)) return false;
  const std::string bytes = readWholeFile(path);
  FieldReader in(bytes, path);
  Settings read = settings;
  std::uint8_t length = 0;
  in.take(length, "length of the search directory");
  read.SearchDirectory.assign(length, '\0');
  in.take(read.SearchDirectory.data(), length, "search directory");
  in.take(read.GridStep, "grid step");
  in.take(read.RotationStep, "rotation step");
  in.take(read.SelectionColour, "selection colour");
  in.take(read.BackgroundColour, "background colour");
  in.take(read.SurveyAngleX, "survey angle about the x axis");
  in.take(read.SurveyAngleZ, "survey angle about the z axis");
  in.take(read.SurveyAngleY, "survey angle about the y axis");
  in.take(read.SurveyScale, "survey scale");
  in.take(read.ScaleFactor, "scale factor");
  in.take(read.ResizeFactor, "resize factor");
  // The tagged blocks behind the fixed fields (a file without them has none): the undo
  // history's budget and the recent files.
  readHistoryBlock(bytes, 41u + length, read);
  // The tagged blocks behind the fixed fields (a file without them has none).
  read.RecentFiles = readRecentFilesBlock(bytes, 41u + length);
  settings = read;
  return true;
}

void writeConfiguration(const Settings& settings, const std::string& start_directory) {
  // Behind the fixed fields, where an older program does not read: the tagged blocks.
  const std::string bytes = configurationBytes(settings) + recentFilesBlock(settings.RecentFiles);
  AtomicFileWriter out(configurationPath(start_directory));
  out.write(bytes.data(), bytes.size());
  out.commit();
}

bool enterSearchDirectory(Settings& settings, Host& host, const std::string& start_directory) {
  if (isDirectory(settings.SearchDirectory)) {
    enterDirectory(settings.SearchDirectory);
    return true;
  }
  settings.SearchDirectory = start_directory;
  host.message("The default search directory is set to : " + start_directory +
                   ". To avoid this message please save your settings",
               "Error: the directory does not exist", MessageIcon::Warning, MessageButtons::Ok);
  return false;
}

bool applySearchDirectory(Settings& settings, Host& host, const std::string& directory) {
  if (!isDirectory(directory)) {
    host.message("Directory does not exist, setting not changed", "Error", MessageIcon::Warning,
                 MessageButtons::Ok);
    return false;
  }
  enterDirectory(directory);
  settings.SearchDirectory = directory;
  return true;
}

std::vector<std::string> angleStepItems() {
  std::vector<std::string> items{"0.5", "1"};
  for (int degrees = 5; degrees <= 180; degrees += 5) items.push_back(std::to_string(degrees));
  return items;
}

std::vector<std::string> resizeFactorItems() {
  std::vector<std::string> items;
  for (int percent = 2; percent <= 180; percent += 2) items.push_back(std::to_string(percent));
  return items;
}

int angleStepIndex(double step_degrees) {
  if (std::isnan(step_degrees)) return -1;
  if (step_degrees < 5) return 1;
  return indexWithin(std::trunc(step_degrees / 5 + 1), angleStepItems().size());
}

int resizeFactorIndex(double factor_percent) {
  return indexWithin(std::trunc(factor_percent / 2) - 1, resizeFactorItems().size());
}

}  // namespace facetry
