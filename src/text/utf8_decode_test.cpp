#include "text/utf8_decode.h"

#include <gtest/gtest.h>

TEST(Utf8Decode, WellFormedStaysMalformedAsBeforeAndNoReadPastTheText) {
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "plain"}, {"\xC3\xA9\xC4\x80\xE2\x82\xAC", "\xC3\xA9\xC4\x80\xE2\x82\xAC"},
      {"a\xF0\x9F\x98\x80" "b", "a\xF0\x9F\x98\x80" "b"},
      // Malformed: a pair broken by an ASCII byte, leads cut short, a stray continuation, F8-FF,
      // an overlong NUL (dropped like a NUL byte) and an overlong "A", overlong and surrogate
      // three-byte forms, a four-byte form above U+10FFFF, and a lead that takes what continues.
      {"\xC3" "A", "?A"}, {"\xC3", ""}, {"\xE2\x82", ""}, {"\x80x", "x"}, {"\xF8\xFF\xFE", ""},
      {"\xE2\x82z", "?z"}, {"a\xC0\x80" "b\xC1\x81", "abA"}, {"\xE2\x41\x41", "?AA"},
      {"\xE0\x80\xAFx", "?x"}, {"\xED\xA0\x80x", "?x"}, {"\xF4\x90\x80\x80x", "?x"},
      // Long ASCII runs around characters: what follows a cleaned byte moves up.
      {"0123456789abcdef\xC3xyz", "0123456789abcdef?xyz"},
      {"ab\xC3\xA9\x80" "cdefghijklmnopq\xC3\xA9r", "ab\xC3\xA9" "cdefghijklmnopq\xC3\xA9r"}};
  for (const auto& [bytes, clean] : cases) EXPECT_EQ(clean, cleanUtf8(bytes)) << bytes;
}

TEST(Utf8Decode, CharactersReadAndWrittenBack) {
  const std::string text = "a\xC3\xA9\xD0\x96\xE6\xA8\xA1\xF0\x9F\x98\x80\xE9";
  std::vector<uint32_t> read;
  for (size_t at = 0; at < text.size();) read.push_back(nextCodePoint(text, &at));
  // A byte that starts no character reads as its own value (0xE9 here).
  EXPECT_EQ((std::vector<uint32_t>{'a', 0xE9, 0x416, 0x6A21, 0x1F600, 0xE9}), read);
  std::string written;
  for (uint32_t c : read) appendUtf8(c, &written);
  EXPECT_EQ("a\xC3\xA9\xD0\x96\xE6\xA8\xA1\xF0\x9F\x98\x80\xC3\xA9", written);
  EXPECT_FALSE(holdsNonAscii("0123456789abcdefgh", 18));
  EXPECT_TRUE(holdsNonAscii("0123456789abcdefg\xC3", 18));
}
