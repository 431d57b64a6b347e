#include "text/path.h"

#include <gtest/gtest.h>

TEST(PathWin32, BackslashAndSlashBothSeparateFolders) {
  EXPECT_EQ("C:\\dir\\", folderPart("C:\\dir\\main.pb"));
  EXPECT_EQ("main.pb", fileNamePart("C:\\dir\\main.pb"));
  EXPECT_EQ("src/", folderPart("src/main.pb"));
  EXPECT_EQ("main.pb", fileNamePart("src/main.pb"));
  EXPECT_EQ("C:\\a/b\\", folderPart("C:\\a/b\\c.pbi"));
  EXPECT_EQ("c.pbi", fileNamePart("C:\\a/b\\c.pbi"));
  EXPECT_EQ("C:\\dir\\", folderPart("C:\\dir\\"));
  EXPECT_EQ("", fileNamePart("C:\\dir\\"));
  EXPECT_EQ("", folderPart("main.pb"));
  EXPECT_EQ("main.pb", fileNamePart("main.pb"));
  // A drive letter alone is no folder separator.
  EXPECT_EQ("", folderPart("C:main.pb"));
}

TEST(PathWin32, FolderPartIgnoresSeparatorsAfterABar) {
  EXPECT_EQ("C:\\", folderPart("C:\\dir|x\\y.pb"));
  EXPECT_EQ("", folderPart("a|b\\c.pb"));
  EXPECT_EQ("", folderPart("|\\"));
  // The file name still starts after the very last separator.
  EXPECT_EQ("y.pb", fileNamePart("C:\\dir|x\\y.pb"));
}

TEST(PathWin32, QuotesAroundAPathAreNotPartOfIt) {
  EXPECT_EQ("C:\\my dir\\", folderPart("\"C:\\my dir\\a.pb\""));
  EXPECT_EQ("a.pb", fileNamePart("\"C:\\my dir\\a.pb\""));
  EXPECT_EQ("a.pb", fileNamePart("C:\\dir\\a.pb\" -x"));
}
