#include "text/pattern.h"

#include <pcre.h>

#include <cstdlib>
#include <cstring>
#include <set>

#include "text/memory_budget.h"

struct Pattern {
  pcre* code;
  pcre_extra* study;  // the compiled code's study data (native code where PCRE has a JIT), or null
  pcre_jit_stack* stack;  // the native code's stack, or null when there is no native code
};

namespace {

// Every live handle; operations treat a handle that is not in here as no pattern.
std::set<const Pattern*>& registry() {
  static std::set<const Pattern*> live;
  return live;
}

const Pattern* live(const Pattern* pattern) {
  return pattern != nullptr && registry().count(pattern) != 0 ? pattern : nullptr;
}

// Runs one search. Study data only makes the search faster; should the JIT run out of stack,
// the same search is made again by the interpreter, so the answer never depends on it.
int execute(const Pattern* pattern, const char* subject, size_t length, int* offsets,
            int offsetCount) {
  const int size = static_cast<int>(length);
  int unused[3];
  if (offsets == nullptr) {  // the native entry wants room for the whole match
    offsets = unused;
    offsetCount = 3;
  }
  int result = pattern->stack != nullptr
                   ? pcre_jit_exec(pattern->code, pattern->study, subject, size, 0,
                                   PCRE_NO_UTF8_CHECK, offsets, offsetCount, pattern->stack)
                   : pcre_exec(pattern->code, pattern->study, subject, size, 0,
                               PCRE_NO_UTF8_CHECK, offsets, offsetCount);
  if (result == PCRE_ERROR_JIT_STACKLIMIT)
    result = pcre_exec(pattern->code, nullptr, subject, size, 0, PCRE_NO_UTF8_CHECK, offsets,
                       offsetCount);
  return result;
}

void release(const Pattern* pattern) {
  if (pattern->stack != nullptr) pcre_jit_stack_free(pattern->stack);
  if (pattern->study != nullptr) pcre_free_study(pattern->study);
  pcre_free(pattern->code);
  delete pattern;
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

// PCRE's allocations for compiled code count against the memory budget.
void* budgetedAllocation(size_t bytes) {
  return takeFromMemoryBudget(bytes) ? std::malloc(bytes) : nullptr;
}

}  // namespace

Pattern* compilePattern(const char* patternText) {
  if (patternText == nullptr) return nullptr;
  pcre_malloc = budgetedAllocation;
  const char* error = nullptr;
  int errorOffset = 0;
  pcre* code = pcre_compile(patternText, 0, &error, &errorOffset, nullptr);
  if (code == nullptr) return nullptr;
  const char* studyError = nullptr;
  pcre_extra* study = pcre_study(code, PCRE_STUDY_JIT_COMPILE, &studyError);
  int native = 0;
  if (study != nullptr && pcre_fullinfo(code, study, PCRE_INFO_JIT, &native) != 0) native = 0;
  pcre_jit_stack* stack = native == 1 ? pcre_jit_stack_alloc(32 * 1024, 1024 * 1024) : nullptr;
  Pattern* pattern = new Pattern{code, study, stack};
  registry().insert(pattern);
  return pattern;
}

bool patternMatches(const Pattern* pattern, const char* text) {
  if (live(pattern) == nullptr || text == nullptr) return false;
  return execute(pattern, text, std::strlen(text), nullptr, 0) >= 0;
}

MatchCursor::MatchCursor(const Pattern* pattern, const char* text)
    : pattern_(live(pattern)),
      rest_(text),
      restLength_(text == nullptr ? 0 : std::strlen(text)),
      done_(text == nullptr || pattern_ == nullptr) {}

bool MatchCursor::next(std::string* match) {
  if (done_) return false;
  // Each search treats the rest of the text as a whole new subject.
  int offsets[3] = {0, 0, 0};
  const int found = execute(pattern_, rest_, restLength_, offsets, 3);
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
  release(pattern);
}

void freeAllPatterns() {
  for (const Pattern* pattern : registry()) release(pattern);
  registry().clear();
}
