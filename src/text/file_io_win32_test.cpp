#include <windows.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

TEST(FileIoWin32, ReadersShareAFileThatNoOneWritesElsewhere) {
  ScratchDir dir;
  EXPECT_EQ(nullptr, openForReading(dir.path()));  // a folder does not open
  const std::string path = dir.write("out.pb", "new");
  File* first = openForReading(path);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ("8:new|", readTextLines(path));
  closeFile(first);
  HANDLE other = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, other);
  EXPECT_EQ(nullptr, openForReading(path));
  CloseHandle(other);
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
  const auto entries = std::filesystem::directory_iterator(dir.path());
  EXPECT_EQ(1, std::distance(begin(entries), end(entries)));  // no temporary file is left
  File* device = createReplacement("NUL");  // a device is written in place
  EXPECT_TRUE(device != nullptr && writeText(device, "gone") && closeFile(device));

  // Ctrl+C or a closed console deletes the open temporary file, as here: the old file stays.
  file = createReplacement(path);
  ASSERT_NE(nullptr, file);
  writeText(file, "lost");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.path().filename() != "out.pbi") {
      EXPECT_TRUE(DeleteFileA(entry.path().string().c_str()));
    }
  }
  EXPECT_FALSE(closeFile(file));
  EXPECT_EQ("new", readFileBytes(path));
  const auto after = std::filesystem::directory_iterator(dir.path());
  EXPECT_EQ(1, std::distance(begin(after), end(after)));
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
  std::string lines;
  while (!atEndOfFile(file)) lines += readLine(file, TextFormat::PlainBytes) + "|";
  EXPECT_EQ("a|b|", lines);
  closeFile(file);
  CloseHandle(server);
}
