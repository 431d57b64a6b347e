// Helpers shared by the fuzz targets: a scratch folder per input and checks that abort.
#ifndef GANTRELL_FUZZ_FUZZ_SUPPORT_H_
#define GANTRELL_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>

/// Aborts with the failed condition and a note, so that the fuzzer records the input.
#define FUZZ_CHECK(condition, note)                                  \
  do {                                                               \
    if (!(condition)) fuzzCheckFailed(#condition, note, __FILE__, __LINE__); \
  } while (0)

/// Prints what failed and aborts.
[[noreturn]] void fuzzCheckFailed(const char* condition, const std::string& note,
                                  const char* file, int line);

/// A fresh folder (ending in "/") that is removed with everything in it when this goes away.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  /// The folder's path, with a trailing "/".
  const std::string& path() const { return path_; }

  /// Writes `bytes` to a file at `relative` (its folders made as needed); returns its path.
  std::string write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

/// Reads a whole file; "" when it can't be read.
std::string readWholeFile(const std::string& path);

#endif  // GANTRELL_FUZZ_FUZZ_SUPPORT_H_
