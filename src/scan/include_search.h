// Which source lines name an included file, and where that file is looked for.
#ifndef GANTRELL_SCAN_INCLUDE_SEARCH_H_
#define GANTRELL_SCAN_INCLUDE_SEARCH_H_

#include <cstdint>
#include <string>
#include <vector>

#include "text/path.h"

/// What a source line asks of the loader: nothing, an included file, or a folder to search.
struct IncludeDirective {
  enum class Kind { None, Include, IncludePath };
  Kind kind = Kind::None;
  std::string name;  // the quoted name after the keyword, as written ("" when there is none)
  std::string expression;  // the rest of the line after the keyword
};

/// Reads an IncludeFile/XIncludeFile or IncludePath keyword that stands in the line's code, as a
/// whole word, in any letter case, outside strings and before the comment.
IncludeDirective readIncludeDirective(const std::string& line);

/// An included file that opened on no path, and the line that named it.
struct MissingInclude {
  std::string name;  // as written in the include line
  std::string file;  // the including file, as its marker names it
  int32_t line;      // the include line's line in that file
};

/// The places an included file is looked for when it is not beside the including file.
class IncludeSearch {
 public:
  /// Starts a search for the includes of the main source file in `mainFolder`.
  explicit IncludeSearch(std::string mainFolder) : mainFolder_(std::move(mainFolder)) {}

  /// Takes the folder of an IncludePath line read in a file of folder `holderFolder`.
  void setIncludePath(const std::string& holderFolder, const std::string& folder);

  /// Returns the paths to try, in order, after `besideIncluder` (the name put behind the
  /// including file's folder) did not open: the name itself when it is absolute, the IncludePath
  /// folder, the main source's folder, and then the other spellings of each.
  std::vector<std::string> fallbacks(const std::string& besideIncluder, const std::string& name);

 private:
  std::string mainFolder_;
  std::string includePath_;
  bool hasIncludePath_ = false;
  PathSpellings spellings_;
};

#endif  // GANTRELL_SCAN_INCLUDE_SEARCH_H_
