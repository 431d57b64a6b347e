#include "text/utf8_decode.h"

#include <gtest/gtest.h>

TEST(Utf8Decode, OneBytePerCharacterAndQuestionMarksAboveLatin1) {
  EXPECT_EQ("\xE9", decodeUtf8ToBytes("\xC3\xA9"));          // e acute
  EXPECT_EQ("?", decodeUtf8ToBytes("\xE2\x82\xAC"));         // euro sign
  EXPECT_EQ("a?b", decodeUtf8ToBytes("a\xF0\x9F\x98\x80" "b"));  // four-byte character
  EXPECT_EQ("?", decodeUtf8ToBytes("\xC4\x80"));             // U+0100
  EXPECT_EQ("plain", decodeUtf8ToBytes("plain"));
}

TEST(Utf8Decode, MalformedSequencesEndWithoutReadingPastTheText) {
  EXPECT_EQ("?A", decodeUtf8ToBytes("\xC3" "A"));  // pair broken by an ASCII byte
  EXPECT_EQ("", decodeUtf8ToBytes("\xC3"));         // lead byte cut short
  EXPECT_EQ("", decodeUtf8ToBytes("\xE2\x82"));     // three-byte lead without room
  EXPECT_EQ("x", decodeUtf8ToBytes("\x80x"));       // stray continuation
  EXPECT_EQ("", decodeUtf8ToBytes("\xF8\xFF\xFE"));
  EXPECT_EQ("?z", decodeUtf8ToBytes("\xE2\x82z"));
  EXPECT_EQ("ab", decodeUtf8ToBytes("a\xC0\x80" "b"));  // an overlong NUL  // lead takes what continues, then stops
  EXPECT_EQ("?AA", decodeUtf8ToBytes("\xE2\x41\x41"));
}
