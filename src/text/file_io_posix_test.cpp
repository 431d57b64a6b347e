#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

// A folder, an empty FIFO, a line break in the name, /dev/full and a FIFO as the output are
// the bad-input script's; here what it can't reach.
TEST(FileIoPosix, DevicesAreNoSourcesAndAPipeNeverMakesAReadWait) {
  FileLines lines;
  EXPECT_EQ(nullptr, openForReading("/dev/zero"));
  EXPECT_FALSE(readAllLines("/dev/urandom", &lines));
  // From a pipe whose writer stays but sends nothing more, what is there is read, then it ends.
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

TEST(FileIoPosix, UnitsAboveLatin1VanishFromUtf16Lines) {
  ScratchDir dir;
  File* file = openForReading(dir.write("le", std::string("\xFF\xFE" "a\0\xAC\x20" "\xE9\0\n\0", 10)));
  ASSERT_NE(nullptr, file);
  EXPECT_EQ("a\xE9", readLine(file, detectTextFormat(file)));
  EXPECT_TRUE(atEndOfFile(file));
  closeFile(file);
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
  const auto entries = std::filesystem::directory_iterator(dir.path());
  EXPECT_EQ(2, std::distance(begin(entries), end(entries)));
}
