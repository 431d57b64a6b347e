#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

TEST(FileIoPosix, ADirectoryOpensAndReadsAsAnEmptyFile) {
  ScratchDir dir;
  File* file = openForReading(dir.path());
  ASSERT_NE(nullptr, file);
  EXPECT_EQ(TextFormat::PlainBytes, detectTextFormat(file));
  EXPECT_TRUE(atEndOfFile(file));
  closeFile(file);
}

TEST(FileIoPosix, DevicesAreNoSourceFiles) {
  EXPECT_EQ(nullptr, openForReading("/dev/zero"));
  EXPECT_EQ(nullptr, openForReading("/dev/null"));
  FileLines lines;
  EXPECT_FALSE(readAllLines("/dev/urandom", &lines));
}

TEST(FileIoPosix, AFailedWriteIsReported) {
  File* file = createFile("/dev/full");
  ASSERT_NE(nullptr, file);
  writeText(file, std::string(10000, 'x'));
  EXPECT_FALSE(closeFile(file));
  // Bytes that only reach the device at the close are checked too.
  File* small = createFile("/dev/full");
  ASSERT_NE(nullptr, small);
  EXPECT_TRUE(writeText(small, "short"));
  EXPECT_FALSE(closeFile(small));
}

TEST(FileIoPosix, UnitsAboveLatin1VanishFromUtf16Lines) {
  ScratchDir dir;
  const std::string text("\xFF\xFE" "a\0\xAC\x20" "\xE9\0\n\0", 10);
  File* file = openForReading(dir.write("le", text));
  ASSERT_NE(nullptr, file);
  const TextFormat format = detectTextFormat(file);
  EXPECT_EQ("a\xE9", readLine(file, format));
  EXPECT_TRUE(atEndOfFile(file));
  closeFile(file);
}

TEST(FileIoPosix, PipesNeverMakeAReadWait) {
  ScratchDir dir;
  const std::string fifo = dir.path() + "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  // Nobody writes: the open does not wait, and the FIFO reads as an empty file.
  FileLines lines;
  EXPECT_TRUE(readAllLines(fifo, &lines));
  EXPECT_EQ(0u, lines.count());
  // A writer that stays but sends nothing more: what is there is read, then it ends.
  int ends[2];
  ASSERT_EQ(0, ::pipe(ends));
  ASSERT_EQ(3, ::write(ends[1], "a\nb", 3));
  EXPECT_TRUE(readAllLines("/proc/self/fd/" + std::to_string(ends[0]), &lines));
  ASSERT_EQ(2u, lines.count());
  EXPECT_EQ("a", lines.line(0));
  EXPECT_EQ("b", lines.line(1));
  ::close(ends[0]);
  ::close(ends[1]);
}

TEST(FileIoPosix, ALineBreakInAPathNamesNoFile) {
  ScratchDir dir;
  for (const char* name : {"a\nb", "a\rb"}) {
    dir.write(name, "x\n");
    std::string err;
    EXPECT_EQ(nullptr, openForReading(dir.path() + name, &err)) << name;
    EXPECT_EQ("Line break in the file name", err);
  }
}

TEST(FileIoPosix, AReplacementKeepsModeLinkAndOldBytesOnFailure) {
  ScratchDir dir;
  const std::string target = dir.write("target.pbi", "old");
  ASSERT_EQ(0, ::chmod(target.c_str(), 0640));
  const std::string link = dir.path() + "link.pbi";
  ASSERT_EQ(0, ::symlink("target.pbi", link.c_str()));
  File* file = createReplacement(link);
  ASSERT_NE(nullptr, file);
  writeText(file, "new");
  EXPECT_EQ("old", readFileBytes(target));  // nothing changes before the close
  ASSERT_TRUE(closeFile(file));
  EXPECT_EQ("new", readFileBytes(target));
  struct stat info;
  ASSERT_EQ(0, ::lstat(link.c_str(), &info));
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ASSERT_EQ(0, ::stat(target.c_str(), &info));
  EXPECT_EQ(0640u, info.st_mode & 07777);

  // A write that fails half-way (here the file-size limit, as a full disk would) leaves the old
  // file as it was and no temporary file behind.
  struct rlimit old;
  ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &old));
  struct rlimit small = old;
  small.rlim_cur = 5000;
  void (*oldHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &small));
  file = createReplacement(target);
  ASSERT_NE(nullptr, file);
  writeText(file, std::string(20000, 'x'));
  std::string err;
  EXPECT_FALSE(closeFile(file, &err));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(std::strerror(EFBIG), err);
  EXPECT_EQ("new", readFileBytes(target));
  size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(2u, entries);

  // A FIFO is written directly, not replaced.
  const std::string fifo = dir.path() + "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  file = createReplacement(fifo);
  ASSERT_NE(nullptr, file);
  writeText(file, "through");
  EXPECT_TRUE(closeFile(file));
  char got[16] = {};
  EXPECT_EQ(7, ::read(reader, got, sizeof got));
  EXPECT_STREQ("through", got);
  ::close(reader);
}
