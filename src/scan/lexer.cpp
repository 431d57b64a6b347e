#include "scan/lexer.h"

#include <array>
#include <cstring>
#include <memory>

#include "scan/classifier.h"
#include "scan/code_spans.h"
#include "text/pattern.h"
#include "text/text_ops.h"

const char kTokenPattern[] =
    "\\\".*\\\"|'|[0-9]+|\\.|;.+|\\$[0-9A-Fa-f]*|(\\#)?[a-zA-Z_][a-zA-Z_0-9]*\\$?|"
    "[-+\\*/^().,@\\?=!&%~<>\\|\\[\\]\\{\\}\\\\]|\\n";

namespace {

// What the token pattern does at a position, told by the byte there alone.
enum class Start : uint8_t {
  Ask,     // it depends on the bytes that follow ("$", "#"): the pattern is searched
  Name,    // a letter or "_": a name of letters, digits and "_", with an optional "$" after it
  Digits,  // a run of decimal digits
  Single,  // one byte on its own: an operator, a point, a comma, a quote or a line feed
  Blank,   // no match starts here: the byte is skipped
  Literal, // a double quote, "~" or ";": where its string or comment ends is code_spans.h's rule
};

constexpr std::array<Start, 256> kStarts = [] {
  std::array<Start, 256> starts{};
  for (int c = 'a'; c <= 'z'; ++c) starts[c] = starts[c - 'a' + 'A'] = Start::Name;
  starts['_'] = Start::Name;
  for (int c = '0'; c <= '9'; ++c) starts[c] = Start::Digits;
  for (const char c : std::string_view("-+*/^().,@?=!&%~<>|[]{}\\'\n"))
    starts[static_cast<unsigned char>(c)] = Start::Single;
  starts['"'] = starts['~'] = starts[';'] = Start::Literal;
  // No alternative of the pattern starts with any other byte. The NUL after the text is none of
  // these: it ends every run.
  for (int c = 1; c < 256; ++c)
    if (starts[c] == Start::Ask && c != '$' && c != '#') starts[c] = Start::Blank;
  return starts;
}();

bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The classifier's kind of a string literal: its number test finds a decimal fraction ("1.5")
// or a "$" with a hex digit anywhere in the text, quotes and all, and makes it a Number;
// any other literal is a String.
TokenKind stringKind(const char* text, size_t length) {
  for (size_t i = 0; i + 1 < length; ++i) {
    if (text[i] == '$' && isHexDigit(text[i + 1])) return TokenKind::Number;
    if (isDigit(text[i]) && text[i + 1] == '.' && i + 2 < length && isDigit(text[i + 2]))
      return TokenKind::Number;
  }
  return TokenKind::String;
}

// The raw matches with one match of look-ahead.
class Lookahead {
 public:
  explicit Lookahead(RawMatches* raw) : raw_(raw) {}

  bool next(RawMatch* match) {
    if (hasAhead_) {
      hasAhead_ = false;
      *match = ahead_;
      return true;
    }
    if (!raw_->next(match)) return false;
    ++count_;
    return true;
  }

  const RawMatch* peek() {
    if (!hasAhead_) {
      if (!raw_->next(&ahead_)) return nullptr;
      ++count_;
      hasAhead_ = true;
    }
    return &ahead_;
  }

  int32_t count() const { return count_; }

  // Goes on at `at`, behind the last match taken, having counted `matches` more raw matches.
  void skipTo(const char* at, int32_t matches) {
    raw_->skipTo(at);
    count_ += matches;
  }

 private:
  RawMatches* raw_;
  RawMatch ahead_;
  bool hasAhead_ = false;
  int32_t count_ = 0;
};

bool mayStartPointer(TokenKind previousKind) {
  return previousKind == TokenKind::None || previousKind == TokenKind::Operator ||
         previousKind == TokenKind::StatementEnd;
}

bool isSingleByte(const RawMatch& match, char c) { return match.length == 1 && match.text[0] == c; }

// The kind of a raw match: read off its bytes where they tell, else from the classifier.
TokenKind kindOf(const RawMatch& match) {
  if (match.kind != TokenKind::None) return match.kind;
  return classifyToken(std::string_view(match.text, match.length));
}

// Returns the character literal that the apostrophe `quote` opens, and goes on behind it. It
// runs to the next apostrophe on its line and is kept as written, blanks, double quotes and
// ";" included (code_spans.h). Without one it ends with its line, whose line feed stays a token
// of its own, and its token (built in `joined`) joins the raw matches of its bytes.
std::string_view characterLiteral(const RawMatch& quote, RawMatches* matches, Lookahead* raw,
                                  const Pattern* pattern, std::string* joined) {
  const char* lineEnd = matches->lineEnd(quote.text);
  const Span span = spanAt(std::string_view(quote.text, lineEnd - quote.text), 0);
  if (span.end >= 2 && quote.text[span.end - 1] == '\'') {
    raw->skipTo(quote.text + span.end, 0);
    return std::string_view(quote.text, span.end);
  }
  *joined = "'";
  int32_t taken = 0;
  RawMatches inner(pattern, quote.text + 1, span.end - 1);
  for (RawMatch piece; inner.next(&piece); ++taken) joined->append(piece.text, piece.length);
  raw->skipTo(quote.text + span.end, taken);
  return *joined;
}

}  // namespace

