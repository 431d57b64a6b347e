#include "scan/compiler_view.h"

#include <gtest/gtest.h>

namespace {

// What the compiler reads of each line of `source` (lines numbered from `firstLine`): the line
// as it stands, "-" when skipped, "~" and the text read instead (line feeds as "/"), or "!" and
// the message that ends the read.
std::string read(CompilerView* view, const std::string& source, int32_t firstLine = 1) {
  std::string out;
  int32_t number = firstLine;
  for (size_t start = 0; start <= source.size(); ++number) {
    size_t end = source.find('\n', start);
    if (end == std::string::npos) end = source.size();
    const std::string line = source.substr(start, end - start);
    start = end + 1;
    const LineVerdict verdict = view->readLine(line, number);
    if (!out.empty()) out += "\n";
    if (verdict.action == LineVerdict::Action::Keep) out += line;
    if (verdict.action == LineVerdict::Action::Drop) out += "-";
    if (verdict.action == LineVerdict::Action::Fail) return out + "!" + std::string(verdict.text);
    if (verdict.action == LineVerdict::Action::Replace) {
      std::string text(verdict.text);
      for (char& c : text)
        if (c == '\n') c = '/';
      out += "~" + text;
    }
  }
  return out;
}

// Reads a main file /p/main.pb holding `source`.
std::string readMain(const std::string& source, const CompilerSettings& settings = {}) {
  CompilerView view(settings);
  view.enterFile("/p/", "main.pb");
  std::string out = read(&view, source);
  const LineVerdict end = view.leaveFile();
  if (out.find('!') == std::string::npos && end.action == LineVerdict::Action::Fail)
    out += "\n!" + std::string(end.text);
  return out;
}

}  // namespace

TEST(CompilerView, DecidedBranchesAreReadAloneAndUndecidedOnesAllRead) {
  const CompilerSettings windows32{"", "windows-x86"};
  const CompilerSettings linux{"/opt/pb/", "linux-x64"};
  const struct {
    const char* source;
    CompilerSettings settings;
    const char* expected;
  } cases[] = {
      {"CompilerIf #False\nProcedureDLL A()\nCompilerElse\nProcedureDLL B()\nCompilerEndIf",
       {},
       "CompilerIf #False\n-\nCompilerElse\nProcedureDLL B()\nCompilerEndIf"},
      // The processor is known only with a target.
      {"CompilerIf #PB_Compiler_Processor = #PB_Processor_x86\nx86\nCompilerElse\nother\n"
       "CompilerEndIf",
       {},
       "CompilerIf #PB_Compiler_Processor = #PB_Processor_x86\nx86\n"
       "CompilerElse\nother\nCompilerEndIf"},
      {"CompilerIf #PB_Compiler_Processor = #PB_Processor_x86\nx86\nCompilerElse\nother\n"
       "CompilerEndIf",
       linux,
       "CompilerIf #PB_Compiler_Processor = #PB_Processor_x86\n-\n"
       "CompilerElse\nother\nCompilerEndIf"},
      {"CompilerIf #PB_Compiler_OS <> #PB_OS_Windows\nCompilerIf #False\na\nCompilerEndIf\nb\n"
       "CompilerElseIf #True\nc\nCompilerElse\nd\nCompilerEndIf",
       {},
       "CompilerIf #PB_Compiler_OS <> #PB_OS_Windows\nCompilerIf #False\n-\nCompilerEndIf\nb\n"
       "CompilerElseIf #True\nc\nCompilerElse\n-\nCompilerEndIf"},
      {"CompilerSelect #PB_Compiler_OS\nCompilerCase #PB_OS_Windows\nw\n"
       "CompilerCase #PB_OS_MacOS, #PB_OS_Linux\nl\nCompilerDefault\nd\nCompilerEndSelect",
       linux,
       "CompilerSelect #PB_Compiler_OS\nCompilerCase #PB_OS_Windows\n-\n"
       "CompilerCase #PB_OS_MacOS, #PB_OS_Linux\nl\nCompilerDefault\n-\nCompilerEndSelect"},
      {"CompilerSelect #PB_Compiler_OS\nCompilerCase #PB_OS_Windows\nw\nCompilerDefault\nd\n"
       "CompilerEndSelect",
       windows32,
       "CompilerSelect #PB_Compiler_OS\nCompilerCase "
       "#PB_OS_Windows\nw\nCompilerDefault\n-\nCompilerEndSelect"},
      // Three-valued logic, and directives that share a line with other statements.
      {"CompilerIf #False And #PB_Compiler_OS = 1\na\nCompilerEndIf\n"
       "CompilerIf #True Or Defined(F, #PB_Function)\nb\nCompilerEndIf",
       {},
       "CompilerIf #False And #PB_Compiler_OS = 1\n-\nCompilerEndIf\n"
       "CompilerIf #True Or Defined(F, #PB_Function)\nb\nCompilerEndIf"},
      {"CompilerIf #False : a : CompilerElse : b : CompilerEndIf ; note",
       {},
       "~CompilerIf #False : CompilerElse : b : CompilerEndIf"},
      {"CompilerIf #PB_Compiler_IsMainFile And #PB_Compiler_Filename = \"main.pb\" And "
       "#PB_Compiler_FilePath + \"main.pb\" = #PB_Compiler_File\nmain\nCompilerEndIf\n"
       "CompilerIf #PB_Compiler_IsIncludeFile Or #PB_Compiler_ExecutableFormat <> "
       "#PB_Compiler_DLL\ninclude\nCompilerEndIf",
       {},
       "CompilerIf #PB_Compiler_IsMainFile And #PB_Compiler_Filename = \"main.pb\" And "
       "#PB_Compiler_FilePath + \"main.pb\" = #PB_Compiler_File\nmain\nCompilerEndIf\n"
       "CompilerIf #PB_Compiler_IsIncludeFile Or #PB_Compiler_ExecutableFormat <> "
       "#PB_Compiler_DLL\n-\nCompilerEndIf"},
      {"CompilerIf #PB_Compiler_Home = \"/opt/pb/\"\nh\nCompilerEndIf", linux,
       "CompilerIf #PB_Compiler_Home = \"/opt/pb/\"\nh\nCompilerEndIf"},
      {"CompilerIf #PB_Compiler_Home = \"/opt/pb/\"\nh\nCompilerEndIf", windows32,
       "CompilerIf #PB_Compiler_Home = \"/opt/pb/\"\nh\nCompilerEndIf"},
  };
  for (const auto& c : cases) EXPECT_EQ(readMain(c.source, c.settings), c.expected) << c.source;
}

