#include "scan/lexer.h"

#include <functional>

#include <gtest/gtest.h>

#include "scan/classifier.h"
#include "text/pattern.h"

namespace {

struct Lexed {
  std::string text;
  int32_t kind;
  int32_t line;
  bool operator==(const Lexed& o) const { return text == o.text && kind == o.kind && line == o.line; }
};

std::ostream& operator<<(std::ostream& out, const Lexed& t) {
  return out << "{«" << t.text << "» " << tokenKindName(t.kind) << " " << t.line << "}";
}

void collect(std::string_view text, int32_t kind, int32_t line, void* context) {
  static_cast<std::vector<Lexed>*>(context)->push_back({std::string(text), kind, line});
}

std::vector<Lexed> lex(const std::string& text, int32_t* result = nullptr) {
  std::vector<Lexed> tokens;
  const int32_t n = lexText(text, collect, &tokens);
  if (result != nullptr) *result = n;
  return tokens;
}

std::vector<std::string> texts(const std::string& text) {
  std::vector<std::string> out;
  for (const Lexed& t : lex(text)) out.push_back(t.text);
  return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(Lexer, DeclarationLineOfTheWorkedExample) {
  // The line stands on line 5: four line feeds come before it.
  const std::vector<Lexed> tokens = lex("\n\n\n\nProcedureDLL.l Add(*a, b.l)\n");
  const std::vector<Lexed> expected = {
      {"\n", StatementEnd, 1}, {"\n", StatementEnd, 2}, {"\n", StatementEnd, 3},
      {"\n", StatementEnd, 4}, {"proceduredll", Keyword, 5}, {".", Punctuation, 5},
      {"l", Identifier, 5},    {"Add", Identifier, 5},       {"(", Operator, 5},
      {"*a", Identifier, 5},   {",", Punctuation, 5},        {"b", Identifier, 5},
      {".", Punctuation, 5},   {"l", Identifier, 5},         {")", Operator, 5},
      {"\n", StatementEnd, 5}};
  EXPECT_EQ(expected, tokens);
}

TEST(Lexer, PiecesAreCutButNotJoined) {
  EXPECT_EQ((Texts{"a", "<", "=", "b"}), texts("a<=b"));
  EXPECT_EQ((Texts{"x", "=", "1", ".", "5"}), texts("x = 1.5"));
  EXPECT_EQ((Texts{"$FF"}), texts("$FF"));
  EXPECT_EQ((Texts{"$", "G"}), texts("$G"));
  EXPECT_EQ((Texts{"x1y", "Utf8ToAscii", "Vec3_Add", "#Max2D", "Count2$"}),
            texts("x1y Utf8ToAscii Vec3_Add #Max2D Count2$"));
  EXPECT_EQ(Constant, lex("#Max2D")[0].kind);
  EXPECT_EQ((Texts{"Name$"}), texts("Name$"));
  EXPECT_EQ((Texts{"#PB_Any", "("}), texts("#PB_Any # ("));
  EXPECT_EQ((Texts{"endprocedure", "MyProc"}), texts("EndProcedure MyProc"));
  EXPECT_EQ((Texts{"a", "b", "\n"}), texts("a \t\r:b\xE9\n"));
}

TEST(Lexer, PointerNamesJoinOnlyAfterAnOperatorALineEndOrAtTheStart) {
  EXPECT_EQ((Texts{"*p", "=", "0"}), texts("*p = 0"));
  EXPECT_EQ((Texts{"(", "*p"}), texts("(*p"));
  EXPECT_EQ((Texts{"a", ",", "*", "p"}), texts("a, *p"));
  EXPECT_EQ((Texts{"a", "*", "b"}), texts("a * b"));
  EXPECT_EQ((Texts{"(", "a", ")", "*b"}), texts("(a) *b"));
  EXPECT_EQ((Texts{"*", "if"}), texts("* If"));
  EXPECT_EQ((Texts{"x", "\n", "*y"}), texts("x\n*y"));
  EXPECT_EQ((Texts{"*"}), texts("*"));
  EXPECT_EQ(Identifier, lex("(*p")[1].kind);
}

TEST(Lexer, StringsRunToTheLastQuoteOfTheirLine) {
  const std::vector<Lexed> tokens = lex("x = \"a\" + \"b\"\n");
  ASSERT_EQ(4u, tokens.size());
  EXPECT_EQ("\"a\" + \"b\"", tokens[2].text);
  EXPECT_EQ(String, tokens[2].kind);
  EXPECT_EQ((Texts{"a", "b", "\n", "\"c\""}), texts("a \" b\n\"c\""));
  EXPECT_EQ(Number, lex("\"1.5\"")[0].kind);
}

TEST(Lexer, CharacterLiteralsJoinAndEndWithTheirLine) {
  const std::vector<Lexed> quoteA = lex("'A'");
  ASSERT_EQ(1u, quoteA.size());
  EXPECT_EQ((Lexed{"'A'", Number, 1}), quoteA[0]);
  EXPECT_EQ((Texts{"''", "'AB'"}), texts("' ' 'AB'"));
  // Without a closing quote the literal ends before its line feed, which counts its line: the
  // lines after a stray apostrophe are cut as usual.
  int32_t raw = 0;
  const std::vector<Lexed> open = lex("x\nFont$ = \"Mono\" ; \"Fixed\" isn't here\ny\n", &raw);
  EXPECT_EQ(12, raw);
  const std::vector<Lexed> expected = {
      {"x", Identifier, 1},     {"\n", StatementEnd, 1},        {"Font$", Identifier, 2},
      {"=", Operator, 2},       {"\"Mono\" ; \"Fixed\"", String, 2}, {"isn", Identifier, 2},
      {"'there", Number, 2},   {"\n", StatementEnd, 2},        {"y", Identifier, 3},
      {"\n", StatementEnd, 3}};
  EXPECT_EQ(expected, open);
  EXPECT_EQ((std::vector<Lexed>{{"'", Number, 1}, {"\n", StatementEnd, 1}, {"y", Identifier, 2}}),
            lex("'\ny"));
  EXPECT_EQ((Texts{"'"}), texts("'"));
  EXPECT_EQ((Texts{"'abc"}), texts("'abc"));
}

TEST(Lexer, CommentsLinesAndResults) {
  const std::vector<Lexed> tokens = lex("; note\na\nb\n;\n");
  const std::vector<Lexed> expected = {{"; note", Comment, 1}, {"\n", StatementEnd, 1},
                                       {"a", Identifier, 2},   {"\n", StatementEnd, 2},
                                       {"b", Identifier, 3},   {"\n", StatementEnd, 3},
                                       {"\n", StatementEnd, 4}};
  EXPECT_EQ(expected, tokens);
  int32_t result = -5;
  EXPECT_TRUE(lex("", &result).empty());
  EXPECT_EQ(0, result);
  EXPECT_TRUE(lex("  \t:", &result).empty());
  EXPECT_EQ(0, result);
}

TEST(Lexer, RawMatchesReadOffTheBytesAreThePatternsOwn) {
  // Every text of one or two bytes: the walk gives the matches the pattern alone gives, and the
  // kinds it reads off the bytes are the classifier's.
  Pattern* pattern = compilePattern(kTokenPattern);
  ASSERT_NE(nullptr, pattern);
  const auto agree = [pattern](const std::string& text) {
    RawMatches walk(pattern, text);
    MatchCursor alone(pattern, text.c_str());
    RawMatch match;
    std::string expected;
    for (;;) {
      const bool more = alone.next(&expected);
      if (walk.next(&match) != more) return false;
      if (!more) return true;
      if (std::string(match.text, match.length) != expected) return false;
      if (match.kind != None && match.kind != classifyToken(expected)) return false;
    }
  };
  for (int first = 1; first < 256; ++first) {
    ASSERT_TRUE(agree(std::string(1, static_cast<char>(first)))) << first;
    for (int second = 1; second < 256; ++second) {
      ASSERT_TRUE(agree({static_cast<char>(first), static_cast<char>(second)}))
          << first << " " << second;
      // String literals holding any two bytes.
      ASSERT_TRUE(agree({'"', static_cast<char>(first), static_cast<char>(second), '"'}))
          << first << " " << second;
    }
  }
  // String literals holding up to four bytes of those that the kind of a literal turns on.
  const std::string bytes = "019.$aFg%-e\" \r\x80\xFF";
  std::string inner;
  const std::function<void(size_t)> grow = [&](size_t left) {
    ASSERT_TRUE(agree('"' + inner + '"')) << inner;
    if (left == 0) return;
    for (const char c : bytes) {
      inner.push_back(c);
      grow(left - 1);
      inner.pop_back();
    }
  };
  grow(4);
  freePattern(pattern);
}
