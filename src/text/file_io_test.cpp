#include "text/file_io.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// The lines of a file and the text format its mark announced.
struct ReadBack {
  TextFormat format = TextFormat::PlainBytes;
  std::vector<std::string> lines;
};

ReadBack readBack(const std::string& path) {
  ReadBack result;
  File* file = openForReading(path);
  if (file == nullptr) return result;
  result.format = detectTextFormat(file);
  while (!atEndOfFile(file)) result.lines.push_back(readLine(file, result.format));
  closeFile(file);
  return result;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(FileIo, EveryLineEndCountsOnceAndNulBytesVanish) {
  ScratchDir dir;
  EXPECT_EQ((Lines{"a", "b"}), readBack(dir.write("crlf", "a\r\nb")).lines);
  EXPECT_EQ((Lines{"a", "b", ""}), readBack(dir.write("mixed", "a\rb\n\n")).lines);
  EXPECT_EQ(Lines{}, readBack(dir.write("empty", "")).lines);
  EXPECT_EQ(Lines{""}, readBack(dir.write("lf", "\n")).lines);
  EXPECT_EQ((Lines{"x", ""}), readBack(dir.write("lone-cr", "x\r\r")).lines);
  EXPECT_EQ(Lines{"ab"}, readBack(dir.write("nul-bytes", std::string("a\0b\0", 4))).lines);
  EXPECT_EQ(Lines{""}, readBack(dir.write("cr-end", "\r")).lines);
}

TEST(FileIo, LinesAndPairsSpanningTheBufferBoundary) {
  ScratchDir dir;
  const std::string longLine(10000, 'x');
  EXPECT_EQ((Lines{longLine, "y"}), readBack(dir.write("long", longLine + "\ny")).lines);
  // CR is the buffer's last byte and its LF the first byte of the next fill.
  const std::string first(4095, 'a');
  EXPECT_EQ((Lines{first, "b"}), readBack(dir.write("split", first + "\r\nb")).lines);
}

TEST(FileIo, MarksChooseTheFormatAndAreSkipped) {
  ScratchDir dir;
  ReadBack utf8 = readBack(dir.write("utf8", "\xEF\xBB\xBF" "caf\xC3\xA9\n\xE2\x82\xAC"));
  EXPECT_EQ(TextFormat::Utf8, utf8.format);
  EXPECT_EQ((Lines{"caf\xE9", "?"}), utf8.lines);

  ReadBack be = readBack(dir.write("be", "\xFE\xFF" "ab"));
  EXPECT_EQ(TextFormat::Utf16BE, be.format);
  EXPECT_EQ(Lines{"ab"}, be.lines);

  ReadBack be32 = readBack(dir.write("be32", std::string("\0\0\xFE\xFF" "x", 5)));
  EXPECT_EQ(TextFormat::Utf32BE, be32.format);
  EXPECT_EQ(Lines{"x"}, be32.lines);

  // FF FE 00 00 is little-endian UTF-16 with two bytes skipped.
  ReadBack le = readBack(dir.write("le32", std::string("\xFF\xFE\0\0", 4)));
  EXPECT_EQ(TextFormat::Utf16LE, le.format);
  EXPECT_EQ(Lines{""}, le.lines);

  ReadBack plain = readBack(dir.write("plain", "\xEF\xBB" "x"));
  EXPECT_EQ(TextFormat::PlainBytes, plain.format);
  EXPECT_EQ(Lines{"\xEF\xBB" "x"}, plain.lines);
}

TEST(FileIo, Utf16LittleEndianEndsOnAnyByteCount) {
  ScratchDir dir;
  const std::string text("\xFF\xFE" "a\0\r\0\n\0b\0\r\0c\0", 14);
  EXPECT_EQ((Lines{"a", "b", "c"}), readBack(dir.write("le", text)).lines);
  // A lone byte after the last unit can't form one and is dropped.
  EXPECT_EQ(Lines{"a"}, readBack(dir.write("odd", std::string("\xFF\xFE" "a\0z", 5))).lines);
  EXPECT_EQ((Lines{"a"}), readBack(dir.write("odd2", std::string("\xFF\xFE" "a\0\n\0z", 7))).lines);
  EXPECT_EQ(Lines{""}, readBack(dir.write("mark-and-byte", std::string("\xFF\xFE" "z", 3))).lines);
}

TEST(FileIo, CreateEmptiesAndWritesExactBytes) {
  ScratchDir dir;
  const std::string path = dir.write("out", "old content that is longer");
  File* file = createFile(path);
  ASSERT_NE(nullptr, file);
  const std::string big(9000, 'z');
  EXPECT_TRUE(writeText(file, "Import \"\"\r\n\t"));
  EXPECT_TRUE(writeText(file, ""));
  EXPECT_TRUE(writeText(file, big));
  EXPECT_TRUE(closeFile(file));
  EXPECT_EQ("Import \"\"\r\n\t" + big, readFileBytes(path));
  EXPECT_EQ(nullptr, createFile(dir.path() + "missing/out.pb"));
  EXPECT_EQ(nullptr, openForReading(dir.path() + "nothing-here"));
  EXPECT_TRUE(closeFile(nullptr));
}

TEST(FileIo, IdentityTellsTwoSpellingsOfOneFileApart) {
  ScratchDir dir;
  dir.write("sub/a.pb", "x");
  const FileIdentity direct = fileIdentity(dir.path() + "sub/a.pb");
  const FileIdentity detour = fileIdentity(dir.path() + "sub/../sub/a.pb");
  ASSERT_TRUE(direct.known);
  ASSERT_TRUE(detour.known);
  EXPECT_FALSE(direct < detour || detour < direct);
  dir.write("b.pb", "x");
  const FileIdentity other = fileIdentity(dir.path() + "b.pb");
  EXPECT_TRUE(direct < other || other < direct);
  EXPECT_FALSE(fileIdentity(dir.path() + "none").known);
}