TEST(CompilerView, ConstantsEnumerationsModulesAndDefinedDecideConditions) {
  const std::pair<const char*, const char*> cases[] = {
      // Candidates from undecided branches decide where they all agree.
      {"CompilerIf #PB_Compiler_OS = #PB_OS_Windows\n#Sep$ = \"\\\"\nCompilerElse\n"
       "#Sep$ = \"/\"\nCompilerEndIf\nCompilerIf #Sep <> \"\" : a : CompilerEndIf\n"
       "CompilerIf #Sep$ = \"/\" : b : CompilerElse : c : CompilerEndIf",
       "CompilerIf #PB_Compiler_OS = #PB_OS_Windows\n#Sep$ = \"\\\"\nCompilerElse\n"
       "#Sep$ = \"/\"\nCompilerEndIf\nCompilerIf #Sep <> \"\" : a : CompilerEndIf\n"
       "CompilerIf #Sep$ = \"/\" : b : CompilerElse : c : CompilerEndIf"},
      {"#A = 2 : #B = #A * 3 + 1\nCompilerIf #B = 7 And Defined(B, #PB_Constant) And Not "
       "Defined(C, #PB_Constant)\nyes\nCompilerEndIf\nCompilerIf Defined(PB_Other, #PB_Constant)\n"
       "maybe\nCompilerElse\nalso\nCompilerEndIf",
       "#A = 2 : #B = #A * 3 + 1\nCompilerIf #B = 7 And Defined(B, #PB_Constant) And Not "
       "Defined(C, #PB_Constant)\nyes\nCompilerEndIf\nCompilerIf Defined(PB_Other, #PB_Constant)\n"
       "maybe\nCompilerElse\nalso\nCompilerEndIf"},
      {"CompilerIf Defined(Helper, #PB_Procedure)\na\nCompilerEndIf\nProcedure.l Helper()\n"
       "Structure Point : x.l : EndStructure\nCompilerIf Defined(Helper, #PB_Procedure) And "
       "Defined(Point, #PB_Structure) And Not Defined(Point, #PB_Interface)\nb\nCompilerEndIf",
       "CompilerIf Defined(Helper, #PB_Procedure)\n-\nCompilerEndIf\nProcedure.l Helper()\n"
       "Structure Point : x.l : EndStructure\nCompilerIf Defined(Helper, #PB_Procedure) And "
       "Defined(Point, #PB_Structure) And Not Defined(Point, #PB_Interface)\nb\nCompilerEndIf"},
      {"Enumeration Colors 5 Step 5\n#Red\n#Green = 20\n#Blue\nEndEnumeration\n"
       "Enumeration Colors\n#Cyan\nEndEnumeration\nEnumerationBinary\n#F1 : #F2 : #F3\n"
       "EndEnumeration\nCompilerIf #Red = 5 And #Blue = 25 And #Cyan = 30 And #F3 = 4 And "
       "Defined(Colors, #PB_Enumeration)\nok\nCompilerElse\nwrong\nCompilerEndIf",
       "Enumeration Colors 5 Step 5\n#Red\n#Green = 20\n#Blue\nEndEnumeration\n"
       "Enumeration Colors\n#Cyan\nEndEnumeration\nEnumerationBinary\n#F1 : #F2 : #F3\n"
       "EndEnumeration\nCompilerIf #Red = 5 And #Blue = 25 And #Cyan = 30 And #F3 = 4 And "
       "Defined(Colors, #PB_Enumeration)\nok\nCompilerElse\n-\nCompilerEndIf"},
      {"DeclareModule Cfg\n#Level = 3\nCompilerIf #Level = 3 : in : CompilerEndIf\n"
       "EndDeclareModule\nCompilerIf Cfg::#Level = 3 And Defined(Cfg, #PB_Module)\nout\n"
       "CompilerEndIf\nCompilerIf #Level = 3\nunknown\nCompilerElse\nhere\nCompilerEndIf",
       "DeclareModule Cfg\n#Level = 3\nCompilerIf #Level = 3 : in : CompilerEndIf\n"
       "EndDeclareModule\nCompilerIf Cfg::#Level = 3 And Defined(Cfg, #PB_Module)\nout\n"
       "CompilerEndIf\nCompilerIf #Level = 3\nunknown\nCompilerElse\nhere\nCompilerEndIf"},
      // A procedure declared only in an undecided branch may or may not be defined.
      {"CompilerIf #PB_Compiler_OS = 1\nProcedure P()\nCompilerEndIf\nCompilerIf Defined(P, "
       "#PB_Procedure)\na\nCompilerElse\nb\nCompilerEndIf\nPrototype.l Cb(x)\nDeclareCDLL.l "
       "D(x)\nCompilerIf Defined(Cb, #PB_Prototype) And Defined(D, 53) : c : CompilerElse : d : "
       "CompilerEndIf",
       "CompilerIf #PB_Compiler_OS = 1\nProcedure P()\nCompilerEndIf\nCompilerIf Defined(P, "
       "#PB_Procedure)\na\nCompilerElse\nb\nCompilerEndIf\nPrototype.l Cb(x)\nDeclareCDLL.l "
       "D(x)\n~CompilerIf Defined(Cb, #PB_Prototype) And Defined(D, 53) : c : CompilerElse : "
       "CompilerEndIf"},
      // A constant defined in a skipped branch is not defined.
      {"CompilerIf #False\n#X = 1\nCompilerEndIf\nCompilerIf Defined(X, #PB_Constant)\nx\n"
       "CompilerEndIf",
       "CompilerIf #False\n-\nCompilerEndIf\nCompilerIf Defined(X, #PB_Constant)\n-\n"
       "CompilerEndIf"},
  };
  for (const auto& [source, expected] : cases) EXPECT_EQ(readMain(source), expected) << source;
}

