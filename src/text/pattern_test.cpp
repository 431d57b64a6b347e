#include "text/pattern.h"

#include <gtest/gtest.h>

namespace {

bool matches(const char* patternText, const char* text) {
  Pattern* pattern = compilePattern(patternText);
  const bool matched = patternMatches(pattern, text);
  freePattern(pattern);
  return matched;
}

}  // namespace

TEST(Pattern, MatchesAnywhereUnlessThePatternAnchors) {
  EXPECT_TRUE(matches("^;.+$", "; note"));
  EXPECT_FALSE(matches("^;.+$", " ; note"));
  EXPECT_FALSE(matches("^;.+$", ";"));
  EXPECT_TRUE(matches("^([*]?\\w+)|(\\w+[$]?)$", "a.b"));
  EXPECT_TRUE(matches("^([*]?\\w+)|(\\w+[$]?)$", "-word"));
  EXPECT_FALSE(matches("^([*]?\\w+)|(\\w+[$]?)$", "-"));
  EXPECT_FALSE(matches("^\\\".*\\\"$", "\"a\nb\""));
  EXPECT_TRUE(matches("^\\\".*\\\"$", "\"a\rb\""));
  EXPECT_FALSE(matches("\\w", "\xE9"));  // bytes above 127 are never letters
}

TEST(Pattern, BadPatternsAndUnknownHandlesAreNoPattern) {
  Pattern* bad = compilePattern("(");
  EXPECT_EQ(nullptr, bad);
  EXPECT_FALSE(patternMatches(bad, "("));
  EXPECT_EQ(nullptr, compilePattern(nullptr));
  Pattern* good = compilePattern("a");
  EXPECT_FALSE(patternMatches(good, nullptr));
  freePattern(good);
  // A released handle no longer counts, and releasing it twice is harmless.
  EXPECT_FALSE(patternMatches(good, "a"));
  freePattern(good);
  std::vector<std::string> kept{"x"};
  EXPECT_EQ(0, extractMatches(good, "aaa", &kept));
  EXPECT_EQ(std::vector<std::string>{"x"}, kept);
}

TEST(Pattern, ExtractMatchesWalksLeftToRight) {
  Pattern* words = compilePattern("[a-z]+");
  std::vector<std::string> found{""};
  EXPECT_EQ(3, extractMatches(words, "one, two; three", &found));
  EXPECT_EQ((std::vector<std::string>{"one", "two", "three"}), found);
  EXPECT_EQ(0, extractMatches(words, ",;. !", &found));
  EXPECT_EQ(3u, found.size());  // untouched without a match
  const char withNul[] = "ab\0cd";
  EXPECT_EQ(1, extractMatches(words, withNul, &found));
  EXPECT_EQ(std::vector<std::string>{"ab"}, found);
  freePattern(words);

  Pattern* maybe = compilePattern("x*");
  EXPECT_EQ(1, extractMatches(maybe, "abc", &found));
  EXPECT_EQ(std::vector<std::string>{""}, found);
  // The empty match in front of "a" ends the walk: the later "x" is never reached.
  EXPECT_EQ(2, extractMatches(maybe, "xxaxb", &found));
  EXPECT_EQ((std::vector<std::string>{"xx", ""}), found);
  freePattern(maybe);
}

TEST(Pattern, ResumesBehindTheFirstOccurrenceOfTheMatchText) {
  // "^a" sees each rest as a new subject, so it matches again after every consumed "a".
  Pattern* anchored = compilePattern("^a");
  std::vector<std::string> found;
  EXPECT_EQ(3, extractMatches(anchored, "aaab", &found));
  freePattern(anchored);
  // The match "b" is looked for from the start of the rest, so the "b" before it is consumed
  // first and the same match is found again.
  Pattern* late = compilePattern("b(?=c)");
  EXPECT_EQ(3, extractMatches(late, "bbcbc", &found));
  freePattern(late);
}
