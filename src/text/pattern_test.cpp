#include "text/pattern.h"

#include <gtest/gtest.h>

namespace {

bool matches(const char* patternText, const std::string& text) {
  Pattern* pattern = compilePattern(patternText);
  const bool matched = patternMatches(pattern, text.c_str());
  freePattern(pattern);
  return matched;
}

// Every match a cursor walks, separated by "|".
std::string walk(const char* patternText, const char* text) {
  Pattern* pattern = compilePattern(patternText);
  MatchCursor cursor(pattern, text);
  std::string all, match;
  while (cursor.next(&match)) all += match + "|";
  freePattern(pattern);
  return all;
}

}  // namespace

TEST(Pattern, MatchesAnywhereUnlessThePatternAnchors) {
  EXPECT_TRUE(matches("^;.+$", "; note"));
  EXPECT_FALSE(matches("^;.+$", " ; note"));
  EXPECT_FALSE(matches("^;.+$", ";"));
  EXPECT_TRUE(matches("^([*]?\\w+)|(\\w+[$]?)$", "-word"));
  EXPECT_FALSE(matches("^([*]?\\w+)|(\\w+[$]?)$", "-"));
  EXPECT_FALSE(matches("^\\\".*\\\"$", "\"a\nb\""));
  EXPECT_TRUE(matches("^\\\".*\\\"$", "\"a\rb\""));
  EXPECT_FALSE(matches("\\w", "\xE9"));  // bytes above 127 are never letters
  // A search too deep for the native code's stack is made again without it.
  EXPECT_TRUE(matches("^(a|b)*c$", std::string(200000, 'a') + "c"));
}

TEST(Pattern, BadPatternsAndUnknownHandlesAreNoPattern) {
  EXPECT_EQ(nullptr, compilePattern("("));
  EXPECT_EQ(nullptr, compilePattern(nullptr));
  EXPECT_FALSE(patternMatches(nullptr, "("));
  Pattern* good = compilePattern("a");
  EXPECT_FALSE(patternMatches(good, nullptr));
  freePattern(good);
  // A released handle no longer counts, and releasing it twice is harmless.
  EXPECT_FALSE(patternMatches(good, "a"));
  freePattern(good);
}

TEST(Pattern, TheWalkResumesBehindTheFirstOccurrenceOfTheMatchText) {
  EXPECT_EQ("one|two|three|", walk("[a-z]+", "one, two; three"));
  EXPECT_EQ("ab|", walk("[a-z]+", "ab\0cd"));
  EXPECT_EQ("", walk("[a-z]+", ",;. !"));
  // The empty match in front of "a" ends the walk: the later "x" is never reached.
  EXPECT_EQ("xx||", walk("x*", "xxaxb"));
  // "^a" sees each rest as a new subject, so it matches again after every consumed "a".
  EXPECT_EQ("a|a|a|", walk("^a", "aaab"));
  // The match "b" is looked for from the start of the rest, so the "b" before it is consumed
  // first and the same match is found again.
  EXPECT_EQ("b|b|b|", walk("b(?=c)", "bbcbc"));
}
