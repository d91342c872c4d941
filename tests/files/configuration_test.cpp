// Tests of the configuration file, the search-directory rules and the preselection rules of
// the angle and resize lists.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

#include "files/configuration.h"
#include "scene/errors.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

std::string bytesOf(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// The defaults with the Windows-style directory, written out byte by byte from the layout.
// clang-format off
const std::string kDefaultFile = bytesOf({3, 'c', ':', '\\',              // directory
                                          5, 0,                           // grid
                                          0x00, 0x00, 0x70, 0x41,         // 15.0f
                                          255, 128, 0, 255, 255, 255,     // colours
                                          0x00, 0x00, 0xF0, 0x41,         // 30.0f about x
                                          0x00, 0x00, 0x00, 0x00,         // 0.0f about z
                                          0x00, 0x00, 0xF0, 0x41,         // 30.0f about y
                                          0x9A, 0x99, 0x99, 0x3E,         // 0.3f
                                          0, 0, 0, 0, 0, 0, 0xF0, 0x3F,   // 1.0
                                          0x00, 0x00, 0x20, 0x41});       // 10.0f
// clang-format on

Settings unusualSettings(const std::string& directory) {
  Settings s;
  s.SearchDirectory = directory;
  s.GridStep = 7;
  s.RotationStep = 0.5f;
  s.SelectionColour = {1, 2, 3};
  s.BackgroundColour = {4, 5, 6};
  s.SurveyAngleX = -12.5f;
  s.SurveyAngleZ = 90;
  s.SurveyAngleY = 359;
  s.SurveyScale = 1.25f;
  s.ScaleFactor = 2.54;
  s.ResizeFactor = 2;
  return s;
}

void expectSameSettings(const Settings& a, const Settings& b) {
  EXPECT_EQ(a.SearchDirectory, b.SearchDirectory);
  EXPECT_EQ(a.GridStep, b.GridStep);
  EXPECT_EQ(a.RotationStep, b.RotationStep);
  EXPECT_EQ(a.SelectionColour, b.SelectionColour);
  EXPECT_EQ(a.BackgroundColour, b.BackgroundColour);
  EXPECT_EQ(a.SurveyAngleX, b.SurveyAngleX);
  EXPECT_EQ(a.SurveyAngleZ, b.SurveyAngleZ);
  EXPECT_EQ(a.SurveyAngleY, b.SurveyAngleY);
  EXPECT_EQ(a.SurveyScale, b.SurveyScale);
  EXPECT_EQ(a.ScaleFactor, b.ScaleFactor);
  EXPECT_EQ(a.ResizeFactor, b.ResizeFactor);
}

TEST(ConfigurationFile, DefaultsWriteTheFortyFourBytesOfTheLayout) {
  TempDir dir;
  writeConfiguration(Settings{}, dir.path().string());
  const std::string written = readFile(dir.file("facetry.cfg"));
  EXPECT_EQ(written.size(), 44u);
  EXPECT_EQ(written, kDefaultFile);
}

TEST(ConfigurationFile, SizeIsFortyOnePlusTheDirectoryLength) {
  TempDir dir;
  for (const std::string& directory :
       std::vector<std::string>{"", "/", "/home/someone/models", std::string(255, 'd')}) {
    Settings s;
    s.SearchDirectory = directory;
    EXPECT_EQ(configurationBytes(s).size(), 41 + directory.size());
  }
}

TEST(ConfigurationFile, EveryFieldSurvivesARoundTrip) {
  TempDir dir;
  const Settings written = unusualSettings(dir.path().string());
  writeConfiguration(written, dir.path().string());
  Settings read;
  ASSERT_TRUE(readConfiguration(read, dir.path().string()));
  expectSameSettings(read, written);
  // Reading the hand-made default file gives the defaults back.
  writeFile(dir.file("facetry.cfg"), kDefaultFile);
  ASSERT_TRUE(readConfiguration(read, dir.path().string()));
  expectSameSettings(read, Settings{});
}

TEST(ConfigurationFile, MissingFileKeepsTheSettings) {
  TempDir dir;
  Settings s = unusualSettings("/somewhere");
  EXPECT_FALSE(readConfiguration(s, dir.path().string()));
  expectSameSettings(s, unusualSettings("/somewhere"));
}

TEST(ConfigurationFile, FileCutAtAnyByteIsAnIoErrorAndChangesNothing) {
  TempDir dir;
  const std::string full = configurationBytes(unusualSettings("/tmp"));
  for (std::size_t size = 0; size < full.size(); ++size) {
    writeFile(dir.file("facetry.cfg"), full.substr(0, size));
    Settings s;
    EXPECT_THROW(readConfiguration(s, dir.path().string()), IoError) << "cut at " << size;
    expectSameSettings(s, Settings{});
  }
  // A length byte that promises more characters than the file holds.
  writeFile(dir.file("facetry.cfg"), bytesOf({200, 'a', 'b'}));
  Settings s;
  EXPECT_THROW(readConfiguration(s, dir.path().string()), IoError);
}

TEST(ConfigurationFile, OverlongDirectoryIsRefusedWithoutTouchingTheOldFile) {
  TempDir dir;
  writeFile(dir.file("facetry.cfg"), kDefaultFile);
  Settings s;
  s.SearchDirectory = std::string(256, 'x');
  EXPECT_THROW(writeConfiguration(s, dir.path().string()), RangeError);
  EXPECT_EQ(readFile(dir.file("facetry.cfg")), kDefaultFile);
}

TEST(SearchDirectory, ExistingDirectoryBecomesTheWorkingDirectory) {
  TempDir dir;
  fs::create_directory(dir.path() / "models");
  ScriptedHost host;
  Settings s;
  s.SearchDirectory = (dir.path() / "models").string();
  EXPECT_TRUE(enterSearchDirectory(s, host, dir.path().string()));
  EXPECT_EQ(fs::current_path(), fs::canonical(dir.path() / "models"));
  EXPECT_TRUE(host.messages.empty());
}

TEST(SearchDirectory, RemovedDirectoryFallsBackToTheStartDirectoryWithAWarning) {
  TempDir dir;
  ScriptedHost host;
  Settings s;
  s.SearchDirectory = "c:\\";
  const std::string start = dir.path().string();
  EXPECT_FALSE(enterSearchDirectory(s, host, start));
  EXPECT_EQ(s.SearchDirectory, start);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The default search directory is set to : " + start +
                                       ". To avoid this message please save your settings");
  EXPECT_EQ(host.messages[0].title, "Error: the directory does not exist");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
}

