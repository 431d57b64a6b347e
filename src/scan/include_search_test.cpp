#include "scan/include_search.h"

#include <gtest/gtest.h>

namespace {

// The name an include line names, or "-" when the line names none.
std::string includeOf(const std::string& line) {
  const IncludeDirective directive = readIncludeDirective(line);
  return directive.kind == IncludeDirective::Kind::Include ? directive.name : "-";
}

}  // namespace

TEST(IncludeSearch, IncludeKeywordsStandAsWholeWordsInCode) {
  EXPECT_EQ("a.pbi", includeOf("IncludeFile \"a.pbi\""));
  EXPECT_EQ("B.pbi", includeOf("  xincludefile\"B.pbi\" ; shared"));
  EXPECT_EQ("-", includeOf("ProcedureDLL GetIncludeFileCount()"));
  EXPECT_EQ("-", includeOf("#IncludeFile = 1"));
  EXPECT_EQ("-", includeOf("IncludeFile_Count = \"a\""));
  EXPECT_EQ("-", includeOf("*includefile\\x = 0"));
  EXPECT_EQ("-", includeOf("IncludeFile$ = \"a.pbi\""));
  // Only in code: not in a comment, not in a string.
  EXPECT_EQ("-", includeOf("; XIncludeFile \"debug.pbi\""));
  EXPECT_EQ("-", includeOf("ProcedureDLL Init() ; call before IncludeFile"));
  EXPECT_EQ("-", includeOf("s = \"IncludeFile \" + Name$"));
  EXPECT_EQ("c.pbi", includeOf("s = \"a;b\" : IncludeFile \"c.pbi\""));
  // The name is quoted after the keyword; "xincludefile" wins over "includefile".
  EXPECT_EQ("b.pbi", includeOf("x = \"a\" : XIncludeFile \"b.pbi\""));
  EXPECT_EQ("b.pbi", includeOf("XIncludeFile \"b.pbi\" : IncludeFile \"c.pbi\""));
  EXPECT_EQ("", includeOf("IncludeFile Name$"));

  const IncludeDirective path = readIncludeDirective("includepath \"..\\Common\\\"");
  EXPECT_EQ(IncludeDirective::Kind::IncludePath, path.kind);
  EXPECT_EQ("..\\Common\\", path.name);
}
