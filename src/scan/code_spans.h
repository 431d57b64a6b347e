// Where the literals and the comment of a line of PureBasic source lie: the one rule that the
// lexer and the include reader both follow, so that neither sees code where the other sees text.
#ifndef GANTRELL_SCAN_CODE_SPANS_H_
#define GANTRELL_SCAN_CODE_SPANS_H_

#include <cstddef>
#include <string_view>

/// What a stretch of a line is.
enum class SpanKind { Code, String, Character, Comment };

/// One stretch of a line: its kind and the index just behind it.
struct Span {
  SpanKind kind;
  size_t end;
};

/// Returns the stretch that starts at `at` in `line` (one line, without its line feed), where
/// `at` lies in code: a string literal from a double quote to the next one, an escaped string
/// from "~" and a double quote to the next double quote that no "\" escapes ("\\" is one
/// escaped backslash), a character literal from an apostrophe to the next one or else to the end
/// of the line, a comment from ";" to the end of the line; anything else, a double quote without
/// a partner too, is one byte of code.
Span spanAt(std::string_view line, size_t at);

#endif  // GANTRELL_SCAN_CODE_SPANS_H_
