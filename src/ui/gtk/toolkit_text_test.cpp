#include "ui/gtk/toolkit_text.h"

#include <gtest/gtest.h>

TEST(ToolkitText, ConvertsIso885915ToUtf8) {
  EXPECT_EQ("", toToolkitText(nullptr));
  EXPECT_EQ("", toToolkitText(""));
  EXPECT_EQ("Found: Add\r\n\t", toToolkitText("Found: Add\r\n\t"));
  // 0xA4 is the euro sign in ISO-8859-15, not Latin-1's currency sign (C2 A4).
  EXPECT_EQ("\xE2\x82\xAC", toToolkitText("\xA4"));
  // 0xA6 and 0xBD differ from Latin-1 as well; 0xE9 and 0xFF do not.
  EXPECT_EQ("\xC5\xA0|\xC5\x93", toToolkitText("\xA6|\xBD"));
  EXPECT_EQ("caf\xC3\xA9 \xC3\xBF", toToolkitText("caf\xE9 \xFF"));
}

TEST(ToolkitText, StopsAtTheTerminatingZero) {
  const char text[] = "ab\0cd";
  EXPECT_EQ("ab", toToolkitText(text));
}