TEST(CompilerView, MacrosAreExpandedWhereTheyAreUsed) {
  const std::pair<const char*, const char*> cases[] = {
      {"Macro boolean : i : EndMacro\nProcedureDLL.boolean Init(flag.boolean) ; flags",
       "Macro boolean : i : EndMacro\n~ProcedureDLL.i Init(flag.i)"},
      {"Macro Two(n)\n  ProcedureDLL n#A() ; first\n  ProcedureDLL n#B()\nEndMacro\nTwo(X)\n"
       "UndefineMacro Two\nTwo(Y)",
       "Macro Two(n)\n  ProcedureDLL n#A() ; first\n  ProcedureDLL n#B()\nEndMacro\n"
       "~ProcedureDLL XA()/ProcedureDLL XB()\nUndefineMacro Two\nTwo(Y)"},
      // A macro's CompilerIf is read where the macro is used.
      {"Macro Pick\nCompilerIf #False\nNo()\nCompilerElse\nYes()\nCompilerEndIf\nEndMacro\nPick",
       "Macro Pick\nCompilerIf #False\nNo()\nCompilerElse\nYes()\nCompilerEndIf\nEndMacro\n"
       "~CompilerIf #False//CompilerElse/Yes()/CompilerEndIf"},
      {"CompilerIf #False\nMacro Hidden\nCompilerEndIf\nEndMacro\nCompilerEndIf\nHidden",
       "CompilerIf #False\n-\n-\n-\nCompilerEndIf\nHidden"},
      {"Macro DQ : \" : EndMacro\nMacro Name(x) : DQ#x#DQ : EndMacro\ns = Name(abc)",
       "Macro DQ : \" : EndMacro\nMacro Name(x) : DQ#x#DQ : EndMacro\n~s = \"abc\""},
      {"Macro Ten : 10 : EndMacro\n#T = Ten\nCompilerIf #T = Ten : t : CompilerEndIf",
       "Macro Ten : 10 : EndMacro\n~#T = 10\nCompilerIf #T = Ten : t : CompilerEndIf"},
      {"Macro Self : Self : EndMacro\nx = 1\nSelf",
       "Macro Self : Self : EndMacro\nx = 1\n!Macro nesting too deep in line 3"},
  };
  for (const auto& [source, expected] : cases) EXPECT_EQ(readMain(source), expected) << source;
}

