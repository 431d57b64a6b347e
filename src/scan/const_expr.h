// Constant expressions as the compiler evaluates them, with values that may be unknown or one of
// a few candidates.
#ifndef GANTRELL_SCAN_CONST_EXPR_H_
#define GANTRELL_SCAN_CONST_EXPR_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// One value of a constant expression: a number, a string, or unknown.
struct Value {
  enum class Kind : uint8_t { Unknown, Number, String };
  Kind kind = Kind::Unknown;
  int64_t number = 0;
  std::string text;

  /// Makes a number.
  static Value of(int64_t number) { return {Kind::Number, number, {}}; }
  /// Makes a string.
  static Value of(std::string text) { return {Kind::String, 0, std::move(text)}; }
  bool operator==(const Value& other) const {
    return kind == other.kind && number == other.number && text == other.text;
  }
};

/// The values an expression may have, in source order: one when it is known, several where a
/// constant has several candidates, a single unknown value when nothing can be told.
using Values = std::vector<Value>;

/// The most candidates a value keeps; beyond them it is unknown.
constexpr size_t kMaxCandidates = 16;

/// Returns the single unknown value.
inline Values unknownValues() { return Values(1); }

/// A three-valued answer.
enum class Truth : uint8_t { False, True, Unknown };

/// Returns True or False when every candidate is a known number that says so, else Unknown.
Truth truthOf(const Values& values);

/// What an expression may refer to.
class ExpressionContext {
 public:
  virtual ~ExpressionContext() = default;
  /// The values of a constant named without its "#" and "$" ("Name" or "Module::Name").
  virtual Values constantValues(const std::string& name) const = 0;
  /// Whether `name` is defined as an object of `kind` (#PB_Constant, #PB_Procedure, …).
  virtual Truth defined(const std::string& name, int64_t kind) const = 0;
};

/// Evaluates the constant expression at the start of `text`. `end`, when given, receives where
/// the expression stopped: the end of the text when all of it was read. A part that can't be
/// read (a function, a floating-point number, a type error) is unknown.
Values evaluateExpression(std::string_view text, const ExpressionContext& context,
                          size_t* end = nullptr);

/// Adds the values not yet among `into`; false when that passes kMaxCandidates (`into` then
/// becomes unknown).
bool mergeValues(Values* into, const Values& more);

/// Returns the candidates of `left op right` for each pair, for a binary operator written as in
/// the source ("+", "<=", "and", …, lower case).
Values combineValues(const Values& left, std::string_view op, const Values& right);

#endif  // GANTRELL_SCAN_CONST_EXPR_H_
