#include "scan/const_expr.h"

#include <gtest/gtest.h>

#include "text/text_ops.h"

namespace {

// #A = 5, #S$ = "ab", Mod::#X = 9, #N is 1 or 2, #Sep$ is "\" or "/"; a procedure "Proc".
class FakeContext : public ExpressionContext {
 public:
  Values constantValues(const std::string& name) const override {
    const std::string key = lowerCase(name);
    if (key == "a") return {Value::of(5)};
    if (key == "s") return {Value::of("ab")};
    if (key == "mod::x") return {Value::of(9)};
    if (key == "n") return {Value::of(1), Value::of(2)};
    if (key == "sep") return {Value::of("\\"), Value::of("/")};
    if (key == "true") return {Value::of(1)};
    if (key == "false") return {Value::of(0)};
    if (key == "pb_procedure") return {Value::of(53)};
    return unknownValues();
  }
  Truth defined(const std::string& name, int64_t kind) const override {
    if (kind != 53) return Truth::Unknown;
    return lowerCase(name) == "proc" ? Truth::True : Truth::False;
  }
};

// The candidates as «5», «"ab"» or «?», joined by "|".
std::string show(const Values& values) {
  std::string out;
  for (const Value& v : values) {
    if (!out.empty()) out += "|";
    out += v.kind == Value::Kind::Number   ? decimalText(v.number)
           : v.kind == Value::Kind::String ? "\"" + v.text + "\""
                                           : "?";
  }
  return out;
}

std::string evaluate(const std::string& text) {
  return show(evaluateExpression(text, FakeContext()));
}

}  // namespace

TEST(ConstExpr, OperatorsTakeTheCompilersPrioritiesAndUnknownsTheirThreeValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"1 + 2 * 3", "7"},
      {"2 * 3 + 4 * 5", "26"},
      {"5 - 3 - 1", "1"},
      {"-(2 + 3)", "-5"},
      {"$FF + %101", "260"},
      {"$ff", "255"},
      {"10 % 3", "1"},
      {"1 << 4 | 1", "17"},
      {"7 & 3 ! 1", "2"},
      {"~0", "-1"},
      {"'A'", "65"},
      {"((((1))))", "1"},
      {"#A * 2 = 10", "1"},
      {"#A > 3 And #A < 5", "0"},
      {"Not #A = 5", "0"},
      {"1 XOr 1", "0"},
      {"0 Or 2", "1"},
      {"1 + 2 = 3 And 4 >= 4 And 3 =< 3 And 1 <> 2", "1"},
      {"\"a\" + #S$", "\"aab\""},
      {"\"b\" > \"a\"", "1"},
      {"~\"a\\tb\\\\\"", "\"a\tb\\\""},
      {"Mod::#X + 1", "10"},
      {"mod :: #x", "9"},
      {"#Sep + \"x\"", "\"\\x\"|\"/x\""},
      {"#N * 10", "10|20"},
      {"#N > 0", "1"},
      {"#N = 1", "1|0"},
      {"#False And #Missing", "0"},
      {"#Missing And #False", "0"},
      {"#True Or #Missing", "1"},
      {"#True And #Missing", "?"},
      {"Not #Missing", "?"},
      {"#False And SizeOf(x) = 4", "0"},
      {"1 / 0", "?"},
      {"1 << 64", "?"},
      {"1.5 > 1", "?"},
      {"\"a\" + 1", "?"},
      {"Defined(Proc, #PB_Procedure)", "1"},
      {"Defined(Other, 53) Or 0", "0"},
      {"Defined(#Proc, 7)", "?"},
      {"Bool(#A = 5) + 1", "2"},
      {"", "?"},
      {"(1", "?"},
      {"1 +", "?"},
      {"$", "?"},
      {"\"open", "?"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(evaluate(text), expected) << text;
  EXPECT_EQ(truthOf({Value::of(2), Value::of(1)}), Truth::True);
  EXPECT_EQ(truthOf({Value::of(0), Value::of(1)}), Truth::Unknown);
  EXPECT_EQ(truthOf({Value::of("x")}), Truth::Unknown);
}

TEST(ConstExpr, ReadingStopsWhereTheExpressionEndsAndNeverRunsDeep) {
  size_t end = 0;
  EXPECT_EQ(show(evaluateExpression("1 + 2 Step 3", FakeContext(), &end)), "3");
  EXPECT_EQ(end, 6u);
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_EQ(evaluate(deep), "?");
  EXPECT_EQ(evaluate(std::string(100000, '-') + "1"), "?");
  // Candidates beyond sixteen make the value unknown.
  EXPECT_EQ(evaluateExpression("#Sep + #Sep + #Sep + #Sep", FakeContext()).size(), 16u);
  EXPECT_EQ(evaluate("#Sep + #Sep + #Sep + #Sep + #Sep"), "?");
}
