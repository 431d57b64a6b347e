// The pattern service over PCRE 8.x (libpcre, 8-bit).
#include "text/pattern_backend.h"

#include <pcre.h>

#include <cstddef>
#include <cstdlib>
#include <new>

#include "text/memory_budget.h"

struct Pattern {
  pcre* code;
  pcre_extra* study;  // the compiled code's study data (native code where PCRE has a JIT), or null
  pcre_jit_stack* stack;  // the native code's stack, or null when there is no native code
};

Pattern* backendCompile(const char* patternText) {
  // PCRE's allocations count against the memory budget.
  pcre_malloc = budgetedMalloc;
  pcre_free = budgetedFree;
  const char* error = nullptr;
  int errorOffset = 0;
  pcre* code = pcre_compile(patternText, 0, &error, &errorOffset, nullptr);
  if (code == nullptr) return nullptr;
  const char* studyError = nullptr;
  pcre_extra* study = pcre_study(code, PCRE_STUDY_JIT_COMPILE, &studyError);
  int native = 0;
  if (study != nullptr && pcre_fullinfo(code, study, PCRE_INFO_JIT, &native) != 0) native = 0;
  pcre_jit_stack* stack = native == 1 ? pcre_jit_stack_alloc(32 * 1024, 1024 * 1024) : nullptr;
  return new Pattern{code, study, stack};
}

// Study data only makes the search faster; should the JIT run out of stack, the same search is
// made again by the interpreter, so the answer never depends on it.
bool backendSearch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
                   size_t* end) {
  const int size = static_cast<int>(length);
  int offsets[3] = {0, 0, 0};  // room for the whole match only; a result of 0 still matched
  int result = pattern->stack != nullptr
                   ? pcre_jit_exec(pattern->code, pattern->study, subject, size, 0,
                                   PCRE_NO_UTF8_CHECK, offsets, 3, pattern->stack)
                   : pcre_exec(pattern->code, pattern->study, subject, size, 0,
                               PCRE_NO_UTF8_CHECK, offsets, 3);
  if (result == PCRE_ERROR_JIT_STACKLIMIT)
    result = pcre_exec(pattern->code, nullptr, subject, size, 0, PCRE_NO_UTF8_CHECK, offsets, 3);
  if (result == PCRE_ERROR_NOMEMORY) throw std::bad_alloc();
  if (result < 0) return false;
  *start = static_cast<size_t>(offsets[0]);
  *end = static_cast<size_t>(offsets[1]);
  return true;
}

void backendRelease(const Pattern* pattern) {
  if (pattern->stack != nullptr) pcre_jit_stack_free(pattern->stack);
  if (pattern->study != nullptr) pcre_free_study(pattern->study);
  pcre_free(pattern->code);
  delete pattern;
}
