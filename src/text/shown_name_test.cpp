#include "text/shown_name.h"

#include <gtest/gtest.h>

TEST(ShownName, ControlBytesAreEscapedAndEveryOtherByteStays) {
  EXPECT_EQ("a\\x0ab\\x00\\x1f\\x7f\\x0d~ \"\\\xC3\xA9\xFF",
            shownName(std::string("a\nb\0\x1F\x7F\r~ \"\\\xC3\xA9\xFF", 14)));
  EXPECT_EQ("", shownName(""));
}
