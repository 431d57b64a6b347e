#include "scan/const_expr.h"

#include <algorithm>
#include <limits>

#include "scan/statements.h"
#include "text/text_ops.h"

namespace {

// The longest string a constant expression builds (a path's length at most); a longer one is
// unknown, so that constants that double each other's text cost neither memory nor time.
constexpr size_t kMaxStringLength = 4096;

// The deepest nesting of parentheses and prefix operators read; deeper text is unknown.
constexpr int kMaxDepth = 256;

int hexDigit(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isNumber(const Value& v) { return v.kind == Value::Kind::Number; }
bool isString(const Value& v) { return v.kind == Value::Kind::String; }

int64_t wrap(uint64_t bits) { return static_cast<int64_t>(bits); }

Value compare(int order, std::string_view op) {
  bool result = false;
  if (op == "=")
    result = order == 0;
  else if (op == "<>")
    result = order != 0;
  else if (op == "<")
    result = order < 0;
  else if (op == ">")
    result = order > 0;
  else if (op == "<=" || op == "=<")
    result = order <= 0;
  else
    result = order >= 0;  // ">=" and "=>"
  return Value::of(result ? 1 : 0);
}

bool isComparison(std::string_view op) {
  return op == "=" || op == "<>" || op == "<" || op == ">" || op == "<=" || op == ">=" ||
         op == "=<" || op == "=>";
}

// One operator applied to two single values. And and Or are decided by one known side where
// that side alone decides them.
Value apply(const Value& l, std::string_view op, const Value& r) {
  const bool lFalse = isNumber(l) && l.number == 0;
  const bool rFalse = isNumber(r) && r.number == 0;
  if (op == "and") {
    if (lFalse || rFalse) return Value::of(0);
    return isNumber(l) && isNumber(r) ? Value::of(1) : Value();
  }
  if (op == "or") {
    if ((isNumber(l) && !lFalse) || (isNumber(r) && !rFalse)) return Value::of(1);
    return isNumber(l) && isNumber(r) ? Value::of(0) : Value();
  }
  if (op == "xor")
    return isNumber(l) && isNumber(r) ? Value::of(lFalse != rFalse ? 1 : 0) : Value();
  if (isString(l) && isString(r)) {
    if (isComparison(op)) return compare(l.text.compare(r.text), op);
    if (op == "+" && l.text.size() + r.text.size() <= kMaxStringLength)
      return Value::of(l.text + r.text);
    return Value();
  }
  if (!isNumber(l) || !isNumber(r)) return Value();
  const int64_t a = l.number;
  const int64_t b = r.number;
  const uint64_t ua = static_cast<uint64_t>(a);
  const uint64_t ub = static_cast<uint64_t>(b);
  if (isComparison(op)) return compare(a < b ? -1 : a > b ? 1 : 0, op);
  if (op == "+") return Value::of(wrap(ua + ub));
  if (op == "-") return Value::of(wrap(ua - ub));
  if (op == "*") return Value::of(wrap(ua * ub));
  if (op == "&") return Value::of(a & b);
  if (op == "|") return Value::of(a | b);
  if (op == "!") return Value::of(a ^ b);
  if (op == "<<" || op == ">>") {
    if (b < 0 || b > 63) return Value();
    return Value::of(op == "<<" ? wrap(ua << b) : a >> b);
  }
  // "/" and "%": no division by zero, and no quotient past the largest number
  if (b == 0 || (a == std::numeric_limits<int64_t>::min() && b == -1)) return Value();
  return Value::of(op == "/" ? a / b : a % b);
}

// The compiler's operator priorities, lowest first; a level reads the ones above it.
enum Priority : int {
  kLogical = 1,  // And Or XOr
  kNot,          // Not
  kComparison,   // = <> < > <= >= =< =>
  kSum,          // + -
  kProduct,      // * /
  kBitwise,      // | &
  kShift,        // << >> % !
  kPrefix,       // - ~ + before an operand
};

// A recursive-descent reader over the text, one level per priority.
class Parser {
 public:
  Parser(std::string_view text, const ExpressionContext& context)
      : text_(text), context_(context) {}

  Values parse(size_t* end) {
    Values values = level(kLogical);
    skipBlanks();
    if (end != nullptr) *end = failed_ ? stop_ : at_;
    return failed_ ? unknownValues() : values;
  }

 private:
  void skipBlanks() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
  }

  // The name at the position (letters, digits, "_"), without moving.
  std::string_view nameAt(size_t at) const {
    size_t end = at;
    while (end < text_.size() && isNameByte(text_[end])) ++end;
    if (end == at || isDigit(text_[at])) return {};
    return text_.substr(at, end - at);
  }

  bool takeChar(char c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  // The binary operator of priority `priority` at the position, taken, or "".
  std::string takeOperator(int priority) {
    skipBlanks();
    if (at_ >= text_.size() || failed_) return "";
    const std::string_view rest = text_.substr(at_);
    // The symbols of each priority, longest first where one begins another; the logical
    // operators are words, and Not takes no left operand.
    static const char* const kByPriority[kPrefix][8] = {
        {},         {},         {},         {"<>", "<=", ">=", "=<", "=>", "=", "<", ">"},
        {"+", "-"}, {"*", "/"}, {"|", "&"}, {"<<", ">>", "%", "!"}};
    if (priority == kLogical) {
      const std::string word = lowerCase(std::string(nameAt(at_)));
      if (word == "and" || word == "or" || word == "xor") {
        at_ += word.size();
        return word;
      }
      return "";
    }
    for (const char* op : kByPriority[priority]) {
      if (op == nullptr) break;
      const std::string_view candidate(op);
      if (rest.substr(0, candidate.size()) != candidate) continue;
      // "<" and ">" are not the first half of "<<" or ">>"
      if (priority == kComparison && candidate.size() == 1 && rest.size() > 1 && rest[1] == rest[0]) continue;
      at_ += candidate.size();
      return std::string(candidate);
    }
    return "";
  }

  bool tooDeep() {
    if (depth_ < kMaxDepth) return false;
    fail();
    return true;
  }

  void fail() {
    if (!failed_) stop_ = at_;
    failed_ = true;
  }

  Values level(int priority) {
    if (priority == kPrefix) return prefixed();
    if (priority == kNot) {
      skipBlanks();
      if (lowerCaseEquals(std::string(nameAt(at_)), "not")) {
        if (tooDeep()) return unknownValues();
        at_ += 3;
        ++depth_;
        Values inner = level(kNot);
        --depth_;
        for (Value& v : inner) v = isNumber(v) ? Value::of(v.number == 0 ? 1 : 0) : Value();
        return inner;
      }
      return level(kComparison);
    }
    Values left = level(priority + 1);
    for (std::string op = takeOperator(priority); !op.empty(); op = takeOperator(priority))
      left = combineValues(left, op, level(priority + 1));
    return left;
  }

  Values prefixed() {
    skipBlanks();
    if (at_ < text_.size() && (text_[at_] == '-' || text_[at_] == '~' || text_[at_] == '+') &&
        !startsLiteral(text_, at_)) {
      if (tooDeep()) return unknownValues();
      const char op = text_[at_++];
      ++depth_;
      Values inner = prefixed();
      --depth_;
      for (Value& v : inner) {
        if (!isNumber(v))
          v = Value();
        else if (op == '-')
          v.number = wrap(0 - static_cast<uint64_t>(v.number));
        else if (op == '~')
          v.number = ~v.number;
      }
      return inner;
    }
    return primary();
  }

  Values primary() {
    skipBlanks();
    if (at_ >= text_.size()) {
      fail();
      return unknownValues();
    }
    const char c = text_[at_];
    if (c == '(') {
      if (tooDeep()) return unknownValues();
      ++at_;
      ++depth_;
      Values inner = level(kLogical);
      --depth_;
      if (!takeChar(')')) fail();
      return inner;
    }
    if (isDigit(c)) return {decimal()};
    if (c == '$' || c == '%') return {radix(c == '$' ? 16 : 2)};
    if (startsLiteral(text_, at_)) return {literal()};
    if (c == '#') {
      ++at_;
      return constant("");
    }
    const std::string_view name = nameAt(at_);
    if (name.empty()) {
      fail();
      return unknownValues();
    }
    at_ += name.size();
    const std::string lowered = lowerCase(std::string(name));
    skipBlanks();
    if (text_.substr(at_, 2) == "::") {
      at_ += 2;
      skipBlanks();
      if (takeChar('#')) return constant(std::string(name) + "::");
      fail();
      return unknownValues();
    }
    if (at_ < text_.size() && text_[at_] == '$') ++at_;
    if (lowered == "defined" && takeChar('(')) return {definedCall()};
    if (lowered == "bool" && takeChar('(')) {
      Values inner = level(kLogical);
      if (!takeChar(')')) fail();
      const Truth truth = truthOf(inner);
      return {truth == Truth::Unknown ? Value() : Value::of(truth == Truth::True ? 1 : 0)};
    }
    // A function or a variable: its arguments are passed over, its value is unknown.
    if (at_ < text_.size() && text_[at_] == '(') skipParentheses();
    return unknownValues();
  }

  Value decimal() {
    uint64_t number = 0;
    while (at_ < text_.size() && isDigit(text_[at_])) number = number * 10 + (text_[at_++] - '0');
    if (at_ + 1 < text_.size() && text_[at_] == '.' && isDigit(text_[at_ + 1])) {
      // A floating-point number: read, never computed with.
      ++at_;
      while (at_ < text_.size() && (isDigit(text_[at_]) || text_[at_] == 'e' || text_[at_] == 'E'))
        ++at_;
      return Value();
    }
    return Value::of(wrap(number));
  }

  Value radix(int base) {
    const size_t start = ++at_;
    uint64_t number = 0;
    for (; at_ < text_.size(); ++at_) {
      const int digit = hexDigit(text_[at_]);
      if (digit < 0 || digit >= base) break;
      number = number * base + digit;
    }
    if (at_ == start) fail();
    return Value::of(wrap(number));
  }

  Value literal() {
    const size_t start = at_;
    at_ = literalEnd(text_, at_);
    const char quote = text_[start];
    const size_t open = quote == '~' ? start + 2 : start + 1;
    if (at_ <= open || text_[at_ - 1] != (quote == '\'' ? '\'' : '"')) {
      fail();
      return Value();
    }
    const std::string_view inside = text_.substr(open, at_ - 1 - open);
    if (quote == '\'')
      return inside.size() == 1 ? Value::of(static_cast<unsigned char>(inside[0])) : Value();
    if (quote == '"') return Value::of(std::string(inside));
    std::string text;
    for (size_t i = 0; i < inside.size(); ++i) {
      if (inside[i] != '\\' || i + 1 == inside.size()) {
        text += inside[i];
        continue;
      }
      const char e = inside[++i];
      text += e == 'n'   ? '\n'
              : e == 't' ? '\t'
              : e == 'r' ? '\r'
              : e == 'a' ? '\a'
              : e == 'b' ? '\b'
              : e == 'f' ? '\f'
              : e == 'v' ? '\v'
              : e == '0' ? '\0'
                         : e;
    }
    return Value::of(std::move(text));
  }

  Values constant(const std::string& prefix) {
    const std::string_view name = nameAt(at_);
    if (name.empty()) {
      fail();
      return unknownValues();
    }
    at_ += name.size();
    if (at_ < text_.size() && text_[at_] == '$') ++at_;
    return context_.constantValues(prefix + std::string(name));
  }

  // Defined(Name, Kind): the name with or without its "#" or "*", a module prefix and a "$".
  Value definedCall() {
    skipBlanks();
    if (at_ < text_.size() && (text_[at_] == '#' || text_[at_] == '*')) ++at_;
    std::string name(nameAt(at_));
    at_ += name.size();
    skipBlanks();
    if (text_.substr(at_, 2) == "::") {
      at_ += 2;
      skipBlanks();
      if (at_ < text_.size() && text_[at_] == '#') ++at_;
      const std::string_view inner = nameAt(at_);
      at_ += inner.size();
      name += "::" + std::string(inner);
    }
    if (at_ < text_.size() && text_[at_] == '$') ++at_;
    if (name.empty() || !takeChar(',')) {
      fail();
      return Value();
    }
    const Values kinds = level(kLogical);
    if (!takeChar(')')) fail();
    if (kinds.size() != 1 || !isNumber(kinds[0])) return Value();
    const Truth truth = context_.defined(name, kinds[0].number);
    return truth == Truth::Unknown ? Value() : Value::of(truth == Truth::True ? 1 : 0);
  }

  void skipParentheses() {
    int open = 0;
    while (at_ < text_.size()) {
      if (startsLiteral(text_, at_)) {
        at_ = literalEnd(text_, at_);
        continue;
      }
      const char c = text_[at_++];
      if (c == '(') ++open;
      if (c == ')' && --open == 0) return;
    }
    fail();
  }

  std::string_view text_;
  const ExpressionContext& context_;
  size_t at_ = 0;
  size_t stop_ = 0;
  int depth_ = 0;
  bool failed_ = false;
};

}  // namespace

Truth truthOf(const Values& values) {
  bool anyTrue = false;
  bool anyFalse = false;
  for (const Value& v : values) {
    if (!isNumber(v)) return Truth::Unknown;
    (v.number != 0 ? anyTrue : anyFalse) = true;
  }
  if (anyTrue == anyFalse) return Truth::Unknown;
  return anyTrue ? Truth::True : Truth::False;
}

Values evaluateExpression(std::string_view text, const ExpressionContext& context, size_t* end) {
  return Parser(text, context).parse(end);
}

bool mergeValues(Values* into, const Values& more) {
  for (const Value& v : more) {
    if (std::find(into->begin(), into->end(), v) != into->end()) continue;
    if (into->size() == kMaxCandidates) {
      *into = unknownValues();
      return false;
    }
    into->push_back(v);
  }
  return true;
}

Values combineValues(const Values& left, std::string_view op, const Values& right) {
  Values result;
  for (const Value& l : left)
    for (const Value& r : right)
      if (!mergeValues(&result, {apply(l, op, r)})) return result;
  return result;
}
