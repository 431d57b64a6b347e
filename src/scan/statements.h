// A line's statements as the compiler reads them, for includes, constants, compiler directives
// and macros; where its literals and comment lie is code_spans.h's one rule.
#ifndef GANTRELL_SCAN_STATEMENTS_H_
#define GANTRELL_SCAN_STATEMENTS_H_

#include <cstddef>
#include <string_view>
#include <vector>

#include "scan/code_spans.h"

/// Tells whether a literal starts at `at`: a string "…", an escaped string ~"…" or a character
/// literal '…', as code_spans.h reads them.
bool startsLiteral(std::string_view line, size_t at);

/// Returns the position just past the literal that starts at `at` (code_spans.h's rule).
size_t literalEnd(std::string_view line, size_t at);

/// Tells whether a byte is a blank between the parts of a statement: a space, a tab or a
/// carriage return.
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

/// Returns the text without the blanks (spaces, tabs, carriage returns) at its ends.
std::string_view trimBlanks(std::string_view text);

/// Returns where the statement that starts at `from` in the line ends: at the ":" that
/// separates it from the next one (a ":" in code; "::" is module access), or where the line's
/// code ends, at the ";" that starts its comment or at the line's end. Every reader of
/// statements asks this, so that all of them cut a line alike.
inline size_t statementEnd(std::string_view line, size_t from) {
  size_t at = from;
  while (at < line.size()) {
    const Span span = spanAt(line, at);
    if (span.kind == SpanKind::Comment) break;
    if (span.kind == SpanKind::Code && line[at] == ':') {
      if (at + 1 < line.size() && line[at + 1] == ':') {
        at += 2;  // module access
        continue;
      }
      break;
    }
    at = span.end;
  }
  return at;
}

/// Tells whether a statement that ends at `end` (statementEnd) is followed by another one.
inline bool separatesStatements(std::string_view line, size_t end) {
  return end < line.size() && line[end] == ':';
}

/// Hands each statement of a line's code to `visit`, without blanks around it, until `visit`
/// returns false (statementEnd cuts them). Empty statements are left out. Returns false when
/// `visit` did.
template <typename Visit>
bool forEachStatement(std::string_view line, Visit&& visit) {
  for (size_t start = 0;;) {
    const size_t end = statementEnd(line, start);
    const std::string_view statement = trimBlanks(line.substr(start, end - start));
    if (!statement.empty() && !visit(statement)) return false;
    if (!separatesStatements(line, end)) return true;
    start = end + 1;
  }
}

/// Returns the statements of a line's code, as forEachStatement finds them.
std::vector<std::string_view> splitStatements(std::string_view line);

#endif  // GANTRELL_SCAN_STATEMENTS_H_
