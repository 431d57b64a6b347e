// Where a line's literals, comment and statements lie, as the compiler reads them: the view of a
// line that constants, compiler directives and macros are read from.
#ifndef GANTRELL_SCAN_STATEMENTS_H_
#define GANTRELL_SCAN_STATEMENTS_H_

#include <cstddef>
#include <string_view>
#include <vector>

/// Tells whether a literal starts at `at`: a string "…", an escaped string ~"…" or a character
/// literal '…'.
bool startsLiteral(std::string_view line, size_t at);

/// Returns the position just past the literal that starts at `at`: a string ends at the next
/// double quote, an escaped string at the first one not escaped by "\", a character literal at
/// the next apostrophe; an unclosed literal runs to the line's end.
size_t literalEnd(std::string_view line, size_t at);

/// Returns the statements of a line's code, without blanks around them: the code ends at the
/// ";" that starts the comment, and a ":" outside literals (but not "::") separates statements.
/// Empty statements are left out.
std::vector<std::string_view> splitStatements(std::string_view line);

/// Returns the text without the blanks (spaces, tabs, carriage returns) at its ends.
std::string_view trimBlanks(std::string_view text);

#endif  // GANTRELL_SCAN_STATEMENTS_H_
