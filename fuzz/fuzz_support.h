// Helpers shared by the fuzz targets: checks that abort. Scratch folders and file reads are the
// unit tests' own (tests/test_support.h).
#ifndef GANTRELL_FUZZ_FUZZ_SUPPORT_H_
#define GANTRELL_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "test_support.h"

/// Aborts with the failed condition and a note, so that the fuzzer records the input.
#define FUZZ_CHECK(condition, note)                                  \
  do {                                                               \
    if (!(condition)) fuzzCheckFailed(#condition, note, __FILE__, __LINE__); \
  } while (0)

/// Prints what failed and aborts.
[[noreturn]] void fuzzCheckFailed(const char* condition, const std::string& note,
                                  const char* file, int line);

#endif  // GANTRELL_FUZZ_FUZZ_SUPPORT_H_
