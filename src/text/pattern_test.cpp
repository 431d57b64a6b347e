#include "text/pattern.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// Every match the pattern alone finds, separated by "|".
std::string walk(const char* patternText, const std::string& text) {
  Pattern* pattern = compilePattern(patternText);
  std::string all;
  for (const std::string& match : matchesOf(pattern, text)) all += match + "|";
  freePattern(pattern);
  return all;
}

}  // namespace

TEST(Pattern, MatchesAnywhereUnlessThePatternAnchors) {
  // A pattern, a text, and whether it matches.
  const std::tuple<const char*, std::string, bool> cases[] = {
      {"^;.+$", "; note", true}, {"^;.+$", " ; note", false}, {"^;.+$", ";", false},
      {"^([*]?\\w+)|(\\w+[$]?)$", "-word", true}, {"^([*]?\\w+)|(\\w+[$]?)$", "-", false},
      {"^\\\".*\\\"$", "\"a\nb\"", false}, {"^\\\".*\\\"$", "\"a\rb\"", true},
      {"\\w", "\xE9", false},  // bytes above 127 are never letters
      // A search too deep for the native code's stack is made again without it.
      {"^(a|b)*c$", std::string(200000, 'a') + "c", true}};
  for (const auto& [patternText, text, matched] : cases) {
    Pattern* pattern = compilePattern(patternText);
    EXPECT_EQ(matched, patternMatches(pattern, text.c_str())) << patternText;
    freePattern(pattern);
  }
  // Bad patterns and unknown handles are no pattern.
  EXPECT_TRUE(compilePattern("(") == nullptr && compilePattern(nullptr) == nullptr);
  EXPECT_FALSE(patternMatches(nullptr, "("));
  Pattern* good = compilePattern("a");
  EXPECT_FALSE(patternMatches(good, nullptr));
  freePattern(good);
  // A released handle no longer counts, and releasing it twice is harmless.
  EXPECT_FALSE(patternMatches(good, "a"));
  freePattern(good);
}

TEST(Pattern, TheWalkResumesBehindTheFirstOccurrenceOfTheMatchText) {
  // The empty match in front of "a" ends the walk: the later "x" is never reached. "^a" sees
  // each rest as a new subject. "b" is looked for from the start of the rest, so the "b" before
  // it is consumed first and the same match is found again.
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"[a-z]+", "one, two; three", "one|two|three|"}, {"[a-z]+", std::string("ab\0cd", 5), "ab|"},
      {"[a-z]+", ",;. !", ""}, {"x*", "xxaxb", "xx||"}, {"^a", "aaab", "a|a|a|"},
      {"b(?=c)", "bbcbc", "b|b|b|"}};
  for (const auto& [patternText, text, matches] : cases)
    EXPECT_EQ(matches, walk(patternText, text)) << patternText << " " << text;
}
