#include <windows.h>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

namespace {

bool writeAll(const std::string& path, const std::string& text) {
  File* file = createFile(path);
  if (file == nullptr) return false;
  writeText(file, text);
  return closeFile(file);
}

}  // namespace

TEST(FileIoWin32, ADirectoryDoesNotOpen) {
  ScratchDir dir;
  EXPECT_EQ(nullptr, openForReading(dir.path()));
  EXPECT_EQ(nullptr, openForReading(dir.path() + "missing.pb"));
  EXPECT_EQ(nullptr, createFile(dir.path()));
}

TEST(FileIoWin32, CreatingEmptiesAnExistingFile) {
  ScratchDir dir;
  const std::string path = dir.write("out.pb", std::string(5000, 'x'));
  ASSERT_TRUE(writeAll(path, "Import \"\"\r\n"));
  EXPECT_EQ("Import \"\"\r\n", readFileBytes(path));

  // Another reader that shares writing but not reading refuses our read access; the file is
  // emptied and written through write access alone.
  const std::string held = dir.write("held.pb", "old contents");
  HANDLE reader = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  const bool written = writeAll(held, "new");
  CloseHandle(reader);
  ASSERT_TRUE(written);
  EXPECT_EQ("new", readFileBytes(held));

  // A file that is open for writing elsewhere can't be shared.
  const std::string busy = dir.write("busy.pb", "busy");
  HANDLE other = CreateFileA(busy.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, other);
  EXPECT_EQ(nullptr, createFile(busy));
  EXPECT_EQ(nullptr, openForReading(busy));
  CloseHandle(other);
  EXPECT_EQ("busy", readFileBytes(busy));
}

TEST(FileIoWin32, ReadersShareAFileForReading) {
  ScratchDir dir;
  const std::string path = dir.write("shared.pb", "a\r\nb\n");
  File* first = openForReading(path);
  File* second = openForReading(path);
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ("a", readLine(first, detectTextFormat(first)));
  EXPECT_EQ("a", readLine(second, detectTextFormat(second)));
  closeFile(first);
  closeFile(second);
}

TEST(FileIoWin32, Utf16LinesGoThroughTheAnsiCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs the ANSI code page 1252, have " << GetACP();
  ScratchDir dir;
  // "a", U+00E9, U+20AC, U+4E2D, CR LF, "b": the euro sign has a byte in 1252, U+4E2D has none.
  const std::string text("\xFF\xFE" "a\0\xE9\0\xAC\x20\x2D\x4E\r\0\n\0b\0", 16);
  File* file = openForReading(dir.write("le.pb", text));
  ASSERT_NE(nullptr, file);
  const TextFormat format = detectTextFormat(file);
  ASSERT_EQ(TextFormat::Utf16LE, format);
  EXPECT_EQ("a\xE9\x80?", readLine(file, format));
  EXPECT_EQ("b", readLine(file, format));
  EXPECT_TRUE(atEndOfFile(file));
  closeFile(file);
}

TEST(FileIoWin32, AReplacementTakesThePlaceOfTheOldFileWhenClosed) {
  ScratchDir dir;
  const std::string path = dir.write("out.pbi", "old");
  File* file = createReplacement(path);
  ASSERT_NE(nullptr, file);
  writeText(file, "new");
  EXPECT_EQ("old", readFileBytes(path));
  EXPECT_TRUE(closeFile(file));
  EXPECT_EQ("new", readFileBytes(path));
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir.path() + "*").c_str(), &found);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  int files = 0;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++files;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_EQ(1, files);  // no temporary file is left
  // A device is written in place.
  File* device = createReplacement("NUL");
  ASSERT_NE(nullptr, device);
  writeText(device, "gone");
  EXPECT_TRUE(closeFile(device));
}

TEST(FileIoWin32, APipeEndsWhereAReadWouldWait) {
  const char name[] = "\\\\.\\pipe\\gantrell-file-io-test";
  HANDLE server = CreateNamedPipeA(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                   4096, 4096, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, server);
  File* file = openForReading(name);
  ASSERT_NE(nullptr, file);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(server, "a\nb", 3, &written, nullptr));
  // The writer stays and sends nothing more: what is there is read, then the file ends.
  EXPECT_EQ("a", readLine(file, TextFormat::PlainBytes));
  EXPECT_EQ("b", readLine(file, TextFormat::PlainBytes));
  EXPECT_TRUE(atEndOfFile(file));
  closeFile(file);
  CloseHandle(server);
}
