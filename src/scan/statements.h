// A line's statements as the compiler reads them, for constants, compiler directives and macros;
// where its literals and comment lie is code_spans.h's one rule.
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

/// Returns the text without the blanks (spaces, tabs, carriage returns) at its ends.
std::string_view trimBlanks(std::string_view text);

/// Hands each statement of a line's code to `visit`, without blanks around it, until `visit`
/// returns false: the code ends at the ";" that starts the comment, and a ":" outside literals
/// (but not "::") separates statements. Empty statements are left out. Returns false when
/// `visit` did.
template <typename Visit>
bool forEachStatement(std::string_view line, Visit&& visit) {
  size_t start = 0;
  size_t at = 0;
  const auto cut = [&](size_t end) {
    const std::string_view statement = trimBlanks(line.substr(start, end - start));
    return statement.empty() || visit(statement);
  };
  while (at < line.size()) {
    const Span span = spanAt(line, at);
    if (span.kind == SpanKind::Comment) break;
    if (span.kind == SpanKind::Code && line[at] == ':') {
      if (at + 1 < line.size() && line[at + 1] == ':') {
        at += 2;  // module access
        continue;
      }
      if (!cut(at)) return false;
      start = ++at;
      continue;
    }
    at = span.end;
  }
  return cut(at);
}

/// Returns the statements of a line's code, as forEachStatement finds them.
std::vector<std::string_view> splitStatements(std::string_view line);

#endif  // GANTRELL_SCAN_STATEMENTS_H_
