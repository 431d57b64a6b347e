// Regular expressions (Perl-compatible, 8-bit, case-sensitive) behind an opaque handle.
#ifndef GANTRELL_TEXT_PATTERN_H_
#define GANTRELL_TEXT_PATTERN_H_

#include <cstddef>
#include <memory>

/// How many bytes after a subject's end the library's native code may read, in blocks, without
/// using them; where they hold a value, memory checkers see no read of undefined bytes.
constexpr size_t kPatternReadAhead = 64;

/// A compiled regular expression; null stands for a pattern that did not compile.
struct Pattern;

/// Compiles a pattern text with no options, or returns null.
Pattern* compilePattern(const char* patternText);

/// Tells whether the pattern matches anywhere in the text (up to its first NUL).
bool patternMatches(const Pattern* pattern, const char* text);

/// Finds the leftmost match in the first `length` bytes of `subject`, searched as a text of its
/// own; stores the offsets of its start and end and returns true, or returns false.
bool findMatch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
               size_t* end);

/// Releases a pattern; null and unknown handles are ignored.
void freePattern(Pattern* pattern);

/// Releases every pattern still alive.
void freeAllPatterns();

/// Releases a pattern whose owner goes.
struct FreePattern {
  void operator()(Pattern* pattern) const { freePattern(pattern); }
};

/// A compiled pattern with one owner, released however the owner goes.
using OwnedPattern = std::unique_ptr<Pattern, FreePattern>;

#endif  // GANTRELL_TEXT_PATTERN_H_