TEST(CompilerView, DirectivesPairWithinTheirFile) {
  const std::pair<const char*, const char*> cases[] = {
      {"a\nCompilerEndIf", "a\n!Unbalanced compiler directive in line 2"},
      {"CompilerIf 1\nCompilerCase 1", "CompilerIf 1\n!Unbalanced compiler directive in line 2"},
      {"CompilerSelect 1\nCompilerElse",
       "CompilerSelect 1\n!Unbalanced compiler directive in line 2"},
      {"CompilerIf 1\nCompilerIf 0\nCompilerEndIf",
       "CompilerIf 1\nCompilerIf 0\nCompilerEndIf\n!Unbalanced compiler directive in line 1"},
  };
  for (const auto& [source, expected] : cases) EXPECT_EQ(readMain(source), expected) << source;
  // An included file neither closes its includer's directives nor leaves its own open.
  CompilerView view({});
  view.enterFile("/p/", "main.pb");
  EXPECT_EQ(read(&view, "CompilerIf #PB_Compiler_IsMainFile\nmain"),
            "CompilerIf #PB_Compiler_IsMainFile\nmain");
  view.enterFile("/p/", "inc.pbi");
  EXPECT_EQ(read(&view,
                 "CompilerIf #PB_Compiler_IsMainFile\nself-test\nCompilerEndIf\nCompilerEndIf", 10),
            "CompilerIf #PB_Compiler_IsMainFile\n-\nCompilerEndIf\n"
            "!Unbalanced compiler directive in line 13");
  EXPECT_EQ(view.leaveFile().action, LineVerdict::Action::Keep);
  view.enterFile("/p/", "open.pbi");
  EXPECT_EQ(read(&view, "CompilerIf 1", 20), "CompilerIf 1");
  const LineVerdict left = view.leaveFile();
  EXPECT_EQ(left.text, "Unbalanced compiler directive in line 20");
  EXPECT_EQ(left.line, 20);
  EXPECT_EQ(read(&view, "CompilerEndIf"), "CompilerEndIf");
}

TEST(CompilerView, IncludeNamesAreConstantStringExpressions) {
  CompilerView view({"/opt/pb/", ""});
  view.enterFile("/p/", "main.pb");
  read(&view,
       "CompilerIf #PB_Compiler_OS = #PB_OS_Windows\n#Sep = \"\\\"\nCompilerElse\n"
       "#Sep = \"/\"\nCompilerEndIf\n#Dir$ = \"lib\" + #Sep");
  const std::pair<const char*, const char*> cases[] = {
      {"\"a.pbi\"", "a.pbi"},
      {"(\"a\" + \"b.pbi\") ; c", "ab.pbi"},
      {"#PB_Compiler_Home + \"x.pb\"", "/opt/pb/x.pb"},
      {"#PB_Compiler_FilePath + #PB_Compiler_Filename", "/p/main.pb"},
      {"#Dir$ + #Sep + \"i1.pbi\"", "lib\\\\i1.pbi|lib\\/i1.pbi|lib/\\i1.pbi|lib//i1.pbi"},
      {"#Missing + \"i1.pbi\"  ; old", "?#Missing + \"i1.pbi\""},
      {"\"a\" \"b\"", "?\"a\" \"b\""},
      {"1 + 2", "?1 + 2"}};
  for (const auto& [expression, expected] : cases) {
    const IncludeNames names = view.includeNames(expression);
    std::string out = names.evaluated ? "" : "?" + names.expression;
    for (const std::string& name : names.names) out += (out.empty() ? "" : "|") + name;
    EXPECT_EQ(out, expected) << expression;
  }
}
