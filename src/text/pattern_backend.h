// The regular-expression library's half of the pattern service, below the handle registry in
// pattern.cpp. One of pattern_pcre1.cpp / pattern_pcre2.cpp implements it.
#ifndef GANTRELL_TEXT_PATTERN_BACKEND_H_
#define GANTRELL_TEXT_PATTERN_BACKEND_H_

#include <cstddef>

#include "text/pattern.h"

/// Compiles with no options and the built-in character tables, plus native code where the
/// library has a JIT; null when the library rejects the pattern text or memory runs out.
Pattern* backendCompile(const char* patternText);

/// Searches the first `length` bytes as a whole subject from offset 0; on a match stores the
/// offsets of its start and end and returns true. A lack of memory throws std::bad_alloc; other
/// errors count as no match.
bool backendSearch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
                   size_t* end);

/// Releases the compiled code and everything made with it.
void backendRelease(const Pattern* pattern);

#endif  // GANTRELL_TEXT_PATTERN_BACKEND_H_
