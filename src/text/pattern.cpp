#include "text/pattern.h"

#include <pcre.h>

#include <cstring>
#include <set>

struct Pattern {
  pcre* code;
};

namespace {

// Every live handle; operations treat a handle that is not in here as no pattern.
std::set<const Pattern*>& registry() {
  static std::set<const Pattern*> live;
  return live;
}

const pcre* codeOf(const Pattern* pattern) {
  if (pattern == nullptr || registry().count(pattern) == 0) return nullptr;
  return pattern->code;
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
  const char* error = nullptr;
  int errorOffset = 0;
  pcre* code = pcre_compile(patternText, 0, &error, &errorOffset, nullptr);
  if (code == nullptr) return nullptr;
  Pattern* pattern = new Pattern{code};
  registry().insert(pattern);
  return pattern;
}

bool patternMatches(const Pattern* pattern, const char* text) {
  const pcre* code = codeOf(pattern);
  if (code == nullptr || text == nullptr) return false;
  const int length = static_cast<int>(std::strlen(text));
  return pcre_exec(code, nullptr, text, length, 0, PCRE_NO_UTF8_CHECK, nullptr, 0) >= 0;
}

MatchCursor::MatchCursor(const Pattern* pattern, const char* text)
    : pattern_(pattern),
      rest_(text),
      restLength_(text == nullptr ? 0 : std::strlen(text)),
      done_(text == nullptr) {}

bool MatchCursor::next(std::string* match) {
  const pcre* code = codeOf(pattern_);
  if (done_ || code == nullptr) return false;
  // Each search treats the rest of the text as a whole new subject.
  int offsets[3] = {0, 0, 0};
  const int found = pcre_exec(code, nullptr, rest_, static_cast<int>(restLength_), 0,
                              PCRE_NO_UTF8_CHECK, offsets, 3);
  if (found < 0) {
    done_ = true;
    return false;
  }
  match->assign(rest_ + offsets[0], static_cast<size_t>(offsets[1] - offsets[0]));
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

int extractMatches(const Pattern* pattern, const char* text, std::vector<std::string>* matches) {
  MatchCursor cursor(pattern, text);
  std::vector<std::string> found;
  std::string match;
  while (cursor.next(&match)) found.push_back(match);
  if (found.empty()) return 0;  // the array keeps what it held
  matches->swap(found);
  return static_cast<int>(matches->size());
}

void freePattern(Pattern* pattern) {
  if (pattern == nullptr || registry().erase(pattern) == 0) return;
  pcre_free(pattern->code);
  delete pattern;
}

void freeAllPatterns() {
  std::set<const Pattern*> live;
  live.swap(registry());
  for (const Pattern* pattern : live) {
    pcre_free(pattern->code);
    delete pattern;
  }
}
