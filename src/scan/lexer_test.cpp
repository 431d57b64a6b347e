#include "scan/lexer.h"

#include <functional>

#include <gtest/gtest.h>

#include "scan/classifier.h"
#include "scan/include_search.h"
#include "test_support.h"
#include "text/pattern.h"

namespace {

// Each token as «text»KindLine, or with `textsOnly` its text alone, each followed by a blank.
std::string lex(const std::string& text, bool textsOnly = false) {
  std::pair<std::string, bool> out{"", textsOnly};
  lexText(
      text,
      [](std::string_view token, TokenKind kind, int32_t line, void* context) {
        auto* out = static_cast<std::pair<std::string, bool>*>(context);
        out->first += out->second ? std::string(token) + " "
                                  : "«" + std::string(token) + "»" +
                                        tokenKindName(static_cast<int32_t>(kind)) +
                                        std::to_string(line) + " ";
      },
      &out);
  return out.first;
}

}  // namespace

TEST(Lexer, PiecesAreCutKeywordsLoweredAndNothingElseJoined) {
  const std::pair<const char*, const char*> cases[] = {
      {"a<=b", "a < = b "}, {"x = 1.5", "x = 1 . 5 "}, {"$FF $G", "$FF $ G "},
      {"x1y Vec3_Add #Max2D Count2$ #PB_Any # (", "x1y Vec3_Add #Max2D Count2$ #PB_Any ( "},
      {"EndProcedure MyProc", "endprocedure MyProc "}, {"a \t\r:b\xE9\n", "a b \n "},
      // A "*" joins the name after it only after an operator, a line end or at the start.
      {"*p = 0", "*p = 0 "}, {"(*p", "( *p "}, {"a, *p", "a , * p "}, {"a * b", "a * b "},
      {"(a) *b", "( a ) *b "}, {"* If", "* if "}, {"x\n*y", "x \n *y "}, {"*", "* "},
      // A string runs to the next quote of its line, an escaped one to the next quote that no
      // backslash escapes; a character literal to its closing quote, kept as written.
      {"a \" b\n\"c\"", "a b \n \"c\" "}, {"' ' 'AB' 'abc", "' ' 'AB' 'abc "}, {"'", "' "},
      {"s = \"a\" + \"b\" ; \"c\"", "s = \"a\" + \"b\" ; \"c\" "},
      {"~\"a\\\"b\" + ~x", "~\"a\\\"b\" + ~ x "}, {"~\"\\\\\" ; c", "~\"\\\\\" ; c "},
      // Within a character literal a double quote or ";" starts nothing beyond it.
      {"c = ';' : x\ny", "c = ';' x \n y "}, {"c = '\"' + \"s\"", "c = '\"' + \"s\" "},
      {"'a; b'c", "'a; b' c "}, {"'\"a\"'", "'\"a\"' "}, {"x'\"a;", "x 'a "}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(expected, lex(text, true)) << text;
}

TEST(Lexer, LinesCountLineFeedsAndCommentsAndLiteralsEndWithTheirLine) {
  // Without a closing quote a literal ends before its line feed: the lines after a stray
  // apostrophe are cut as usual.
  const std::pair<const char*, const char*> cases[] = {
      {"(*p #Max2D \"a\" + \"b\"\n\"1.5\"",
       "«(»Operator1 «*p»Identifier1 «#Max2D»Constant1 «\"a\"»String1 «+»Operator1 «\"b\"»String1 "
       "«\n»StatementEnd1 «\"1.5\"»Number2 "},
      {"; note\na\n;\n", "«; note»Comment1 «\n»StatementEnd1 «a»Identifier2 «\n»StatementEnd2 "
                          "«\n»StatementEnd3 "},
      {"Font$ = \"Mono\" ; \"Fixed\" isn't here\ny",
       "«Font$»Identifier1 «=»Operator1 «\"Mono\"»String1 «; \"Fixed\" isn't here»Comment1 "
       "«\n»StatementEnd1 «y»Identifier2 "},
      {"'\ny", "«'»Number1 «\n»StatementEnd1 «y»Identifier2 "}, {"", ""}, {"  \t:", ""}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(expected, lex(text)) << text;
}

TEST(Lexer, RawMatchesReadOffTheBytesAreThePatternsOwn) {
  // Every text of one or two bytes: the walk gives the matches the pattern alone gives, and the
  // kinds it reads off the bytes are the classifier's (where the pattern ends literals as the
  // lexer does).
  const OwnedPattern owned(compilePattern(kTokenPattern));
  const Pattern* pattern = owned.get();
  ASSERT_NE(nullptr, pattern);
  const auto agree = [pattern](const std::string& text) {
    if (!patternEndsLiteralsAsTheLexer(text)) return true;
    RawMatches walk(pattern, text);
    RawMatch match;
    for (const std::string& expected : matchesOf(pattern, text)) {
      if (!walk.next(&match) || std::string(match.text, match.length) != expected) return false;
      if (match.kind != TokenKind::None && match.kind != classifyToken(expected)) return false;
    }
    return !walk.next(&match);
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
}

TEST(Lexer, TheIncludeReaderSeesCodeWhereTheLexerDoes) {
  // One rule for literals and comments (code_spans.h): a keyword after each of these is a token
  // of the lexer exactly when the include reader takes it for an include.
  const char* const before[] = {"c = ';' : ", "c = '\"' : ", "s = \"a;b\" : ", "s = \"it's\" : ",
                                "c = 'a' ; ", "; ", "s = \"; \" + ", "c = '", "s = \"open ",
                                "x = \"a\" + 'b' : ", "' ; ' : ", "y = 'x' : s = \"'\" : ",
                                "s = ~\"a\\\";\" : ", "s = ~\"a\\\\\" ; "};
  for (const std::string prefix : before) {
    const std::string line = prefix + "XIncludeFile Name$";
    const bool lexed = lex(line).find("«XIncludeFile»Identifier") != std::string::npos;
    EXPECT_EQ(lexed, holdsInclude(line)) << line;
  }
}
