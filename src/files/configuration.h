// files/configuration.h: the configuration file "facetry.cfg" that keeps the user's
// preferences between runs, and the search-directory rules that go with it. The file lies
// in the start directory (the working directory when the program started); the search
// directory it names becomes the working directory for file dialogs and scratch files.
//
// Layout, little-endian, no header: uint8 length L and the L bytes of the search directory,
// int16 GridStep, float32 rotation step, 3 x uint8 selection colour (red, green, blue),
// 3 x uint8 background colour, float32 survey angles about x, z and y, float32 survey
// scale, float64 ScaleFactor, float32 resize factor: 41 + L bytes in all.
// Behind the fixed fields, where an older reader never looks, a row of tagged blocks may
// follow (4-byte tag, uint32 size of the contents, the contents); a reader skips the tags
// it does not know. When the undo history's budget differs from its defaults: "HIST",
// size 8, int32 HistorySteps, int32 HistoryMegabytes. The recent files: "RCNT"
// (files/recent_files.h).
#pragma once
#include <string>
#include <vector>

#include "scene/host.h"
#include "scene/settings.h"

namespace facetry {

inline constexpr const char* kConfigurationFile = "facetry.cfg";
constexpr int kMaxSearchDirectory = 255;  // the length byte limits the directory
inline constexpr char kHistoryMarker[] = "HIST";
constexpr int kMaxHistorySteps = 10000;
constexpr int kMaxHistoryMegabytes = 1 << 20;

// The default search directory on this platform: the user's home directory ($HOME), or the
// working directory when HOME is not set.
std::string defaultSearchDirectory();

// The bytes of the configuration file for `settings`. Throws RangeError when the search
// directory is longer than 255 bytes (the length byte cannot hold it).
std::string configurationBytes(const Settings& settings);

// Reads "facetry.cfg" in `start_directory` into `settings`, the fields in file order.
// Returns false and keeps the settings when there is no such file. Throws IoError (the
// settings unchanged) when the file cannot be read or is shorter than its fields.
bool readConfiguration(Settings& settings, const std::string& start_directory);

// Creates or replaces "facetry.cfg" in `start_directory` with the settings. Throws
// RangeError as configurationBytes, IoError when the file cannot be written (a previous
// file stays intact).
void writeConfiguration(const Settings& settings, const std::string& start_directory);

// After reading the configuration: makes the search directory the working directory. When
// it does not exist, the search directory becomes `start_directory` and the user is told
// ("The default search directory is set to : ...", titled "Error: the directory does not
// exist"). Returns false in that case.
bool enterSearchDirectory(Settings& settings, Host& host, const std::string& start_directory);

// The Settings dialog's rule for a typed directory: when it exists it becomes the search
// directory and the working directory; otherwise "Directory does not exist, setting not
// changed" (titled "Error") is shown and the old one stays. Returns whether it was applied.
bool applySearchDirectory(Settings& settings, Host& host, const std::string& directory);

// The toolbox and Settings lists of angle steps ("0.5", "1", "5", "10", ..., "180") and
// resize factors ("2", "4", ..., "180").
std::vector<std::string> angleStepItems();
std::vector<std::string> resizeFactorItems();
// The list entry preselected for a stored value: for the angle step index 1 ("1") below 5,
// otherwise trunc(step / 5 + 1), so "0.5" is never preselected; for the resize factor
// trunc(factor / 2) - 1. Returns -1 when that index lies outside the list (the box then
// shows the value as text).
int angleStepIndex(double step_degrees);
int resizeFactorIndex(double factor_percent);

}  // namespace facetry