RawMatches::RawMatches(const Pattern* tokenPattern, const std::string& text)
    : pattern_(tokenPattern), text_(text.c_str()), length_(std::strlen(text.c_str())) {}

RawMatches::RawMatches(const Pattern* tokenPattern, const char* text, size_t length)
    : pattern_(tokenPattern), text_(text), length_(length) {}

bool RawMatches::next(RawMatch* match) {
  while (at_ < length_) {
    const char* start = text_ + at_;
    size_t length = 1;
    TokenKind kind = TokenKind::None;
    switch (kStarts[static_cast<unsigned char>(*start)]) {
      case Start::Blank:
        // The text ends in a NUL, which is no blank: the run stops at the end at the latest.
        do ++at_;
        while (kStarts[static_cast<unsigned char>(text_[at_])] == Start::Blank);
        continue;
      case Start::Single: {
        // The classifier's answers for single bytes, taken once.
        static const std::array<TokenKind, 256> kinds = [] {
          std::array<TokenKind, 256> table{};
          for (int c = 1; c < 256; ++c) {
            const char byte = static_cast<char>(c);
            table[c] = classifyToken(std::string_view(&byte, 1));
          }
          return table;
        }();
        kind = kinds[static_cast<unsigned char>(*start)];
        break;
      }
      // The NUL after the text ends a run of digits or name bytes.
      case Start::Digits:
        while (isDigit(start[length])) ++length;
        kind = TokenKind::Number;
        break;
      case Start::Name:
        while (isNameByte(start[length])) ++length;
        if (start[length] == '$') ++length;
        kind = isKeyword(start, length) ? TokenKind::Keyword : TokenKind::Identifier;
        break;
      case Start::Literal: {
        const std::string_view line(start, static_cast<size_t>(lineEnd(start) - start));
        const Span span = spanAt(line, 0);
        if (span.kind == SpanKind::Code && *start == '~') {  // "~" that opens no string
          kind = TokenKind::Operator;
          break;
        }
        if (span.kind == SpanKind::Code || span.end < 2) {  // no partner, or ";" alone
          ++at_;
          continue;
        }
        *match = {start, span.end,
                  span.kind == SpanKind::Comment ? TokenKind::Comment
                                                 : stringKind(start, span.end)};
        at_ += match->length;
        return true;
      }
      case Start::Ask: {
        size_t first = 0;
        size_t end = 0;
        // A match never holds an earlier copy of itself, so the walk goes on right behind it.
        if (!findMatch(pattern_, start, length_ - at_, &first, &end) || end == 0) {
          at_ = length_;
          return false;
        }
        // The match lies further on: it is read where it starts, by the rules above.
        if (first > 0) {
          at_ += first;
          continue;
        }
        // Only a constant starts with "#", and only a hex number with "$" (a "$" on its own is
        // no number).
        const char lead = start[first];
        const size_t matched = end - first;
        *match = {start + first, matched,
                  lead == '#'   ? TokenKind::Constant
                  : lead == '$' ? (matched > 1 ? TokenKind::Number : TokenKind::Other)
                                : TokenKind::None};
        at_ += end;
        return true;
      }
    }
    *match = {start, length, kind};
    at_ += length;
    return true;
  }
  return false;
}

// The walk over the raw matches is built into this loop: a call per match is a good part of
// the cost of cutting a text.
[[gnu::flatten]] int32_t lexText(const std::string& text, TokenSink sink, void* context) {
  // The sink may throw (a token that can't be stored): the pattern goes all the same.
  const OwnedPattern owned(compilePattern(kTokenPattern));
  const Pattern* pattern = owned.get();
  if (pattern == nullptr) return -1;
  RawMatches matches(pattern, text);
  Lookahead raw(&matches);
  RawMatch match;
  std::string joined;  // the text of a token that is not one raw match as it stands
  int32_t line = 1;
  TokenKind kind = TokenKind::None;
  while (raw.next(&match)) {
    const TokenKind previousKind = kind;
    std::string_view token(match.text, match.length);
    kind = kindOf(match);
    if (kind == TokenKind::Keyword) {
      joined.assign(token);
      lowerCaseInPlace(&joined);
      token = joined;
    }
    // A "*" where an operand may start, before a name, is a pointer's: "*name" is one name.
    if (isSingleByte(match, '*') && mayStartPointer(previousKind)) {
      const RawMatch* following = raw.peek();
      if (following != nullptr && kindOf(*following) == TokenKind::Identifier) {
        raw.next(&match);
        joined = "*";
        token = joined.append(match.text, match.length);
        kind = TokenKind::Identifier;
      }
    }
    if (isSingleByte(match, '\'')) {
      token = characterLiteral(match, &matches, &raw, pattern, &joined);
      kind = TokenKind::Number;
    }
    sink(token, kind, line, context);
    if (token == "\n") ++line;
  }
  return raw.count();
}
