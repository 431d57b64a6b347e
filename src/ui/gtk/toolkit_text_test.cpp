#include "ui/gtk/toolkit_text.h"

#include <gtest/gtest.h>

TEST(ToolkitText, KeepsUtf8AndConvertsIso885915ToUtf8) {
  EXPECT_EQ("", toToolkitText(nullptr));
  EXPECT_EQ("Found: Add\r\n\t", toToolkitText("Found: Add\r\n\t"));
  // 0xA4 is the euro sign in ISO-8859-15, not Latin-1's currency sign (C2 A4); 0xA6 and 0xBD
  // differ from Latin-1 as well; 0xE9 and 0xFF do not.
  EXPECT_EQ("\xE2\x82\xAC|\xC5\xA0|\xC5\x93|caf\xC3\xA9 \xC3\xBF",
            toToolkitText("\xA4|\xA6|\xBD|caf\xE9 \xFF"));
  // UTF-8, as every text of a scan is now, is not converted a second time.
  EXPECT_EQ("Found: caf\xC3\xA9 \xD0\x96", toToolkitText("Found: caf\xC3\xA9 \xD0\x96"));
}
