#include "text/file_io.h"

#include <gtest/gtest.h>

#include "test_support.h"

TEST(FileIo, MarksChooseTheFormatAndEveryLineEndCountsOnce) {
  ScratchDir dir;
  const std::string longLine(10000, 'x');
  // The bytes, then the format number and each line followed by "|".
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\nb", "8:a|b|"}, {"a\rb\n\n", "8:a|b||"}, {"", "8:"}, {"\n", "8:|"}, {"x\r\r", "8:x||"},
      {"\r", "8:|"}, {std::string("a\0b\0", 4), "8:ab|"},  // NUL bytes vanish
      {longLine + "\ny", "8:" + longLine + "|y|"},
      // CR is the buffer's last byte and its LF the first byte of the next fill.
      {std::string(4095, 'a') + "\r\nb", "8:" + std::string(4095, 'a') + "|b|"},
      // Lines come as UTF-8: a UTF-8 file's as they are (malformed bytes are utf8_decode's), an
      // 8-bit file's converted (0xE9 is "\xC3\xA9" in Latin-1 and in code page 1252 alike).
      {"\xEF\xBB\xBF" "caf\xC3\xA9\n\xC3\xBF\xE2\x82\xAC\xC3",
       "2:caf\xC3\xA9|\xC3\xBF\xE2\x82\xAC|"},
      {"caf\xE9\r\n" + std::string(20, 'a') + "\xE9",
       "8:caf\xC3\xA9|" + std::string(20, 'a') + "\xC3\xA9|"},
      {"\xFE\xFF" "ab", "4:ab|"}, {std::string("\0\0\xFE\xFF" "x", 5), "6:x|"},
      {"\xEF\xBB" "x", "8:\xC3\xAF\xC2\xBB" "x|"},
      // FF FE 00 00 is little-endian UTF-16 with two bytes skipped; UTF-16 ends on any byte
      // count, a lone byte after the last unit being dropped.
      {std::string("\xFF\xFE\0\0", 4), "9:|"},
      {std::string("\xFF\xFE" "a\0\r\0\n\0b\0\r\0c\0", 14), "9:a|b|c|"},
      {std::string("\xFF\xFE" "a\0z", 5), "9:a|"}, {std::string("\xFF\xFE" "a\0\n\0z", 7), "9:a|"},
      {std::string("\xFF\xFE" "z", 3), "9:|"},
      // UTF-16: U+00E9, U+0416, a surrogate pair (U+1F600), and lone surrogates, which vanish.
      {std::string("\xFF\xFE\xE9\0\x16\x04\x3D\xD8\x00\xDE\x00\xDC" "a\0\x3D\xD8", 16),
       "9:\xC3\xA9\xD0\x96\xF0\x9F\x98\x80" "a|"}};
  int n = 0;
  for (const auto& [bytes, lines] : cases)
    EXPECT_EQ(lines, readTextLines(dir.write(std::to_string(n++), bytes))) << bytes;
  EXPECT_EQ("<none>", readTextLines(dir.path() + "nothing-here"));
}

TEST(FileIo, EveryByteOfAFileCountsTowardItsLimit) {
  ScratchDir dir;
  // NUL bytes and line ends count though they leave nothing in the lines; so do the units of
  // UTF-16, and a line is cut short by the limit.
  const std::pair<std::string, uint64_t> cases[] = {
      {std::string(9000, '\0'), 8999}, {std::string(9000, '\n'), 8999},
      {"\xFF\xFE" + std::string(9000, '\0'), 9001}, {std::string(9000, 'x'), 8999}};
  for (const auto& [bytes, limit] : cases) {
    const std::string path = dir.write("f", bytes);
    FileLines over, fits;
    ASSERT_TRUE(readAllLines(path, &over, limit) && readAllLines(path, &fits, limit + 1));
    EXPECT_TRUE(over.tooLarge && !fits.tooLarge) << limit;
  }
  std::string err;
  FileLines none;
  EXPECT_FALSE(readAllLines(dir.path() + "none", &none, UINT64_MAX, &err));
  EXPECT_FALSE(err.empty());  // the system's reason, in its words
}

TEST(FileIo, IdentityTellsTwoSpellingsOfOneFileApart) {
  ScratchDir dir;
  const FileIdentity direct = fileIdentity(dir.write("sub/a.pb", "x"));
  const FileIdentity detour = fileIdentity(dir.path() + "sub/../sub/a.pb");
  const FileIdentity other = fileIdentity(dir.write("b.pb", "x"));
  ASSERT_TRUE(direct.known && detour.known);
  EXPECT_FALSE(direct < detour || detour < direct);
  EXPECT_TRUE(direct < other || other < direct);
  EXPECT_FALSE(fileIdentity(dir.path() + "none").known);
}
