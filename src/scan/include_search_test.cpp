#include "scan/include_search.h"

#include <gtest/gtest.h>

// Where an IncludePath leads is the corpus's case (tests/corpus/includepath_folder); here only
// how its statement is read.
TEST(IncludeSearch, IncludeKeywordsStandAsWholeWordsInCode) {
  // The line, and the statements read from it: an include as its name, an IncludePath as
  // "path:" and its folder, any other statement in brackets ("-" when none is either).
  const std::pair<const char*, const char*> cases[] = {
      {"IncludeFile \"a.pbi\"", "a.pbi"}, {"  xincludefile\"B.pbi\" ; shared", "B.pbi"},
      {"IncludeFile Name$", ""}, {"IncludePath \"lib\" ; x", "path:lib"},
      // Not part of a longer name, a constant, a pointer or a string variable: each rule alone.
      {"ProcedureDLL GetIncludeFileCount()", "-"}, {"#IncludeFile \"a.pbi\"", "-"},
      {"IncludeFile_x \"a.pbi\"", "-"}, {"IncludeFile2 \"a.pbi\"", "-"},
      {"*includefile\\x = \"a.pbi\"", "-"}, {"IncludeFile$ = \"a.pbi\"", "-"},
      // Only in code: not in a comment, not in a string, not in a character literal.
      {"; XIncludeFile \"debug.pbi\"", "-"}, {"ProcedureDLL Init() ; before IncludeFile", "-"},
      {"s = \"IncludeFile \" + Name$", "-"}, {"c = 'IncludeFile \"a.pbi\"'", "-"},
      {"s = \"a;b\" : IncludeFile \"c.pbi\"", "[s = \"a;b\" ] c.pbi"},
      {"c = ';' : XIncludeFile \"i2.pbi\"", "[c = ';' ] i2.pbi"},
      {"c = '\"' : XIncludeFile \"i2.pbi\" ; '", "[c = '\"' ] i2.pbi"},
      // Every statement of the line, in order; "::" is module access, not a separator.
      {"x = \"a\" : XIncludeFile \"b.pbi\"", "[x = \"a\" ] b.pbi"},
      {"XIncludeFile \"b.pbi\" : IncludeFile \"c.pbi\"", "b.pbi c.pbi"},
      {"XIncludeFile \"i1.pbi\" : ProcedureDLL Same() : IncludePath \"p\"",
       "i1.pbi [ ProcedureDLL Same() ] path:p"},
      {"a = M::F(1) : IncludeFile \"m.pbi\" :: ", "[a = M::F(1) ] m.pbi"}};
  for (const auto& [line, expected] : cases) {
    std::string read;
    bool any = false;
    const std::string_view text(line);
    for (size_t at = 0; at <= text.size();) {
      const IncludeDirective statement = nextStatement(text, &at);
      any = any || statement.kind != IncludeDirective::Kind::None;
      if (statement.kind == IncludeDirective::Kind::None &&
          statement.text.find_first_not_of(' ') == std::string_view::npos)
        continue;
      if (!read.empty()) read += ' ';
      if (statement.kind == IncludeDirective::Kind::Include) read += statement.name;
      if (statement.kind == IncludeDirective::Kind::IncludePath)
        read += "path:" + std::string(statement.name);
      if (statement.kind == IncludeDirective::Kind::None)
        read += "[" + std::string(statement.text) + "]";
    }
    EXPECT_EQ(expected, any ? read : "-") << line;
    EXPECT_TRUE(!any || mayNameInclude(line)) << line;
  }
}
