#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

void fuzzCheckFailed(const char* condition, const std::string& note, const char* file,
                     int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", file, line, condition, note.c_str());
  std::fflush(stderr);
  std::abort();
}
