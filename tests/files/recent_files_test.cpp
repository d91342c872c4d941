// Tests of the "Open recent" list in the configuration file.
#include <gtest/gtest.h>

#include "files/configuration.h"
#include "files/recent_files.h"
#include "scene/file_io.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::TempDir;

TEST(RecentFiles, NewestFirstWithoutDoublesAndAtMostEight) {
  std::vector<std::string> files;
  for (int i = 0; i < 10; ++i) addRecentFile(files, "m" + std::to_string(i) + ".fcy");
  addRecentFile(files, "m5.fcy");
  ASSERT_EQ(files.size(), 8u);
  EXPECT_EQ(files[0], "m5.fcy");
  EXPECT_EQ(files[1], "m9.fcy");
  EXPECT_EQ(std::count(files.begin(), files.end(), "m5.fcy"), 1);
}

TEST(RecentFiles, SitBehindTheFixedFieldsAndSurviveAWriteOfTheirOwn) {
  TempDir dir;
  Settings s;
  s.SearchDirectory = "/tmp";
  s.GridStep = 9;
  s.RecentFiles = {"/a/one.fcy", "/b/two.fcy"};
  writeConfiguration(s, dir.path().string());
  const std::string bytes = readWholeFile(dir.file("facetry.cfg"));
  // An older program reads the fixed fields, which are unchanged at the front.
  EXPECT_EQ(bytes.substr(0, configurationBytes(s).size()), configurationBytes(s));
  Settings back;
  ASSERT_TRUE(readConfiguration(back, dir.path().string()));
  EXPECT_EQ(back.GridStep, 9);
  EXPECT_EQ(back.RecentFiles, s.RecentFiles);

  // Saving the list alone keeps the stored settings, even when those in memory differ,
  // and keeps a block it does not know.
  std::string other = "XTRA";
  other += std::string("\x03\0\0\0abc", 7);
  {
    AtomicFileWriter out(dir.file("facetry.cfg"));
    const std::string with_other = bytes + other;
    out.write(with_other.data(), with_other.size());
    out.commit();
  }
  Settings changed = s;
  changed.GridStep = 2;
  changed.RecentFiles = {"/c/three.fcy"};
  saveRecentFiles(changed, dir.path().string());
  ASSERT_TRUE(readConfiguration(back, dir.path().string()));
  EXPECT_EQ(back.GridStep, 9);
  EXPECT_EQ(back.RecentFiles, changed.RecentFiles);
  EXPECT_NE(readWholeFile(dir.file("facetry.cfg")).find(other), std::string::npos);

  // A file of the fixed fields only has no recent files; a damaged tail gives what it can.
  EXPECT_TRUE(readRecentFilesBlock(configurationBytes(s), configurationBytes(s).size()).empty());
  const std::string block = recentFilesBlock({"/x.fcy", "/y.fcy"});
  EXPECT_TRUE(readRecentFilesBlock(block.substr(0, block.size() - 2), 0).empty());
}

}  // namespace
}  // namespace facetry
