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
  std::vector<std::string> lines;
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
