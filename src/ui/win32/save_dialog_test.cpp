#include "ui/win32/save_dialog.h"

#include <gtest/gtest.h>

TEST(SaveDialogWin32, TheDefaultPathSplitsAtTheLastBackslashAndRefusedNamesAreDropped) {
  const auto start = [](const std::string& path) {  // the folder and file name it starts with
    const SaveLocation location = initialSaveLocation(path);
    return location.folder + "|" + location.fileName;
  };
  const std::pair<std::string, const char*> cases[] = {
      {"C:\\work\\src\\", "C:\\work\\src|"}, {"C:\\work\\lib.pb", "C:\\work|lib.pb"},
      {"C:/work/src/", "|"},  // only a backslash splits, and that name is refused
      {"", "|"}, {"\\name.pb", "|"},  // a backslash in the first place is no split
      {"name.pb", "|name.pb"}, {"D:\\out\\x y\xE9.pb", "D:\\out|x y\xE9.pb"}};
  for (const auto& [path, expected] : cases) EXPECT_EQ(expected, start(path)) << path;
  for (const char* name : {"a\"b", "a*b", "a:b", "a<b", "a>b", "a?b", "a|b", "a\tb", "a\x1f"})
    EXPECT_EQ("D:\\out|", start(std::string("D:\\out\\") + name)) << name;
}

TEST(SaveDialogWin32, FilterTextSeparatesFieldsWithZeroBytes) {
  const auto bytes = [](const std::string& list) {
    const std::vector<char> buffer = saveFilterBuffer(list);
    return std::string(buffer.begin(), buffer.end());
  };
  EXPECT_EQ(std::string("PureBasic File (*.pb)\0*.pb\0All files\0*.*\0\0", 42),
            bytes("PureBasic File (*.pb)|*.pb|All files|*.*"));
  // Patterns pass unchanged, ";" included; an empty list is just the two terminating zeros.
  EXPECT_EQ(std::string("Sources\0*.pb;*.pbi\0\0", 20), bytes("Sources|*.pb;*.pbi"));
  EXPECT_EQ(std::string("\0\0", 2), bytes(""));
}
