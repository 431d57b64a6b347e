#include "text/text_ops.h"

#include <gtest/gtest.h>

TEST(TextOps, PositionsCountFromOneAndCutsStayInsideTheText) {
  // findText (text, wanted, start) = position.
  const std::tuple<const char*, const char*, int32_t, int32_t> finds[] = {
      {"abcabc", "c", 4, 6}, {"abcabc", "c", -5, 3}, {"abc", "c", 9, 0}, {"abc", "", 1, 0},
      {"", "a", 1, 0},       {"abc", "c", 3, 3},     {"abc", "cd", 3, 0}};
  for (const auto& [text, wanted, start, at] : finds)
    EXPECT_EQ(at, findText(text, wanted, start)) << text << " " << wanted << " " << start;
  // midText (text, start, length) = piece.
  const std::tuple<const char*, int32_t, int32_t, const char*> mids[] = {
      {"abcdef", 3, 2, "cd"}, {"abc", 0, 2, "ab"}, {"abc", 4, 2, ""}, {"abc", 2, -1, ""},
      {"abc", 2, 99, "bc"}};
  for (const auto& [text, start, length, piece] : mids)
    EXPECT_EQ(piece, midText(text, start, length)) << text << " " << start << " " << length;
  EXPECT_EQ("||ab|abc", leftText("abc", -1) + "|" + leftText("abc", 0) + "|" +
                            leftText("abc", 2) + "|" + leftText("abc", 10));
}

TEST(TextOps, TrimReplaceAndDecimal) {
  EXPECT_EQ("x\t||a b|\tx", trimSpaces("  x\t ") + "|" + trimSpaces("   ") + "|" +
                                trimSpaces(" a b ") + "|" + trimSpaces("\tx"));
  // Replacing never rescans what it inserted.
  EXPECT_EQ("a, b, , c", replaceText("a,b,,c", ",", ", "));
  EXPECT_EQ("ba", replaceText("aaa", "aa", "b"));
  EXPECT_EQ("abc", replaceText("abc", "", "x"));
  EXPECT_EQ("aaaa", replaceText("aa", "a", "aa"));
  EXPECT_EQ("0 -1 100 -2147483648 -9223372036854775808 9223372036854775807",
            decimalText(0) + " " + decimalText(-1) + " " + decimalText(100) + " " +
                decimalText(-2147483648LL) + " " + decimalText(INT64_MIN) + " " +
                decimalText(INT64_MAX));
}

TEST(TextOps, LoweringKeepsTheLengthAndComparesWhatItLowers) {
  EXPECT_EQ("proceduredll [x] 12_$#", lowerCase("ProcedureDLL [X] 12_$#"));
  EXPECT_EQ(2u, lowerCase(std::string("\xC9\x80", 2)).size());
  EXPECT_TRUE(lowerCaseEquals("EndMacro", "endmacro"));
  EXPECT_FALSE(lowerCaseEquals("EndMacros", "endmacro"));
  EXPECT_FALSE(lowerCaseEquals("EndMacr", "endmacro"));
  EXPECT_TRUE(lowersTo("INCLUDEx", "include", 7));
  EXPECT_FALSE(lowersTo("xINCLUDE", "include", 7));
  EXPECT_TRUE(textEquals("a", "a") && !textEquals("a", "A") && textEquals("", std::string()));
}
