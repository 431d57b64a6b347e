#include <windows.h>

#include <gtest/gtest.h>

#include "text/text_ops.h"

TEST(CodePageWin32, LowerCaseFollowsTheAnsiCodePage) {
  EXPECT_EQ("proceduredll [x]", lowerCase("ProcedureDLL [X]"));
  if (GetACP() != 1252) GTEST_SKIP() << "needs the ANSI code page 1252, have " << GetACP();
  // Latin capitals above 127 lower, and so do 1252's own capitals at 0x8A, 0x8C and 0x8E;
  // the multiplication sign and the lower-case letters stay.
  EXPECT_EQ("\xE0\xE9\xFE\x9A\x9C\x9E\xD7\xDF\xFF", lowerCase("\xC0\xC9\xDE\x8A\x8C\x8E\xD7\xDF\xFF"));
}
