#include "text/pattern.h"

#include <cstring>
#include <set>

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

// Finds `needle` in the first `length` bytes of `haystack`; returns its offset or -1.
long findBytes(const char* haystack, size_t length, const char* needle, size_t needleLength) {
  if (needleLength == 0) return 0;
  if (needleLength > length) return -1;
  const char* last = haystack + (length - needleLength);
  for (const char* at = haystack; at <= last; ++at) {
    at = static_cast<const char*>(std::memchr(at, needle[0], static_cast<size_t>(last - at) + 1));
    if (at == nullptr) return -1;
    if (std::memcmp(at, needle, needleLength) == 0) return at - haystack;
  }
  return -1;
}

}  // namespace

Pattern* compilePattern(const char* patternText) {
  if (patternText == nullptr) return nullptr;
  Pattern* pattern = backendCompile(patternText);
  if (pattern != nullptr) registry().insert(pattern);
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

MatchCursor::MatchCursor(const Pattern* pattern, const char* text)
    : pattern_(live(pattern)),
      rest_(text),
      restLength_(text == nullptr ? 0 : std::strlen(text)),
      done_(text == nullptr || pattern_ == nullptr) {}

bool MatchCursor::next(std::string* match) {
  if (done_) return false;
  // Each search treats the rest of the text as a whole new subject.
  size_t start = 0;
  size_t end = 0;
  if (!backendSearch(pattern_, rest_, restLength_, &start, &end)) {
    done_ = true;
    return false;
  }
  match->assign(rest_ + start, end - start);
  // Resume behind the first occurrence of the match text in the rest.
  const long at = findBytes(rest_, restLength_, match->data(), match->size());
  if (at < 0) {
    done_ = true;
    return false;
  }
  const size_t advance = static_cast<size_t>(at) + match->size();
  rest_ += advance;
  restLength_ -= advance;
  if (advance == 0) done_ = true;  // an empty match at the start ends the walk
  return true;
}

void freePattern(Pattern* pattern) {
  if (pattern == nullptr || registry().erase(pattern) == 0) return;
  backendRelease(pattern);
}

void freeAllPatterns() {
  for (const Pattern* pattern : registry()) backendRelease(pattern);
  registry().clear();
}
