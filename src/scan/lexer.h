// Cuts a text into classified tokens with line numbers.
#ifndef GANTRELL_SCAN_LEXER_H_
#define GANTRELL_SCAN_LEXER_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "scan/classifier.h"

struct Pattern;

/// The one pattern that cuts source text into raw matches.
extern const char kTokenPattern[];

/// Receives each token: its text, its kind, its line and the caller's context.
using TokenSink = void (*)(std::string_view text, TokenKind kind, int32_t line, void* context);

/// Hands every token of the text to the sink; returns how many raw matches it read (0 for a
/// text without tokens), or -1 when the token pattern can't be compiled.
int32_t lexText(const std::string& text, TokenSink sink, void* context);

/// One raw match of the token pattern: where it lies in the text, and its kind where the bytes
/// it is made of already tell (None where the classifier must be asked).
struct RawMatch {
  const char* text = nullptr;
  size_t length = 0;
  TokenKind kind = TokenKind::None;
};

/// Walks the raw matches of the compiled token pattern through a text, up to its first NUL.
/// Where the byte a match starts with decides what the pattern takes (names, numbers, single
/// characters, line feeds and blanks) the answer is read off the bytes; the pattern itself is
/// searched for everything else.
class RawMatches {
 public:
  /// Starts at the beginning of `text`; the pattern and the text must outlive the walk.
  RawMatches(const Pattern* tokenPattern, const std::string& text);

  /// Walks the `length` bytes at `text` alone; the byte behind them must end every run of
  /// names, digits and blanks (a NUL, a line feed, an apostrophe, a double quote or ";").
  RawMatches(const Pattern* tokenPattern, const char* text, size_t length);

  /// Stores the next raw match; false when there is none.
  bool next(RawMatch* match);

  /// Goes on at `at`, a place in the text behind the last match.
  void skipTo(const char* at) { at_ = static_cast<size_t>(at - text_); }

  /// The end of the line that `from` lies in: its line feed, or the end of the text. Asked for
  /// places that only move forward, it looks at each byte once.
  const char* lineEnd(const char* from) {
    if (lineEnd_ < from || lineEnd_ == nullptr) {
      const size_t left = length_ - static_cast<size_t>(from - text_);
      lineEnd_ = static_cast<const char*>(std::memchr(from, '\n', left));
      if (lineEnd_ == nullptr) lineEnd_ = text_ + length_;
    }
    return lineEnd_;
  }

 private:
  const Pattern* pattern_;
  const char* text_;
  size_t length_;
  size_t at_ = 0;
  const char* lineEnd_ = nullptr;
};

#endif  // GANTRELL_SCAN_LEXER_H_
