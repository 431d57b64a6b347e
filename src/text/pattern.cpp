#include "text/pattern.h"

#include <cstring>
#include <set>
#include <string>

#include "text/pattern_backend.h"

namespace {

// Every live handle; operations treat a handle that is not in here as no pattern.
std::set<const Pattern*>& registry() {
  static std::set<const Pattern*> live;
  return live;
}

const Pattern* live(const Pattern* pattern) {
  return pattern != nullptr && registry().count(pattern) != 0 ? pattern : nullptr;
}

}  // namespace

Pattern* compilePattern(const char* patternText) {
  if (patternText == nullptr) return nullptr;
  Pattern* pattern = backendCompile(patternText);
  if (pattern == nullptr) return nullptr;
  try {
    registry().insert(pattern);
  } catch (...) {
    backendRelease(pattern);
    throw;
  }
  return pattern;
}

bool patternMatches(const Pattern* pattern, const char* text) {
  if (live(pattern) == nullptr || text == nullptr) return false;
  // The texts tested are short: a copy with a tail of zero bytes costs little.
  const size_t length = std::strlen(text);
  char onStack[256];
  std::string onHeap;
  char* subject = onStack;
  if (length + kPatternReadAhead > sizeof onStack) {
    onHeap.resize(length + kPatternReadAhead);
    subject = &onHeap[0];
  }
  std::memcpy(subject, text, length);
  std::memset(subject + length, 0, kPatternReadAhead);
  size_t start = 0;
  size_t end = 0;
  return backendSearch(pattern, subject, length, &start, &end);
}

bool findMatch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
               size_t* end) {
  if (live(pattern) == nullptr || subject == nullptr) return false;
  return backendSearch(pattern, subject, length, start, end);
}

void freePattern(Pattern* pattern) {
  if (pattern == nullptr || registry().erase(pattern) == 0) return;
  backendRelease(pattern);
}

void freeAllPatterns() {
  for (const Pattern* pattern : registry()) backendRelease(pattern);
  registry().clear();
}
