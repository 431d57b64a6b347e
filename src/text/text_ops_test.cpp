#include "text/text_ops.h"

#include <gtest/gtest.h>

TEST(TextOps, PositionsCountFromOneAndCutsStayInsideTheText) {
  // findText (text, wanted, start) = position.
  const std::tuple<const char*, const char*, int32_t, int32_t> finds[] = {
      {"abcabc", "c", 4, 6}, {"abcabc", "c", -5, 3}, {"abc", "c", 9, 0}, {"abc", "", 1, 0},
      {"", "a", 1, 0},       {"abc", "c", 3, 3},     {"abc", "cd", 3, 0}};
  for (const auto& [text, wanted, start, at] : finds)
    EXPECT_EQ(at, findText(text, wanted, start)) << text << " " << wanted << " " << start;
  EXPECT_EQ("cd|ab|||bc|||ab|abc",
            midText("abcdef", 3, 2) + "|" + midText("abc", 0, 2) + "|" + midText("abc", 4, 2) +
                "|" + midText("abc", 2, -1) + "|" + midText("abc", 2, 99) + "|" +
                leftText("abc", -1) + "|" + leftText("abc", 0) + "|" + leftText("abc", 2) + "|" +
                leftText("abc", 10));
}

TEST(TextOps, TrimReplaceDecimalAndLowering) {
  EXPECT_EQ("x\t||a b|\tx", trimSpaces("  x\t ") + "|" + trimSpaces("   ") + "|" +
                                trimSpaces(" a b ") + "|" + trimSpaces("\tx"));
  // Replacing never rescans what it inserted.
  EXPECT_EQ("a, b, , c|ba|abc|aaaa", replaceText("a,b,,c", ",", ", ") + "|" +
                                         replaceText("aaa", "aa", "b") + "|" +
                                         replaceText("abc", "", "x") + "|" +
                                         replaceText("aa", "a", "aa"));
  EXPECT_EQ("0 -1 -9223372036854775808 9223372036854775807",
            decimalText(0) + " " + decimalText(-1) + " " + decimalText(INT64_MIN) + " " +
                decimalText(INT64_MAX));
  EXPECT_EQ("proceduredll [x] 12_$#", lowerCase("ProcedureDLL [X] 12_$#"));
  EXPECT_EQ(2u, lowerCase(std::string("\xC9\x80", 2)).size());
  EXPECT_TRUE(lowerCaseEquals("EndMacro", "endmacro") && lowersTo("INCLUDEx", "include", 7));
  EXPECT_FALSE(lowerCaseEquals("EndMacros", "endmacro") || lowerCaseEquals("EndMacr", "endmacro") ||
               lowersTo("xINCLUDE", "include", 7));
  EXPECT_TRUE(textEquals("a", "a") && !textEquals("a", "A") && textEquals("", std::string()));
}
