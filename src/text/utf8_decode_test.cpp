#include "text/utf8_decode.h"

#include <gtest/gtest.h>

TEST(Utf8Decode, OneBytePerCharacterQuestionMarksAboveLatin1AndNoReadPastTheText) {
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "plain"}, {"\xC3\xA9", "\xE9"}, {"\xC3\xBF", "\xFF"},  // U+00E9, U+00FF
      {"\xC4\x80", "?"}, {"\xE2\x82\xAC", "?"}, {"a\xF0\x9F\x98\x80" "b", "a?b"},
      // Malformed: a pair broken by an ASCII byte, leads cut short, a stray continuation, F8-FF,
      // an overlong NUL (dropped like a NUL byte), and a lead that takes what continues.
      {"\xC3" "A", "?A"}, {"\xC3", ""}, {"\xE2\x82", ""}, {"\x80x", "x"}, {"\xF8\xFF\xFE", ""},
      {"\xE2\x82z", "?z"}, {"a\xC0\x80" "b", "ab"}, {"\xE2\x41\x41", "?AA"},
      // Long ASCII runs around characters: what follows a decoded one moves up.
      {"0123456789abcdef\xC3\xA9xyz", "0123456789abcdef\xE9xyz"},
      {"ab\xC3\xA9" "cdefghijklmnopq\xC3\xA9r", "ab\xE9" "cdefghijklmnopq\xE9r"}};
  for (const auto& [utf8, bytes] : cases) EXPECT_EQ(bytes, decodeUtf8ToBytes(utf8)) << utf8;
}
