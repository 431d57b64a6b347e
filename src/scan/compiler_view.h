// What the compiler would see of a source: its constants, the branches of CompilerIf and
// CompilerSelect it reads, the names of its includes, and its macros expanded. The loader hands
// it every line in reading order and is told what to do with the line.
#ifndef GANTRELL_SCAN_COMPILER_VIEW_H_
#define GANTRELL_SCAN_COMPILER_VIEW_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// What is known of the compiler from outside the source.
struct CompilerSettings {
  std::string home;    // #PB_Compiler_Home ("" when not given: unknown)
  std::string target;  // "windows-x64" and the like ("" when not given: no target)
};

/// Tells whether `target` names a target ("windows-x86", "windows-x64", "linux-x64",
/// "linux-arm64", "macos-x64", "macos-arm64"), and stores its #PB_OS_ and #PB_Processor_ values.
bool readTarget(const std::string& target, int64_t* os, int64_t* processor);

/// What the loader does with a line.
struct LineVerdict {
  enum class Action { Keep, Drop, Replace, Fail };
  Action action = Action::Keep;
  std::string_view text;  // Replace: the line as the compiler reads it; Fail: the message
                          // (valid until the view is next asked)
  int32_t line = 0;       // Fail: the line the message names
  bool inMacro = false;   // the line holds (part of) a macro's definition, whose includes are
                          // followed where the macro is used, not here
};

/// The names an include statement's expression gives.
struct IncludeNames {
  std::string expression;          // the expression as written, without blanks and comment
  std::vector<std::string> names;  // to try in this order (at most 16)
  bool evaluated = false;          // false: the expression can't be evaluated
};

/// The compiler's reading of one source and its includes.
class CompilerView {
 public:
  explicit CompilerView(const CompilerSettings& settings);
  ~CompilerView();

  /// Starts reading a file, named by its absolute folder (with the trailing separator) and its
  /// file name; the first file entered is the main file.
  void enterFile(const std::string& folder, const std::string& fileName);

  /// Ends the file entered last; Fail when a directive of it is left open.
  LineVerdict leaveFile();

  /// Reads one line of the current file; `line` is the number a message gives it. Keep: the
  /// line is read as it stands; Drop: the compiler skips it; Replace: it reads `text` instead
  /// (the line without its skipped statements, its macros expanded); Fail: the read ends.
  LineVerdict readLine(std::string_view text, int32_t line);

  /// Evaluates the expression of an IncludeFile, XIncludeFile or IncludePath statement.
  IncludeNames includeNames(std::string_view expression) const;

 private:
  class State;
  std::unique_ptr<State> state_;
};

#endif  // GANTRELL_SCAN_COMPILER_VIEW_H_
