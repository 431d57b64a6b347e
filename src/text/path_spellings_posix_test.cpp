#include "text/path_spellings.h"

#include <gtest/gtest.h>

#include "test_support.h"

TEST(PathSpellingsPosix, BackslashesAndLetterCaseOfSourcesWrittenOnWindows) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("Include/Helpers.pbi", "");
  PathSpellings spellings;
  EXPECT_EQ((std::vector<std::string>{d + "include/HELPERS.PBI", d + "Include/Helpers.pbi"}),
            spellings.of(d + "include\\HELPERS.PBI"));
  EXPECT_EQ((std::vector<std::string>{d + "Include/Helpers.pbi"}),
            spellings.of(d + "INCLUDE/helpers.pbi"));
  // Parts that exist as spelled are kept; a part with no entry at all gives no spelling.
  EXPECT_EQ((std::vector<std::string>{d + "Include/../Include/Helpers.pbi"}),
            spellings.of(d + "Include/../include/helpers.pbi"));
  EXPECT_EQ((std::vector<std::string>{d + "Include/Gone.pbi"}), spellings.of(d + "Include\\Gone.pbi"));
  EXPECT_TRUE(spellings.of(d + "Include/Helpers.pbi").empty());
}
