// Which source lines name an included file, and where that file is looked for.
#ifndef GANTRELL_SCAN_INCLUDE_SEARCH_H_
#define GANTRELL_SCAN_INCLUDE_SEARCH_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/path.h"

/// One statement of a source line: what it asks of the loader. Both texts are views into the
/// line read.
struct IncludeDirective {
  enum class Kind { None, Include, IncludePath };
  Kind kind = Kind::None;
  std::string_view name;  // the quoted name after the keyword, as written ("" when there is none)
  std::string_view text;  // the statement as written, kept in the text where it is no include
  std::string_view expression;  // what follows the keyword, up to the statement's end
};

/// Reads the statement that starts at `*at` in the line and moves `*at` behind the ":" that ends
/// it, or past the line's end once the line is done (statementEnd's cut). A statement is an
/// IncludeFile/XIncludeFile or IncludePath one where its keyword stands in code (as the lexer
/// reads literals and comments: code_spans.h), as a whole word, in any letter case; its name is
/// the first string literal after the keyword.
IncludeDirective nextStatement(std::string_view line, size_t* at);

/// Tells quickly whether the line may hold an include keyword (IncludeFile, XIncludeFile,
/// IncludePath) in any letter case; false means it holds none, so nextStatement is not asked.
bool mayNameInclude(std::string_view line);

/// Tells whether any statement of the line is an IncludeFile/XIncludeFile one.
bool holdsInclude(std::string_view line);

/// An included file that opened on no path, and the line that named it.
struct MissingInclude {
  std::string name;    // as written in the include line
  std::string file;    // the including file, as its marker names it
  int32_t line;        // the include line's line in that file
  std::string reason;  // why a place that exists would not open ("" when none exists)
};

/// The places an included file is looked for when it is not beside the including file.
class IncludeSearch {
 public:
  /// Starts a search for the includes of the main source file in `mainFolder`.
  explicit IncludeSearch(std::string mainFolder) : mainFolder_(std::move(mainFolder)) {}

  /// Takes the folder of an IncludePath line read in a file of folder `holderFolder`.
  void setIncludePath(const std::string& holderFolder, const std::string& folder);

  /// Returns the paths to try, in order, after `first` (an absolute name as it stands, any other
  /// put behind the including file's folder) did not open: for a relative name the IncludePath
  /// folder and the main source's folder, and then the other spellings of each place.
  std::vector<std::string> fallbacks(const std::string& first, const std::string& name);

 private:
  std::string mainFolder_;
  std::string includePath_;
  bool hasIncludePath_ = false;
  PathSpellings spellings_;
};

#endif  // GANTRELL_SCAN_INCLUDE_SEARCH_H_
