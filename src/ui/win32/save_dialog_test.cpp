#include "ui/win32/save_dialog.h"

#include <gtest/gtest.h>

namespace {

std::string bytes(const std::vector<char>& buffer) { return std::string(buffer.begin(), buffer.end()); }

// A literal with its embedded zero bytes, without the one the compiler adds.
template <size_t N>
std::string raw(const char (&text)[N]) {
  return std::string(text, N - 1);
}

}  // namespace

TEST(SaveDialogWin32, DefaultPathSplitsAtTheLastBackslash) {
  // A folder from folderPart: start inside it with an empty name field.
  SaveLocation folder = initialSaveLocation("C:\\work\\src\\");
  EXPECT_EQ("C:\\work\\src", folder.folder);
  EXPECT_EQ("", folder.fileName);

  SaveLocation file = initialSaveLocation("C:\\work\\lib.pb");
  EXPECT_EQ("C:\\work", file.folder);
  EXPECT_EQ("lib.pb", file.fileName);

  // Only a backslash splits: a path of slashes is all file name, and that name is refused.
  SaveLocation slashes = initialSaveLocation("C:/work/src/");
  EXPECT_EQ("", slashes.folder);
  EXPECT_EQ("", slashes.fileName);

  SaveLocation empty = initialSaveLocation("");
  EXPECT_EQ("", empty.folder);
  EXPECT_EQ("", empty.fileName);

  // A backslash in the first place does not count as a split.
  SaveLocation leading = initialSaveLocation("\\name.pb");
  EXPECT_EQ("", leading.folder);
  EXPECT_EQ("", leading.fileName);

  SaveLocation plain = initialSaveLocation("name.pb");
  EXPECT_EQ("", plain.folder);
  EXPECT_EQ("name.pb", plain.fileName);
}

TEST(SaveDialogWin32, NamesWindowsWouldRefuseAreDropped) {
  for (const char* name : {"a\"b", "a*b", "a:b", "a<b", "a>b", "a?b", "a|b", "a\tb", "a\x1f"}) {
    SaveLocation location = initialSaveLocation(std::string("D:\\out\\") + name);
    EXPECT_EQ("D:\\out", location.folder) << name;
    EXPECT_EQ("", location.fileName) << name;
  }
  EXPECT_EQ("x y\xE9.pb", initialSaveLocation("D:\\out\\x y\xE9.pb").fileName);
}

TEST(SaveDialogWin32, FilterTextSeparatesFieldsWithZeroBytes) {
  EXPECT_EQ(raw("PureBasic File (*.pb)\0*.pb\0All files\0*.*\0\0"),
            bytes(saveFilterBuffer("PureBasic File (*.pb)|*.pb|All files|*.*")));
  // Patterns pass unchanged, ";" included; an empty list is just the two terminating zeros.
  EXPECT_EQ(raw("Sources\0*.pb;*.pbi\0\0"),
            bytes(saveFilterBuffer("Sources|*.pb;*.pbi")));
  EXPECT_EQ(raw("\0\0"), bytes(saveFilterBuffer("")));
}
