#include "scan/statements.h"

#include <gtest/gtest.h>

TEST(Statements, LiteralsHideSeparatorsAndTheCommentEndsTheCode) {
  const std::pair<const char*, const char*> cases[] = {
      {"a : b", "[a][b]"},
      {"  a  ", "[a]"},
      {"a ; b : c", "[a]"},
      {"x = \"a:b;c\" : y", "[x = \"a:b;c\"][y]"},
      {"x = ~\"a\\\":;\" : y", "[x = ~\"a\\\":;\"][y]"},
      {"c = ':' : d = ';'", "[c = ':'][d = ';']"},
      {"Mod::#X = 1", "[Mod::#X = 1]"},
      {": :", ""},
      // A double quote without a partner opens nothing, as for the lexer and the include reader.
      {"s = \"open : x", "[s = \"open][x]"},
      {"Macro b : i : EndMacro", "[Macro b][i][EndMacro]"}};
  for (const auto& [line, expected] : cases) {
    std::string out;
    for (std::string_view statement : splitStatements(line))
      out += "[" + std::string(statement) + "]";
    EXPECT_EQ(out, expected) << line;
  }
  EXPECT_EQ(literalEnd("~\"a\\\\\" b\"", 0), 6u);  // "\\" takes both characters
}
