#include "text/text_ops.h"

#include <gtest/gtest.h>

TEST(TextOps, FindTextCountsFromOneAndClampsItsStart) {
  EXPECT_EQ(6, findText("abcabc", "c", 4));
  EXPECT_EQ(3, findText("abcabc", "c", -5));
  EXPECT_EQ(0, findText("abc", "c", 9));
  EXPECT_EQ(0, findText("abc", "", 1));
  EXPECT_EQ(0, findText("", "a", 1));
  EXPECT_EQ(3, findText("abc", "c", 3));
  EXPECT_EQ(0, findText("abc", "cd", 3));
}

TEST(TextOps, MidAndLeftCutWithoutRunningPastTheEnd) {
  EXPECT_EQ("cd", midText("abcdef", 3, 2));
  EXPECT_EQ("ab", midText("abc", 0, 2));
  EXPECT_EQ("", midText("abc", 4, 2));
  EXPECT_EQ("", midText("abc", 2, -1));
  EXPECT_EQ("bc", midText("abc", 2, 99));
  EXPECT_EQ("", leftText("abc", -1));
  EXPECT_EQ("ab", leftText("abc", 2));
  EXPECT_EQ("abc", leftText("abc", 10));
}

TEST(TextOps, TrimSpacesRemovesOnlyTheSpaceCharacter) {
  EXPECT_EQ("x\t", trimSpaces("  x\t "));
  EXPECT_EQ("", trimSpaces("   "));
  EXPECT_EQ("a b", trimSpaces(" a b "));
  EXPECT_EQ("\tx", trimSpaces("\tx"));
}

TEST(TextOps, ReplaceTextNeverRescansWhatItInserted) {
  EXPECT_EQ("a, b, , c", replaceText("a,b,,c", ",", ", "));
  EXPECT_EQ("ba", replaceText("aaa", "aa", "b"));
  EXPECT_EQ("abc", replaceText("abc", "", "x"));
  EXPECT_EQ("aaaa", replaceText("aa", "a", "aa"));
}

TEST(TextOps, DecimalTextCoversTheWholeRange) {
  EXPECT_EQ("0", decimalText(0));
  EXPECT_EQ("-2147483648", decimalText(-2147483648LL));
  EXPECT_EQ("-9223372036854775808", decimalText(INT64_MIN));
  EXPECT_EQ("9223372036854775807", decimalText(INT64_MAX));
  EXPECT_EQ("-1", decimalText(-1));
  EXPECT_EQ("100", decimalText(100));
}

TEST(TextOps, LowerCaseKeepsLengthAndLowersAsciiLetters) {
  EXPECT_EQ("proceduredll 12_$#", lowerCase("ProcedureDLL 12_$#"));
  const std::string high("\xC9\x80", 2);
  EXPECT_EQ(2u, lowerCase(high).size());
  EXPECT_TRUE(textEquals("a", "a"));
  EXPECT_FALSE(textEquals("a", "A"));
  EXPECT_TRUE(textEquals("", std::string()));
}
