// The pattern service over PCRE2 (libpcre2-8, 8-bit code units).
#include "text/pattern_backend.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

#include "text/memory_budget.h"

namespace {

// Releases one of PCRE2's objects with the function the library gives for it.
template <auto freeFunction>
struct Released {
  template <class Object>
  void operator()(Object* object) const {
    freeFunction(object);
  }
};

template <class Object, auto freeFunction>
using Owned = std::unique_ptr<Object, Released<freeFunction>>;

}  // namespace

// The objects go in the reverse order of these members: the general context, whose allocator
// the others were made and are freed with, last.
struct Pattern {
  // every allocation of the library for this pattern
  Owned<pcre2_general_context, pcre2_general_context_free> memory;
  Owned<pcre2_code, pcre2_code_free> code;
  // the native code's stack, or null when there is no native code
  Owned<pcre2_jit_stack, pcre2_jit_stack_free> stack;
  // hands the native code its stack, or null without native code
  Owned<pcre2_match_context, pcre2_match_context_free> context;
  // room for the whole match only; a result of 0 still matched
  Owned<pcre2_match_data, pcre2_match_data_free> match;
};

namespace {

// PCRE2's allocations count against the memory budget.
void* budgetedAllocation(PCRE2_SIZE bytes, void*) { return budgetedMalloc(bytes); }

void release(void* data, void*) { budgetedFree(data); }

}  // namespace

Pattern* backendCompile(const char* patternText) {
  auto pattern = std::make_unique<Pattern>();
  pattern->memory.reset(pcre2_general_context_create(budgetedAllocation, release, nullptr));
  {
    const Owned<pcre2_compile_context, pcre2_compile_context_free> settings(
        pcre2_compile_context_create(pattern->memory.get()));
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    if (settings != nullptr)
      pattern->code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(patternText),
                                        PCRE2_ZERO_TERMINATED, 0, &error, &errorOffset,
                                        settings.get()));
  }
  // The match data also holds the interpreter's frames: without it no search can be made.
  if (pattern->code != nullptr)
    pattern->match.reset(pcre2_match_data_create(1, pattern->memory.get()));
  if (pattern->match == nullptr) return nullptr;
  // Native code only makes the search faster: where it can't be had, the interpreter searches.
  if (pcre2_jit_compile(pattern->code.get(), PCRE2_JIT_COMPLETE) == 0) {
    pattern->stack.reset(pcre2_jit_stack_create(32 * 1024, 1024 * 1024, pattern->memory.get()));
    pattern->context.reset(pcre2_match_context_create(pattern->memory.get()));
    if (pattern->stack != nullptr && pattern->context != nullptr)
      pcre2_jit_stack_assign(pattern->context.get(), nullptr, pattern->stack.get());
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
                   ? pcre2_jit_match(pattern->code.get(), bytes, length, 0, PCRE2_NO_UTF_CHECK,
                                     pattern->match.get(), pattern->context.get())
                   : pcre2_match(pattern->code.get(), bytes, length, 0, PCRE2_NO_UTF_CHECK,
                                 pattern->match.get(), pattern->context.get());
  if (result == PCRE2_ERROR_JIT_STACKLIMIT)
    result = pcre2_match(pattern->code.get(), bytes, length, 0, PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT,
                         pattern->match.get(), pattern->context.get());
  if (result == PCRE2_ERROR_NOMEMORY) throw std::bad_alloc();
  if (result < 0) return false;
  const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(pattern->match.get());
  *start = offsets[0];
  *end = offsets[1];
  return true;
}

void backendRelease(const Pattern* pattern) { delete pattern; }
