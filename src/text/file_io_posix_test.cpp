#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <new>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"
#include "text/memory_budget.h"

// Devices, folders, an empty FIFO, a line break in the name, /dev/full and a FIFO as the output
// are the bad-input script's; here what it can't reach.
TEST(FileIoPosix, APipeNeverMakesAReadWait) {
  // From a pipe whose writer stays but sends nothing more, what is there is read, then it ends.
  int ends[2];
  ASSERT_TRUE(::pipe(ends) == 0 && ::write(ends[1], "a\nb", 3) == 3);
  EXPECT_EQ("8:a|b|", readTextLines("/proc/self/fd/" + std::to_string(ends[0])));
  ::close(ends[0]);
  ::close(ends[1]);
}

TEST(FileIoPosix, AReplacementKeepsModeLinkAndOldBytesOnFailure) {
  ScratchDir dir;
  const std::string target = dir.write("target.pbi", "old");
  const std::string link = dir.path() + "link.pbi";
  ASSERT_TRUE(::chmod(target.c_str(), 0640) == 0 && ::symlink("target.pbi", link.c_str()) == 0);
  File* file = createReplacement(link);
  ASSERT_NE(nullptr, file);
  const std::string big = "Import \"\"\r\n\t" + std::string(9000, 'z');  // more than a buffer
  writeText(file, big);
  EXPECT_EQ("old", readFileBytes(target));  // nothing changes before the close
  ASSERT_TRUE(closeFile(file));
  EXPECT_EQ(big, readFileBytes(target));
  struct stat info;
  EXPECT_TRUE(::lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
  EXPECT_TRUE(::stat(target.c_str(), &info) == 0 && (info.st_mode & 07777) == 0640);

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
  EXPECT_EQ(big, readFileBytes(target));
  const auto entries = std::filesystem::directory_iterator(dir.path());
  EXPECT_EQ(2, std::distance(begin(entries), end(entries)));
}

TEST(FileIoPosix, AFileReadToTheEndClosesAlsoWhenMemoryRunsOut) {
  ScratchDir dir;
  const std::string path = dir.write("big.pb", std::string(100000, 'x') + "\n");
  const auto openDescriptors = [] {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return std::distance(begin(entries), end(entries));
  };
  const auto before = openDescriptors();
  FileLines lines;
  setMemoryBudget(1000);  // the line's text outgrows it
  EXPECT_THROW(readAllLines(path, &lines), std::bad_alloc);
  setMemoryBudget(SIZE_MAX);
  EXPECT_EQ(before, openDescriptors());
}
