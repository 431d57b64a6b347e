#include "text/text_ops.h"

#include <gtest/gtest.h>

TEST(TextOps, PositionsCountFromOneAndCutsStayInsideTheText) {
  // findText (text, wanted, start) = position.
  const std::tuple<const char*, const char*, int32_t, int32_t> finds[] = {
      {"abcabc", "c", 4, 6}, {"abcabc", "c", -5, 3}, {"abc", "c", 9, 0}, {"abc", "", 1, 0},
      {"", "a", 1, 0},       {"abc", "c", 3, 3},     {"abc", "cd", 3, 0}};
  for (const auto& [text, wanted, start, at] : finds)
    EXPECT_EQ(at, findText(text, wanted, start)) << text << " " << wanted << " " << start;
  EXPECT_EQ("cd", midText("abcdef", 3, 2));
  EXPECT_EQ("ab", midText("abc", 0, 2));
  EXPECT_EQ("", midText("abc", 4, 2));
  EXPECT_EQ("", midText("abc", 2, -1));
  EXPECT_EQ("bc", midText("abc", 2, 99));
  EXPECT_EQ("", leftText("abc", -1));
  EXPECT_EQ("", leftText("abc", 0));
  EXPECT_EQ("ab", leftText("abc", 2));
  EXPECT_EQ("abc", leftText("abc", 10));
}

TEST(TextOps, TrimReplaceDecimalAndLowering) {
  EXPECT_EQ("x\t", trimSpaces("  x\t "));
  EXPECT_EQ("", trimSpaces("   "));
  EXPECT_EQ("a b", trimSpaces(" a b "));
  EXPECT_EQ("\tx", trimSpaces("\tx"));
  // Replacing never rescans what it inserted.
  EXPECT_EQ("a, b, , c", replaceText("a,b,,c", ",", ", "));
  EXPECT_EQ("ba", replaceText("aaa", "aa", "b"));
  EXPECT_EQ("abc", replaceText("abc", "", "x"));
  EXPECT_EQ("aaaa", replaceText("aa", "a", "aa"));
  EXPECT_EQ("0", decimalText(0));
  EXPECT_EQ("-1", decimalText(-1));
  EXPECT_EQ("-9223372036854775808", decimalText(INT64_MIN));
  EXPECT_EQ("9223372036854775807", decimalText(INT64_MAX));
  EXPECT_EQ("proceduredll [x] 12_$#", lowerCase("ProcedureDLL [X] 12_$#"));
  EXPECT_EQ(2u, lowerCase(std::string("\xC9\x80", 2)).size());
  EXPECT_TRUE(lowerCaseEquals("EndMacro", "endmacro") && lowersTo("INCLUDEx", "include", 7));
  EXPECT_FALSE(lowerCaseEquals("EndMacros", "endmacro") || lowerCaseEquals("EndMacr", "endmacro") ||
               lowersTo("xINCLUDE", "include", 7));
  EXPECT_TRUE(textEquals("a", "a") && !textEquals("a", "A") && textEquals("", std::string()));
}
