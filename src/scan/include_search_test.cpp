#include "scan/include_search.h"

#include <gtest/gtest.h>

// IncludePath is the corpus's includepath_folder.
TEST(IncludeSearch, IncludeKeywordsStandAsWholeWordsInCode) {
  // The line, and the name it includes ("-" when it includes nothing).
  const std::pair<const char*, const char*> cases[] = {
      {"IncludeFile \"a.pbi\"", "a.pbi"}, {"  xincludefile\"B.pbi\" ; shared", "B.pbi"},
      {"IncludeFile Name$", ""},
      // Not part of a longer name, a constant, a pointer or a string variable: each rule alone.
      {"ProcedureDLL GetIncludeFileCount()", "-"}, {"#IncludeFile \"a.pbi\"", "-"},
      {"IncludeFile_x \"a.pbi\"", "-"}, {"IncludeFile2 \"a.pbi\"", "-"},
      {"*includefile\\x = \"a.pbi\"", "-"}, {"IncludeFile$ = \"a.pbi\"", "-"},
      // Only in code: not in a comment, not in a string.
      {"; XIncludeFile \"debug.pbi\"", "-"}, {"ProcedureDLL Init() ; before IncludeFile", "-"},
      {"s = \"IncludeFile \" + Name$", "-"}, {"s = \"a;b\" : IncludeFile \"c.pbi\"", "c.pbi"},
      // The name is quoted after the keyword; "xincludefile" wins over "includefile".
      {"x = \"a\" : XIncludeFile \"b.pbi\"", "b.pbi"},
      {"XIncludeFile \"b.pbi\" : IncludeFile \"c.pbi\"", "b.pbi"}};
  for (const auto& [line, name] : cases) {
    const IncludeDirective directive = readIncludeDirective(line);
    EXPECT_EQ(name, directive.kind == IncludeDirective::Kind::Include ? directive.name : "-")
        << line;
  }
}
