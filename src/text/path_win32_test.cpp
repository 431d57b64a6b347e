#include "text/path.h"

#include <gtest/gtest.h>

TEST(PathWin32, BackslashAndSlashSeparateFoldersUpToABarAndOutsideQuotes) {
  // A path, its folder part and its file name part.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"C:\\dir\\main.pb", "C:\\dir\\", "main.pb"}, {"src/main.pb", "src/", "main.pb"},
      {"C:\\a/b\\c.pbi", "C:\\a/b\\", "c.pbi"}, {"C:\\dir\\", "C:\\dir\\", ""},
      {"main.pb", "", "main.pb"}, {"C:main.pb", "", "C:main.pb"},  // a drive alone is no folder
      // Separators after a "|" don't count for the folder, but the name still starts after the last.
      {"C:\\dir|x\\y.pb", "C:\\", "y.pb"}, {"a|b\\c.pb", "", "c.pb"}, {"|\\", "", ""},
      {"\"C:\\my dir\\a.pb\"", "C:\\my dir\\", "a.pb"}, {"C:\\dir\\a.pb\" -x", "C:\\dir\\", "a.pb"}};
  for (const auto& [path, folder, name] : cases)
    EXPECT_EQ(std::string(folder) + "|" + name, folderPart(path) + "|" + fileNamePart(path))
        << path;
  EXPECT_TRUE(isAbsolutePath("C:\\a") && isAbsolutePath("\\\\host\\a") && isAbsolutePath("d:/a"));
  EXPECT_FALSE(isAbsolutePath("C:a") || isAbsolutePath("a\\b") || isAbsolutePath(""));
  // A relative folder gets the working folder in front of it.
  const std::string absolute = absoluteFolder("sub\\");
  EXPECT_TRUE(isAbsolutePath(absolute) && absolute.size() > 5 &&
              absolute.compare(absolute.size() - 5, 5, "\\sub\\") == 0)
      << absolute;
  EXPECT_EQ(absoluteFolder("C:\\a\\"), "C:\\a\\");
}
