#include "text/path.h"

#include <gtest/gtest.h>

// Backslashes and letter case of sources written on Windows are the corpus's windows_project.
TEST(PathPosix, SplitsAtTheLastSlashOnlyOutsideQuotes) {
  // A path, its folder part and its file name part; a backslash is an ordinary character here.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"src/main.pb", "src/", "main.pb"}, {"main.pb", "", "main.pb"}, {"/a/b/c.pbi", "/a/b/", "c.pbi"},
      {"dir/", "dir/", ""}, {"C:\\dir\\main.pb", "", "C:\\dir\\main.pb"}, {"a|b/c", "a|b/", "c"},
      {"\"dir/a.pb\"", "dir/", "a.pb"}, {"dir/a.pb\" trailing", "dir/", "a.pb"}, {"", "", ""}};
  for (const auto& [path, folder, name] : cases)
    EXPECT_EQ(std::string(folder) + "|" + name, folderPart(path) + "|" + fileNamePart(path))
        << path;
  EXPECT_TRUE(isAbsolutePath("/a") && !isAbsolutePath("a/b") && !isAbsolutePath("C:\\a"));
  // A relative folder gets the working folder in front of it.
  const std::string absolute = absoluteFolder("sub/");
  EXPECT_TRUE(absolute[0] == '/' && absolute.size() > 5 &&
              absolute.compare(absolute.size() - 5, 5, "/sub/") == 0)
      << absolute;
  EXPECT_EQ(absoluteFolder("/a/"), "/a/");
}
