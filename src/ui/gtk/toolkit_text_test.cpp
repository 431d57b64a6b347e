#include "ui/gtk/toolkit_text.h"

#include <gtest/gtest.h>

TEST(ToolkitText, ConvertsIso885915ToUtf8) {
  EXPECT_EQ("", toToolkitText(nullptr));
  EXPECT_EQ("Found: Add\r\n\t", toToolkitText("Found: Add\r\n\t"));
  // 0xA4 is the euro sign in ISO-8859-15, not Latin-1's currency sign (C2 A4); 0xA6 and 0xBD
  // differ from Latin-1 as well; 0xE9 and 0xFF do not.
  EXPECT_EQ("\xE2\x82\xAC|\xC5\xA0|\xC5\x93|caf\xC3\xA9 \xC3\xBF",
            toToolkitText("\xA4|\xA6|\xBD|caf\xE9 \xFF"));
}
