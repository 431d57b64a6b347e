// The pattern service over PCRE2 (libpcre2-8, 8-bit code units).
#include "text/pattern_backend.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

#include "text/memory_budget.h"

struct Pattern {
  pcre2_general_context* memory;  // every allocation of the library for this pattern
  pcre2_code* code;
  pcre2_match_data* match;  // room for the whole match only; a result of 0 still matched
  pcre2_match_context* context;  // hands the native code its stack, or null without native code
  pcre2_jit_stack* stack;  // the native code's stack, or null when there is no native code
};

namespace {

// PCRE2's allocations count against the memory budget.
void* budgetedAllocation(PCRE2_SIZE bytes, void*) { return budgetedMalloc(bytes); }

void release(void* data, void*) { budgetedFree(data); }

}  // namespace

Pattern* backendCompile(const char* patternText) {
  std::unique_ptr<Pattern> pattern(new Pattern{nullptr, nullptr, nullptr, nullptr, nullptr});
  pattern->memory = pcre2_general_context_create(budgetedAllocation, release, nullptr);
  pcre2_compile_context* settings = pcre2_compile_context_create(pattern->memory);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  if (settings != nullptr)
    pattern->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(patternText),
                                  PCRE2_ZERO_TERMINATED, 0, &error, &errorOffset, settings);
  pcre2_compile_context_free(settings);
  // The match data also holds the interpreter's frames: without it no search can be made.
  if (pattern->code != nullptr)
    pattern->match = pcre2_match_data_create(1, pattern->memory);
  if (pattern->match == nullptr) {
    backendRelease(pattern.release());
    return nullptr;
  }
  // Native code only makes the search faster: where it can't be had, the interpreter searches.
  if (pcre2_jit_compile(pattern->code, PCRE2_JIT_COMPLETE) == 0) {
    pattern->stack = pcre2_jit_stack_create(32 * 1024, 1024 * 1024, pattern->memory);
    pattern->context = pcre2_match_context_create(pattern->memory);
    if (pattern->stack != nullptr && pattern->context != nullptr)
      pcre2_jit_stack_assign(pattern->context, nullptr, pattern->stack);
  }
  return pattern.release();
}

// Native code only makes the search faster; should the JIT run out of stack, the same search
// is made again by the interpreter, so the answer never depends on it.
bool backendSearch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
                   size_t* end) {
  const PCRE2_SPTR bytes = reinterpret_cast<PCRE2_SPTR>(subject);
  // The native code's own entry skips the checks of the general one.
  int result = pattern->stack != nullptr
                   ? pcre2_jit_match(pattern->code, bytes, length, 0, PCRE2_NO_UTF_CHECK,
                                     pattern->match, pattern->context)
                   : pcre2_match(pattern->code, bytes, length, 0, PCRE2_NO_UTF_CHECK,
                                 pattern->match, pattern->context);
  if (result == PCRE2_ERROR_JIT_STACKLIMIT)
    result = pcre2_match(pattern->code, bytes, length, 0, PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT,
                         pattern->match, pattern->context);
  if (result == PCRE2_ERROR_NOMEMORY) throw std::bad_alloc();
  if (result < 0) return false;
  const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(pattern->match);
  *start = offsets[0];
  *end = offsets[1];
  return true;
}

void backendRelease(const Pattern* pattern) {
  pcre2_match_data_free(pattern->match);
  pcre2_match_context_free(pattern->context);
  pcre2_jit_stack_free(pattern->stack);
  pcre2_code_free(pattern->code);
  pcre2_general_context_free(pattern->memory);
  delete pattern;
}
