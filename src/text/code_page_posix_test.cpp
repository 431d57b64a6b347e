#include <clocale>
#include <cstdlib>

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/code_page.h"
#include "text/text_ops.h"

TEST(CodePagePosix, LowerCaseFollowsTheLocalesTableAbove127) {
  // An ISO-8859-15 locale built for the test, where the system has the tools and sources.
  ScratchDir dir;
  const std::string command =
      "localedef -i en_US -f ISO-8859-15 " + dir.path() + "latin9 >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) GTEST_SKIP() << "localedef can't build en_US.ISO-8859-15";
  setenv("LOCPATH", dir.path().c_str(), 1);
  const bool set = std::setlocale(LC_CTYPE, "latin9") != nullptr;
  // Capitals above 127 lower, including ISO-8859-15's own at 0xA6 and 0xBC; the rest stays.
  const std::string lowered = lowerCase("\xC0\xC9\xDE\xA6\xBC\xD7\xDF\xFF" "A");
  std::setlocale(LC_CTYPE, "C");
  unsetenv("LOCPATH");
  ASSERT_TRUE(set);
  EXPECT_EQ("\xE0\xE9\xFE\xA8\xBD\xD7\xDF\xFF" "a", lowered);
  EXPECT_EQ("\xC9", lowerCase("\xC9"));  // the C locale lowers nothing above 127
}

TEST(CodePagePosix, EightBitTextIsLatin1BothWays) {
  const std::string latin1("caf\xE9 \x80\xFF", 7);
  const std::string utf8 = "caf\xC3\xA9 \xC2\x80\xC3\xBF";
  EXPECT_EQ(utf8, eightBitToUtf8(latin1));
  std::string bytes;
  EXPECT_TRUE(utf8ToEightBit(utf8, &bytes));
  EXPECT_EQ(latin1, bytes);
  EXPECT_FALSE(utf8ToEightBit("a\xD0\x96\xE2\x82\xAC", &bytes));  // U+0416, U+20AC
  EXPECT_EQ("a??", bytes);
}
