#include "text/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, SpacesSeparateQuotesGroupAndNothingEscapes) {
  // A line and its tokens, each followed by "|".
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\Program Files\\g.exe\"  C:\\src\\main.pb  extra",
       "C:\\Program Files\\g.exe|C:\\src\\main.pb|extra|"},
      {"g.exe\ta.pb", "g.exe\ta.pb|"},  // only the space separates
      {"g.exe a.pb   ", "g.exe|a.pb|"}, {"", ""}, {"   ", ""},
      // Two quotes give an empty token that still counts; the closing quote ends the token.
      {"g.exe \"\" a.pb", "g.exe||a.pb|"}, {"g.exe \"\"", "g.exe||"},
      {"g.exe \"ab\"cd e", "g.exe|ab|cd|e|"}, {"g.exe \"a\"\"b\"", "g.exe|a|b|"},
      // An unclosed quote runs to the end of the line, spaces and all.
      {"g.exe \"my file.pb  ", "g.exe|my file.pb  |"}, {"g.exe \"", "g.exe||"},
      // Inside an unquoted token a quote is an ordinary character; a backslash never escapes.
      {"g.exe a\"b c", "g.exe|a\"b|c|"}, {"g.exe \"C:\\dir\\\" next", "g.exe|C:\\dir\\|next|"}};
  for (const auto& [line, expected] : cases) {
    std::string tokens, token = "<untouched>";
    for (int index = 0; commandLineToken(line, index, &token); ++index) tokens += token + "|";
    EXPECT_EQ(expected, tokens) << line;
  }
}
