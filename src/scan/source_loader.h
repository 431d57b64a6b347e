// Reads a source file and the files it includes into one text, and tokenizes it.
#ifndef GANTRELL_SCAN_SOURCE_LOADER_H_
#define GANTRELL_SCAN_SOURCE_LOADER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scan/compiler_view.h"
#include "scan/include_search.h"
#include "scan/token_list.h"
#include "text/memory_budget.h"

/// Where a run of combined-text lines came from.
struct SourceOrigin {
  int32_t firstLine;  // line of the combined text
  std::string path;   // the file, as its marker names it
  int32_t fileLine;   // line of that file at firstLine; 0 when firstLine is a marker
};

/// An include whose name is an expression that could not be evaluated: its first string was
/// read instead.
struct GuessedInclude {
  std::string expression;  // as written
  std::string name;        // the string read instead
  std::string file;        // the including file, as its marker names it
  int32_t line;            // the include line's line in that file
};

/// Maps lines of the combined text back to the files and lines they came from, and keeps the
/// includes that could not be found.
struct SourceMap {
  std::vector<SourceOrigin> origins;
  std::vector<MissingInclude> missingIncludes;
  std::vector<GuessedInclude> guessedIncludes;
  std::string error;      // loading stopped at a directive or a macro: the message
  int32_t errorLine = 0;  // the combined-text line it names
  size_t textLimit = 2147483647;  // the most bytes the combined text may hold
  bool tooLarge = false;          // loading stopped: the files would have passed textLimit
  MemoryClaim claim;              // the memory of the origins and the includes kept above

  /// Finds the file and file line of a combined-text line; false when it lies outside the text.
  bool locate(int32_t line, std::string* path, int32_t* fileLine) const;

  /// Returns the files read, each once, as their markers name them.
  std::vector<std::string> filesRead() const;
};

/// Returns the combined text of a file and everything it includes, each file's part opened by a
/// marker line: ";{PB+}:" and the file's path. The text's memory is taken from the memory budget
/// through `claim` (while loading only, when it is null). Every byte of a file counts toward the
/// map's textLimit.
std::string loadSource(const std::string& directory, const std::string& fileName,
                       SourceMap* map = nullptr, MemoryClaim* claim = nullptr,
                       const CompilerSettings& compiler = {});

/// Returns the token list of a source file and its includes (empty when it can't be read).
/// An `exact` path is taken as it stands; otherwise a double quote in it is a delimiter.
/// `compiler` tells what is known of the compiler beyond the source.
TokenList* tokenizeFile(const std::string& path, SourceMap* map = nullptr, bool exact = false,
                        const CompilerSettings& compiler = {});

#endif  // GANTRELL_SCAN_SOURCE_LOADER_H_
