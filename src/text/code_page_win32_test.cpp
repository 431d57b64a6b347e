#include <windows.h>

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "text/text_ops.h"

TEST(CodePageWin32, LowerCaseFollowsTheAnsiCodePage) {
  EXPECT_EQ("proceduredll [x]", lowerCase("ProcedureDLL [X]"));
  if (GetACP() != 1252) GTEST_SKIP() << "needs the ANSI code page 1252, have " << GetACP();
  // Latin capitals above 127 lower, and so do 1252's own capitals at 0x8A, 0x8C and 0x8E;
  // the multiplication sign and the lower-case letters stay.
  EXPECT_EQ("\xE0\xE9\xFE\x9A\x9C\x9E\xD7\xDF\xFF", lowerCase("\xC0\xC9\xDE\x8A\x8C\x8E\xD7\xDF\xFF"));
}

TEST(CodePageWin32, EightBitTextIsTheAnsiCodePageBothWays) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs the ANSI code page 1252, have " << GetACP();
  // 0x80 is the euro sign in 1252; 0x81 has no character there and still comes back as it was.
  const std::string ansi("caf\xE9 \x80\x81", 7);
  const std::string utf8 = eightBitToUtf8(ansi);
  EXPECT_EQ(0u, utf8.find("caf\xC3\xA9 \xE2\x82\xAC"));
  std::string bytes;
  EXPECT_TRUE(utf8ToEightBit(utf8, &bytes));
  EXPECT_EQ(ansi, bytes);
  // U+0101 has no byte in 1252: it is not passed off as "a"; U+4E2D has none either.
  EXPECT_FALSE(utf8ToEightBit("\xC4\x81", &bytes));
  EXPECT_FALSE(utf8ToEightBit("\xE4\xB8\xAD", &bytes));
}
