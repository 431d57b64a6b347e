// The pattern service over PCRE 8.x (libpcre, 8-bit).
#include "text/pattern_backend.h"

#include <pcre.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

#include "text/memory_budget.h"

namespace {

// The code goes through the release hook that was set when it was compiled.
struct FreeCode {
  void operator()(pcre* code) const { pcre_free(code); }
};
struct FreeStudy {
  void operator()(pcre_extra* study) const { pcre_free_study(study); }
};
struct FreeJitStack {
  void operator()(pcre_jit_stack* stack) const { pcre_jit_stack_free(stack); }
};

using OwnedCode = std::unique_ptr<pcre, FreeCode>;
using OwnedStudy = std::unique_ptr<pcre_extra, FreeStudy>;
using OwnedJitStack = std::unique_ptr<pcre_jit_stack, FreeJitStack>;

}  // namespace

// The members go in reverse order: the code, which the others were made from, last.
struct Pattern {
  OwnedCode code;
  OwnedStudy study;  // the compiled code's study data (native code where PCRE has a JIT), or null
  OwnedJitStack stack;  // the native code's stack, or null when there is no native code
};

Pattern* backendCompile(const char* patternText) {
  // PCRE's allocations count against the memory budget.
  pcre_malloc = budgetedMalloc;
  pcre_free = budgetedFree;
  const char* error = nullptr;
  int errorOffset = 0;
  OwnedCode code(pcre_compile(patternText, 0, &error, &errorOffset, nullptr));
  if (code == nullptr) return nullptr;
  const char* studyError = nullptr;
  OwnedStudy study(pcre_study(code.get(), PCRE_STUDY_JIT_COMPILE, &studyError));
  int native = 0;
  if (study != nullptr && pcre_fullinfo(code.get(), study.get(), PCRE_INFO_JIT, &native) != 0)
    native = 0;
  OwnedJitStack stack(native == 1 ? pcre_jit_stack_alloc(32 * 1024, 1024 * 1024) : nullptr);
  return new Pattern{std::move(code), std::move(study), std::move(stack)};
}

// Study data only makes the search faster; should the JIT run out of stack, the same search is
// made again by the interpreter, so the answer never depends on it.
bool backendSearch(const Pattern* pattern, const char* subject, size_t length, size_t* start,
                   size_t* end) {
  const int size = static_cast<int>(length);
  int offsets[3] = {0, 0, 0};  // room for the whole match only; a result of 0 still matched
  int result = pattern->stack != nullptr
                   ? pcre_jit_exec(pattern->code.get(), pattern->study.get(), subject, size, 0,
                                   PCRE_NO_UTF8_CHECK, offsets, 3, pattern->stack.get())
                   : pcre_exec(pattern->code.get(), pattern->study.get(), subject, size, 0,
                               PCRE_NO_UTF8_CHECK, offsets, 3);
  if (result == PCRE_ERROR_JIT_STACKLIMIT)
    result = pcre_exec(pattern->code.get(), nullptr, subject, size, 0, PCRE_NO_UTF8_CHECK, offsets, 3);
  if (result == PCRE_ERROR_NOMEMORY) throw std::bad_alloc();
  if (result < 0) return false;
  *start = static_cast<size_t>(offsets[0]);
  *end = static_cast<size_t>(offsets[1]);
  return true;
}

void backendRelease(const Pattern* pattern) { delete pattern; }
