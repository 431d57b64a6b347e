#include "scan/classifier.h"

#include <gtest/gtest.h>

TEST(Classifier, TestsRunInOrderAndTheFirstThatHoldsDecides) {
  const std::pair<TokenKind, std::vector<const char*>> cases[] = {
      {TokenKind::Keyword,
       {"ProcedureDLL", "PROCEDUREDLL", "EndProcedure", "stdout", "If", "DataSection"}},
      {TokenKind::Identifier,
       {"procedurecdll", "Iff", "DataSections", "x1", "_tmp", "name$", "*p", "a.b"}},
      {TokenKind::Constant, {"#x", "#", "#1", "#;x"}},
      {TokenKind::Comment, {"; note", ";;"}},
      {TokenKind::Number, {"12", "-3", "$1F", "%101", "1.5", "1abc", "\"1.5\"", "\"a$F\"", "x1.5"}},
      {TokenKind::String, {"\"text\"", "\"\"", "\"a b\""}},
      {TokenKind::Punctuation, {",", "."}},
      {TokenKind::Operator, {"(", "]", "<>", "\\", "*", "=<", "~", "@", "}"}},
      {TokenKind::StatementEnd, {"\n", ":"}},
      {TokenKind::Other, {";", "$", "%", "^", "'", "", "\r", "\xE9"}}};
  // Asked twice, the second time from the cache, a text keeps its kind.
  for (int round = 0; round < 2; ++round)
    for (const auto& [kind, texts] : cases)
      for (const char* text : texts) EXPECT_EQ(kind, classifyToken(text)) << "«" << text << "»";
  EXPECT_EQ(TokenKind::Number, classifyToken(std::string(40, '7')));
  EXPECT_EQ(TokenKind::String, classifyToken("\"" + std::string(40, 'x') + "\""));
  EXPECT_STREQ("StatementEnd", tokenKindName(static_cast<int32_t>(TokenKind::StatementEnd)));
  EXPECT_STREQ("", tokenKindName(11));
}
