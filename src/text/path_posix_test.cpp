#include "text/path.h"

#include <gtest/gtest.h>

TEST(PathPosix, SplitsAtTheLastSlashOnly) {
  EXPECT_EQ("src/", folderPart("src/main.pb"));
  EXPECT_EQ("main.pb", fileNamePart("src/main.pb"));
  EXPECT_EQ("", folderPart("main.pb"));
  EXPECT_EQ("main.pb", fileNamePart("main.pb"));
  EXPECT_EQ("/a/b/", folderPart("/a/b/c.pbi"));
  EXPECT_EQ("", fileNamePart("dir/"));
  // A backslash is an ordinary character here.
  EXPECT_EQ("", folderPart("C:\\dir\\main.pb"));
  EXPECT_EQ("C:\\dir\\main.pb", fileNamePart("C:\\dir\\main.pb"));
  EXPECT_EQ("a|b/", folderPart("a|b/c"));
}

TEST(PathPosix, QuotesAroundAPathAreNotPartOfIt) {
  EXPECT_EQ("dir/", folderPart("\"dir/a.pb\""));
  EXPECT_EQ("a.pb", fileNamePart("\"dir/a.pb\""));
  EXPECT_EQ("a.pb", fileNamePart("dir/a.pb\" trailing"));
  EXPECT_EQ("", folderPart(""));
  EXPECT_EQ("", fileNamePart(""));
}
