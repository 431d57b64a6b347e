#include <gtest/gtest.h>

#include "text/program_args.h"

namespace {

// Token `index` of the line, or "<none>" when the line ends first.
std::string token(const std::string& line, int index) {
  std::string found = "<untouched>";
  return commandLineToken(line, index, &found) ? found : "<none>";
}

}  // namespace

TEST(CommandLine, SpacesSeparateAndQuotesGroup) {
  const std::string line = "\"C:\\Program Files\\gantrell.exe\"  C:\\src\\main.pb  extra";
  EXPECT_EQ("C:\\Program Files\\gantrell.exe", token(line, 0));
  EXPECT_EQ("C:\\src\\main.pb", token(line, 1));
  EXPECT_EQ("extra", token(line, 2));
  EXPECT_EQ("<none>", token(line, 3));

  EXPECT_EQ("C:\\my files\\a.pb", token("gantrell.exe \"C:\\my files\\a.pb\"", 1));
  // Only the space separates: a tab belongs to the token.
  EXPECT_EQ("gantrell.exe\ta.pb", token("gantrell.exe\ta.pb", 0));
  EXPECT_EQ("<none>", token("gantrell.exe\ta.pb", 1));
  // Trailing spaces form no token; neither does an empty line.
  EXPECT_EQ("<none>", token("gantrell.exe a.pb   ", 2));
  EXPECT_EQ("<none>", token("", 0));
  EXPECT_EQ("<none>", token("   ", 0));
}

TEST(CommandLine, QuotingHasNoEscapesAndEndsTheToken) {
  // Two quotes give an empty token that still counts.
  EXPECT_EQ("", token("gantrell.exe \"\" a.pb", 1));
  EXPECT_EQ("a.pb", token("gantrell.exe \"\" a.pb", 2));
  EXPECT_EQ("", token("gantrell.exe \"\"", 1));
  // The closing quote ends the token even without a space after it.
  EXPECT_EQ("ab", token("gantrell.exe \"ab\"cd e", 1));
  EXPECT_EQ("cd", token("gantrell.exe \"ab\"cd e", 2));
  EXPECT_EQ("e", token("gantrell.exe \"ab\"cd e", 3));
  EXPECT_EQ("b", token("gantrell.exe \"a\"\"b\"", 2));
  // An unclosed quote runs to the end of the line, spaces and all.
  EXPECT_EQ("my file.pb  ", token("gantrell.exe \"my file.pb  ", 1));
  EXPECT_EQ("", token("gantrell.exe \"", 1));
  // Inside an unquoted token a quote is an ordinary character, and a backslash never escapes.
  EXPECT_EQ("a\"b", token("gantrell.exe a\"b c", 1));
  EXPECT_EQ("c", token("gantrell.exe a\"b c", 2));
  EXPECT_EQ("C:\\dir\\", token("gantrell.exe \"C:\\dir\\\" next", 1));
  EXPECT_EQ("next", token("gantrell.exe \"C:\\dir\\\" next", 2));
}