TEST(SearchDirectory, TypedDirectoryIsAppliedOnlyWhenItExists) {
  TempDir dir;
  ScriptedHost host;
  Settings s;
  s.SearchDirectory = "/old";
  EXPECT_FALSE(applySearchDirectory(s, host, (dir.path() / "missing").string()));
  EXPECT_EQ(s.SearchDirectory, "/old");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Directory does not exist, setting not changed");
  EXPECT_EQ(host.messages[0].title, "Error");

  fs::create_directory(dir.path() / "here");
  EXPECT_TRUE(applySearchDirectory(s, host, (dir.path() / "here").string()));
  EXPECT_EQ(s.SearchDirectory, (dir.path() / "here").string());
  EXPECT_EQ(fs::current_path(), fs::canonical(dir.path() / "here"));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(StepLists, AngleStepPreselectionNeverPicksHalfADegree) {
  const auto items = angleStepItems();
  ASSERT_EQ(items.size(), 38u);
  EXPECT_EQ(items[0], "0.5");
  EXPECT_EQ(angleStepIndex(0.5), 1) << "0.5 selects \"1\"";
  EXPECT_EQ(angleStepIndex(4.99), 1);
  EXPECT_EQ(angleStepIndex(-30), 1);
  EXPECT_EQ(angleStepIndex(5), 2);
  EXPECT_EQ(angleStepIndex(15), 4);
  EXPECT_EQ(items[4], "15");
  EXPECT_EQ(angleStepIndex(17.5), 4);
  EXPECT_EQ(angleStepIndex(180), 37);
  EXPECT_EQ(items[37], "180");
  EXPECT_EQ(angleStepIndex(184.9), 37);
  EXPECT_EQ(angleStepIndex(185), -1) << "beyond the list";
  EXPECT_EQ(angleStepIndex(std::numeric_limits<double>::quiet_NaN()), -1);
  EXPECT_EQ(angleStepIndex(std::numeric_limits<double>::infinity()), -1);
}

TEST(StepLists, ResizeFactorPreselection) {
  const auto items = resizeFactorItems();
  ASSERT_EQ(items.size(), 90u);
  EXPECT_EQ(resizeFactorIndex(2), 0);
  EXPECT_EQ(items[0], "2");
  EXPECT_EQ(resizeFactorIndex(10), 4);
  EXPECT_EQ(items[4], "10");
  EXPECT_EQ(resizeFactorIndex(3.9), 0);
  EXPECT_EQ(resizeFactorIndex(180), 89);
  EXPECT_EQ(resizeFactorIndex(182), -1);
  EXPECT_EQ(resizeFactorIndex(1), -1) << "below the first entry";
  EXPECT_EQ(resizeFactorIndex(-4), -1);
}

}  // namespace
}  // namespace facetry
