// Macros as the compiler expands them: definitions with parameters and default values, "#"
// concatenation, macros used inside macros.
#ifndef GANTRELL_SCAN_MACROS_H_
#define GANTRELL_SCAN_MACROS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// The deepest a macro's expansion may use further macros.
constexpr int kMaxMacroNesting = 64;

/// The largest text an expansion may grow to.
constexpr size_t kMaxExpansionSize = 1 << 20;

/// One macro: its parameters with their default values, and its body (statements of one body
/// line joined by " : ", body lines by line feeds).
struct MacroDefinition {
  std::string name;
  bool takesArguments = false;  // declared with parentheses, so used with them
  std::vector<std::string> parameters;
  std::vector<std::string> defaults;  // "" where the parameter has none
  std::string body;
};

/// Reads a macro's head, the text after the word "Macro" ("Name(a, b = 1)"); false when it
/// names no macro.
bool readMacroHead(std::string_view head, MacroDefinition* macro);

/// What an expansion gave.
struct Expansion {
  enum class Outcome { Unchanged, Expanded, TooDeep, TooLarge };
  Outcome outcome = Outcome::Unchanged;
  std::string text;  // Expanded: the text with every macro use replaced
};

/// The macros defined so far, by their names in any letter case.
class MacroTable {
 public:
  /// Defines a macro; an earlier one of the same name is replaced.
  void define(MacroDefinition macro);
  /// Removes a macro (UndefineMacro).
  void undefine(std::string_view name);
  /// Tells whether a macro of this name is defined.
  bool defines(std::string_view name) const;
  /// Tells whether no macro is defined.
  bool empty() const { return macros_.empty(); }
  /// Tells whether the text's code (outside literals, before a comment) uses a macro.
  bool usedIn(std::string_view text) const;
  /// Tells whether the name from `at` to `end` in the text is a macro's use.
  bool usesAt(std::string_view text, size_t at, size_t end) const;
  /// Replaces each use of a macro in `text` (code outside literals) by its expansion.
  Expansion expand(std::string_view text);

 private:
  std::unordered_map<std::string, MacroDefinition> macros_;
  size_t spent_ = 0;  // the body bytes all expansions have copied
  // For each name length (modulo 64), a bit for each first and each last letter (lowered,
  // modulo 64) that a macro name of that length has had: most names are told apart from macros
  // without a look-up.
  uint64_t firstLetters_[64] = {};
  uint64_t lastLetters_[64] = {};
  // The first letters of the macro names (lowered), while they are few: a text holding none of
  // them at a name's start uses no macro, which memchr tells quickly.
  std::string initials_;
  uint64_t initialPatterns_[4] = {};  // each initial in lower case, in each of 8 bytes
  size_t patternCount_ = 0;
  bool manyInitials_ = false;
  // For each first letter (lowered, modulo 64), a bit for each second byte (lowered, modulo 64;
  // bit 0 where the name has one letter) of a macro name.
  uint64_t secondLetters_[64] = {};

  /// Tells whether a name of the text may be a macro's by its length, first and last letter.
  bool mayName(std::string_view name) const;
  /// Tells whether a name in the text starts with a macro's initial and is a macro's name
  /// (in code or not).
  bool mayUseInitials(std::string_view text) const;
};

#endif  // GANTRELL_SCAN_MACROS_H_
