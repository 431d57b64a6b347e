#include "scan/macros.h"

#include <gtest/gtest.h>

namespace {

void define(MacroTable* table, const char* head, const char* body) {
  MacroDefinition macro;
  ASSERT_TRUE(readMacroHead(head, &macro)) << head;
  macro.body = body;
  table->define(std::move(macro));
}

// The expansion's text, "=" when nothing was expanded, or "!deep" / "!large".
std::string expand(MacroTable& table, const std::string& text) {
  const Expansion expansion = table.expand(text);
  switch (expansion.outcome) {
    case Expansion::Outcome::Unchanged:
      return "=";
    case Expansion::Outcome::TooDeep:
      return "!deep";
    case Expansion::Outcome::TooLarge:
      return "!large";
    case Expansion::Outcome::Expanded:
      break;
  }
  return expansion.text;
}

}  // namespace

TEST(Macros, UsesAreReplacedWithArgumentsDefaultsAndJoinedNames) {
  MacroTable table;
  EXPECT_EQ(expand(table, "boolean"), "=");
  define(&table, "boolean", "i");
  define(&table, "ColorGetter(name, value)",
         "ProcedureDLL.l Color_#name()\nProcedureReturn value\nEndProcedure");
  define(&table, "Add(a, B = 1)", "a + b");
  define(&table, "Twice(x)", "x x");
  define(&table, "DeclareProxyFunc(DllName, FuncName)",
         "ProcedureDLL FuncName() : !jmp [p#FuncName] : EndProcedure");
  define(&table, "Empty()", "");
  define(&table, "DQuote", "\"");
  define(&table, "Assert(e)", "If Not (e) : Debug DQuote#e#DQuote : EndIf");
  const std::pair<const char*, const char*> cases[] = {
      {"ProcedureDLL.boolean Init(flag.BOOLEAN)", "ProcedureDLL.i Init(flag.i)"},
      {"ColorGetter(Red, $0000FF)",
       "ProcedureDLL.l Color_Red()\nProcedureReturn $0000FF\nEndProcedure"},
      {"x = Add(y) * Add (y, 2)", "x = y + 1 * y + 2"},
      {"Add(f(1, 2), \"a,b\")", "f(1, 2) + \"a,b\""},
      {"Add(Add(1))", "1 + 1 + 1"},
      {"Twice(boolean)", "i i"},
      {"Assert(x = 1)", "If Not (x = 1) : Debug \"x = 1\" : EndIf"},
      {"x = Empty() + 1", "x =  + 1"},
      {"DeclareProxyFunc(version, GetFileVersionInfoA)",
       "ProcedureDLL GetFileVersionInfoA() : !jmp [pGetFileVersionInfoA] : EndProcedure"},
      // Not a use: in a literal, a constant, a string variable, a hex number, without arguments.
      {"s = \"boolean\" + 'boolean' + #boolean + boolean$ + $boolean", "="},
      {"Add + 1", "="},
      {"Add(1", "="}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(expand(table, text), expected) << text;
    EXPECT_EQ(table.usedIn(text), expected != std::string("=") || text[0] == 'A') << text;
  }
  EXPECT_FALSE(table.usedIn("x = y ; boolean"));
  table.undefine(" Boolean ");
  EXPECT_EQ(expand(table, "flag.boolean"), "=");
}

TEST(Macros, RecursionAndRunawayGrowthEndInErrors) {
  MacroTable table;
  define(&table, "Again", "x Again");
  EXPECT_EQ(expand(table, "Again"), "!deep");
  define(&table, "D0", "xxxxxxxx");
  for (int i = 1; i <= 40; ++i) {
    const std::string head = "D" + std::to_string(i);
    const std::string lower = "D" + std::to_string(i - 1);
    define(&table, head.c_str(), (lower + " " + lower).c_str());
  }
  EXPECT_EQ(expand(table, "D12").size(), 4096u * 9 - 1);
  EXPECT_EQ(expand(table, "D40"), "!large");
  define(&table, "Nothing", "");
  define(&table, "Many", "Nothing Nothing Nothing Nothing Nothing Nothing Nothing Nothing");
  EXPECT_EQ(expand(table, "Many"), std::string(7, ' '));
}
