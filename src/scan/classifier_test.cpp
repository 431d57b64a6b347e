#include "scan/classifier.h"

#include <gtest/gtest.h>

namespace {

void expectKind(TokenKind kind, std::initializer_list<const char*> texts) {
  for (const char* text : texts) EXPECT_EQ(kind, classifyToken(text)) << "for «" << text << "»";
}

}  // namespace

TEST(Classifier, TestsRunInOrderAndTheFirstThatHoldsDecides) {
  expectKind(Keyword, {"ProcedureDLL", "PROCEDUREDLL", "proceduredll", "EndProcedure", "stdout"});
  expectKind(Identifier, {"procedurecdll", "x1", "_tmp", "name$", "Count2$", "*p", "a.b"});
  expectKind(Constant, {"#x", "#", "#1", "#;x"});
  expectKind(Comment, {"; note", ";;"});
  expectKind(Number, {"12", "-3", "$1F", "%101", "1.5", "1abc", "\"1.5\"", "\"a$F\"", "x1.5"});
  expectKind(String, {"\"text\"", "\"\"", "\"a b\""});
  expectKind(Punctuation, {",", "."});
  expectKind(Operator, {"(", "]", "<>", "\\", "*", "=<", "~", "@", "}"});
  expectKind(StatementEnd, {"\n", ":"});
  expectKind(Other, {";", "$", "%", "^", "'", "", "\r", "\xE9"});
}

TEST(Classifier, AnswersDoNotDependOnWhatWasAskedBefore) {
  // Asked twice, with other texts in between, a text keeps its kind.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(Keyword, classifyToken("If"));
    EXPECT_EQ(Identifier, classifyToken("Iff"));
    EXPECT_EQ(Number, classifyToken(std::string(40, '7')));
    EXPECT_EQ(String, classifyToken("\"" + std::string(40, 'x') + "\""));
  }
}

TEST(Classifier, PatternAndKeywordHelpers) {
  EXPECT_TRUE(matchesPattern("; c", kCommentPattern));
  EXPECT_FALSE(matchesPattern("x", "("));
  EXPECT_TRUE(isKeyword("DataSection"));
  EXPECT_FALSE(isKeyword("DataSections"));
  EXPECT_EQ(58, kKeywordTable.count);
  EXPECT_STREQ("StatementEnd", tokenKindName(StatementEnd));
  EXPECT_STREQ("", tokenKindName(11));
}
