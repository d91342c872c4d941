// scene/settings.h: the user's preferences that survive between runs (the configuration
// record). Defaults are the values before any configuration file is read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scene/records.h"

namespace facetry {

struct Settings {
  std::string SearchDirectory = "c:\\";  // replaced by the home directory at start-up
  std::int16_t GridStep = 5;             // snap grid in pixels, at least 1
  float RotationStep = 15;               // degrees per step of the rotate dial
  Rgb SelectionColour{255, 128, 0};
  Rgb BackgroundColour{255, 255, 255};
  float SurveyAngleX = 30;  // survey view rotation about the x axis, degrees
  float SurveyAngleZ = 0;
  float SurveyAngleY = 30;
  float SurveyScale = 0.3f;
  double ScaleFactor = 1.0;  // displayed coordinates are divided by it
  float ResizeFactor = 10;   // percent per Enlarge / Reduce
  // The undo history's budget: the most steps it keeps and the most megabytes of
  // snapshots; the oldest step goes first.
  std::int32_t HistorySteps = 32;
  std::int32_t HistoryMegabytes = 512;
  // "Open recent": the last model files saved or loaded, newest first, at most eight.
  std::vector<std::string> RecentFiles;
};

}  // namespace facetry
