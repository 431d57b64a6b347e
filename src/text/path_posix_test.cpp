#include "text/path.h"

#include <gtest/gtest.h>

#include "test_support.h"

TEST(PathPosix, SplitsAtTheLastSlashOnlyOutsideQuotes) {
  // A path, its folder part and its file name part; a backslash is an ordinary character here.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"src/main.pb", "src/", "main.pb"}, {"main.pb", "", "main.pb"}, {"/a/b/c.pbi", "/a/b/", "c.pbi"},
      {"dir/", "dir/", ""}, {"C:\\dir\\main.pb", "", "C:\\dir\\main.pb"}, {"a|b/c", "a|b/", "c"},
      {"\"dir/a.pb\"", "dir/", "a.pb"}, {"dir/a.pb\" trailing", "dir/", "a.pb"}, {"", "", ""}};
  for (const auto& [path, folder, name] : cases) {
    EXPECT_EQ(folder, folderPart(path)) << path;
    EXPECT_EQ(name, fileNamePart(path)) << path;
  }
  EXPECT_TRUE(isAbsolutePath("/a") && !isAbsolutePath("a/b") && !isAbsolutePath("C:\\a"));
}

TEST(PathPosix, BackslashesAndLetterCaseOfSourcesWrittenOnWindows) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("Include/Helpers.pbi", "");
  PathSpellings spellings;
  using Paths = std::vector<std::string>;
  EXPECT_EQ((Paths{d + "include/HELPERS.PBI", d + "Include/Helpers.pbi"}),
            spellings.of(d + "include\\HELPERS.PBI"));
  EXPECT_EQ(Paths{d + "Include/Helpers.pbi"}, spellings.of(d + "INCLUDE/helpers.pbi"));
  // Parts that exist as spelled are kept; a part with no entry at all gives no spelling.
  EXPECT_EQ(Paths{d + "Include/../Include/Helpers.pbi"},
            spellings.of(d + "Include/../include/helpers.pbi"));
  EXPECT_EQ(Paths{d + "Include/Gone.pbi"}, spellings.of(d + "Include\\Gone.pbi"));
  EXPECT_TRUE(spellings.of(d + "Include/Helpers.pbi").empty());
}
