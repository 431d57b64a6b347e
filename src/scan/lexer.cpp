#include "scan/lexer.h"

#include <memory>

#include "scan/classifier.h"
#include "text/pattern.h"
#include "text/text_ops.h"

const char kTokenPattern[] =
    "\\\".*\\\"|'|[0-9]+|\\.|;.+|\\$[0-9A-Fa-f]*|(\\#)?[a-zA-Z_][a-zA-Z_0-9]*\\$?|"
    "[-+\\*/^().,@\\?=!&%~<>\\|\\[\\]\\{\\}\\\\]|\\n";

namespace {

// The raw matches of the token pattern, taken one at a time with one match of look-ahead, so
// that a large text never needs an array of every match.
class RawMatches {
 public:
  RawMatches(const Pattern* pattern, const char* text) : cursor_(pattern, text) {}

  bool next(std::string* match) {
    if (hasAhead_) {
      hasAhead_ = false;
      match->swap(ahead_);
      return true;
    }
    if (!cursor_.next(match)) return false;
    ++count_;
    return true;
  }

  const std::string* peek() {
    if (!hasAhead_) {
      if (!cursor_.next(&ahead_)) return nullptr;
      ++count_;
      hasAhead_ = true;
    }
    return &ahead_;
  }

  int32_t count() const { return count_; }

 private:
  MatchCursor cursor_;
  std::string ahead_;
  bool hasAhead_ = false;
  int32_t count_ = 0;
};

bool mayStartPointer(int32_t previousKind) {
  return previousKind == None || previousKind == Operator || previousKind == StatementEnd;
}

}  // namespace

int32_t lexText(const std::string& text, TokenSink sink, void* context) {
  Pattern* pattern = compilePattern(kTokenPattern);
  if (pattern == nullptr) return -1;
  // The sink may throw (a token that can't be stored): the pattern goes all the same.
  const std::unique_ptr<Pattern, void (*)(Pattern*)> release(pattern, freePattern);
  RawMatches raw(pattern, text.c_str());
  std::string current;
  std::string piece;
  int32_t line = 1;
  int32_t kind = None;
  while (raw.next(&current)) {
    const int32_t previousKind = kind;
    kind = classifyToken(current);
    if (kind == Keyword) current = lowerCase(current);
    if (textEquals(current, "*") && mayStartPointer(previousKind)) {
      const std::string* following = raw.peek();
      if (following != nullptr && classifyToken(*following) == Identifier) {
        raw.next(&piece);
        current = "*" + piece;
        kind = Identifier;
      }
    }
    if (textEquals(current, "'")) {
      // A character literal runs to the next quote; without one it ends with its line, whose
      // line feed stays a token of its own.
      for (const std::string* following = raw.peek();
           following != nullptr && !textEquals(*following, "\n"); following = raw.peek()) {
        raw.next(&piece);
        current += piece;
        if (textEquals(piece, "'")) break;
      }
      kind = Number;
    }
    sink(current, kind, line, context);
    if (textEquals(current, "\n")) ++line;
  }
  return raw.count();
}
