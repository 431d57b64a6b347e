#include "scan/compiler_view.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "scan/const_expr.h"
#include "scan/macros.h"
#include "scan/statements.h"
#include "text/text_ops.h"

namespace {

// The values of the kinds Defined() tells apart.
constexpr int64_t kPbConstant = 50;
constexpr int64_t kPbProcedure = 53;
constexpr int64_t kPbStructure = 7;
constexpr int64_t kPbPrototype = 57;
constexpr int64_t kPbModule = 58;
constexpr int64_t kPbEnumeration = 59;
constexpr int64_t kPbInterface = 52;

// The compiler's own constants that hold whatever the target, by their lower-case names.
const std::unordered_map<std::string, int64_t>& fixedConstants() {
  static const std::unordered_map<std::string, int64_t> constants = {
      {"true", 1},
      {"false", 0},
      {"pb_compiler_unicode", 1},
      {"pb_compiler_executableformat", 1},
      {"pb_compiler_executable", 0},
      {"pb_compiler_dll", 1},
      {"pb_compiler_console", 2},
      {"pb_os_windows", 1},
      {"pb_os_linux", 2},
      {"pb_os_amigaos", 3},
      {"pb_os_macos", 4},
      {"pb_os_web", 5},
      {"pb_processor_mc68000", 1},
      {"pb_processor_x86", 2},
      {"pb_processor_powerpc", 3},
      {"pb_processor_x64", 4},
      {"pb_processor_javascript", 5},
      {"pb_processor_arm64", 6},
      {"pb_processor_arm32", 7},
      {"pb_backend_asm", 0},
      {"pb_backend_c", 1},
      {"pb_constant", kPbConstant},
      {"pb_procedure", kPbProcedure},
      {"pb_structure", kPbStructure},
      {"pb_prototype", kPbPrototype},
      {"pb_module", kPbModule},
      {"pb_enumeration", kPbEnumeration},
      {"pb_interface", kPbInterface}};
  return constants;
}

// The compiler constants whose value comes from the file, the target or the command line.
bool isSettingConstant(const std::string& name) {
  static const std::unordered_set<std::string> names = {
      "pb_compiler_file",       "pb_compiler_filepath",      "pb_compiler_filename",
      "pb_compiler_ismainfile", "pb_compiler_isincludefile", "pb_compiler_home",
      "pb_compiler_os",         "pb_compiler_processor"};
  return names.count(name) != 0;
}

// The words that start a statement the view reads, in lower case, in the order of Word; any
// other statement is passed as it stands unless it uses a macro.
constexpr std::string_view kViewWords[] = {
    "compilerif",       "compilerelseif",  "compilerelse",      "compilerendif",  "compilerselect",
    "compilercase",     "compilerdefault", "compilerendselect", "macro",          "endmacro",
    "undefinemacro",    "enumeration",     "enumerationbinary", "endenumeration", "declaremodule",
    "enddeclaremodule", "module",          "endmodule",         "usemodule",      "unusemodule",
    "structure",        "interface",       "prototype",         "prototypec",     "procedure",
    "procedurec",       "proceduredll",    "procedurecdll",     "declare",        "declarec",
    "declaredll",       "declarecdll"};

// The length of the longest of kViewWords ("compilerendselect").
constexpr size_t kLongestViewWord = 17;
static_assert([] {
  size_t longest = 0;
  for (std::string_view word : kViewWords) longest = std::max(longest, word.size());
  return longest == kLongestViewWord;
}());

// A view's word, by its place in kViewWords; None for any other.
enum class Word : uint8_t {
  CompilerIf, CompilerElseIf, CompilerElse, CompilerEndIf, CompilerSelect, CompilerCase,
  CompilerDefault, CompilerEndSelect, Macro, EndMacro, UndefineMacro, Enumeration,
  EnumerationBinary, EndEnumeration, DeclareModule, EndDeclareModule, Module, EndModule,
  UseModule, UnuseModule, Structure, Interface, Prototype, PrototypeC, Procedure, ProcedureC,
  ProcedureDLL, ProcedureCDLL, Declare, DeclareC, DeclareDLL, DeclareCDLL, None
};

// Tells whether the word opens, turns or closes a CompilerIf or a CompilerSelect.
bool isDirective(Word word) { return word <= Word::CompilerEndSelect; }

// Words from Structure on only name what Defined() asks about.
bool namesObject(Word word) { return word >= Word::Structure && word < Word::None; }

// Where a statement stands: read, read because its branch is undecided, or skipped. The order
// matters: the region inside a branch is the later of the branch's and its surroundings'.
enum class Region : uint8_t { Read, Undecided, Skipped };

Region inside(Region outer, Region branch) { return std::max(outer, branch); }

// One CompilerIf or CompilerSelect being read.
struct Directive {
  bool select = false;
  Region outer = Region::Read;
  Region branch = Region::Skipped;  // the region of the branch being read
  bool taken = false;               // a branch was surely chosen: the rest are skipped
  bool maybeTaken = false;          // an undecided branch came before
  Values selected;                  // the value CompilerSelect compares its cases with
  int32_t line = 0;
};

// One file being read.
struct FileFrame {
  std::string folder;
  std::string fileName;
  bool main = false;
  size_t directives = 0;  // directives open when the file was entered
};

// The kinds of object Defined() asks about that a name is defined as, one bit each (kindBit).
struct NameKinds {
  uint8_t sure = 0;   // defined where the compiler surely reads
  uint8_t maybe = 0;  // defined in an undecided branch
};

uint8_t kindBit(int64_t kind) {
  const int64_t kinds[] = {kPbProcedure, kPbStructure,   kPbPrototype,
                           kPbModule,    kPbEnumeration, kPbInterface};
  for (size_t i = 0; i < std::size(kinds); ++i)
    if (kinds[i] == kind) return static_cast<uint8_t>(1 << i);
  return 0;
}

// A constant's candidates; `sure` when it was defined where the compiler surely reads.
struct Constant {
  Values values;
  bool sure = false;
};

// Returns the view's word the text starts with, None for any other; `rest` receives the text
// after the word.
Word firstWord(std::string_view text, std::string_view* rest = nullptr) {
  // Only words of these lengths, first and last letters can be one of the view's words: most
  // first words are passed over without a comparison.
  static const std::array<uint32_t, 64> kLengthsByLetter = [] {
    std::array<uint32_t, 64> lengths{};
    for (std::string_view word : kViewWords) {
      lengths[word[0] & 31] |= uint32_t{1} << word.size();
      lengths[32 + (word.back() & 31)] |= uint32_t{1} << word.size();
    }
    return lengths;
  }();
  // A name is read one byte beyond the longest word, enough to tell that it is longer.
  const size_t end = nameEnd(text.substr(0, kLongestViewWord + 1), 0);
  if (rest != nullptr) *rest = trimBlanks(text.substr(nameEnd(text, end)));
  if (end == 0 || end > kLongestViewWord ||
      (kLengthsByLetter[text[0] & 31] & (uint32_t{1} << end)) == 0 ||
      (kLengthsByLetter[32 + (text[end - 1] & 31)] & (uint32_t{1} << end)) == 0)
    return Word::None;
  char word[kLongestViewWord];
  for (size_t i = 0; i < end; ++i)
    word[i] = static_cast<char>(lowerCaseByte(static_cast<unsigned char>(text[i])));
  for (size_t i = 0; i < std::size(kViewWords); ++i)
    if (kViewWords[i] == std::string_view(word, end)) return static_cast<Word>(i);
  return Word::None;
}

// What the first look at a line tells.
struct LineStart {
  bool simple = false;  // one statement that starts with no "#": its first word tells all
  Word word = Word::None;
  std::string_view text;  // the line from its first word on
};

// Looks at the start of a line: most lines are one statement that starts with no view word.
LineStart lookAt(std::string_view line) {
  size_t at = 0;
  // The indentation is passed eight bytes at a time: in each, the first byte that is neither a
  // blank nor a tab is the lowest one marked (the text is little-endian in memory).
  for (uint64_t word; at + 8 <= line.size(); at += 8) {
    std::memcpy(&word, line.data() + at, 8);
    const auto differs = [](uint64_t x) {  // 0x80 in each byte that is not zero
      return (((x & 0x7F7F7F7F7F7F7F7Fu) + 0x7F7F7F7F7F7F7F7Fu) | x) & 0x8080808080808080u;
    };
    const uint64_t other =
        differs(word ^ 0x2020202020202020u) & differs(word ^ 0x0909090909090909u);
    if (other != 0) {
      at += __builtin_ctzll(other) / 8;
      break;
    }
  }
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  LineStart start;
  start.text = line.substr(at);
  start.simple = at == line.size() ||
                 (line[at] != '#' && std::memchr(line.data(), ':', line.size()) == nullptr &&
                  std::memchr(line.data(), '\n', line.size()) == nullptr);
  // Only these pairs of letters start a view's word: other lines are not looked at further.
  static const std::array<uint32_t, 32> kSecondLetters = [] {
    std::array<uint32_t, 32> pairs{};
    for (std::string_view word : kViewWords) pairs[word[0] & 31] |= uint32_t{1} << (word[1] & 31);
    return pairs;
  }();
  if (start.simple && at + 1 < line.size() && (line[at] & 0x40) != 0 &&
      (line[at + 1] & 0x40) != 0 &&
      (kSecondLetters[line[at] & 31] & (uint32_t{1} << (line[at + 1] & 31))) != 0)
    start.word = firstWord(start.text);
  return start;
}

// The name a text starts with, in lower case ("" when it starts with none).
std::string firstName(std::string_view text) { return lowered(text.substr(0, nameEnd(text, 0))); }

// Tells whether the text starts with the word "Step", in any letter case, as a whole name.
bool startsWithStep(std::string_view text) {
  return lowerCaseEquals(std::string(text.substr(0, nameEnd(text, 0))), "step");
}

// Splits at the commas outside parentheses and literals.
std::vector<std::string_view> splitList(std::string_view text) {
  std::vector<std::string_view> items;
  int depth = 0;
  size_t start = 0;
  for (size_t at = 0; at < text.size();) {
    if (startsLiteral(text, at)) {
      at = literalEnd(text, at);
      continue;
    }
    const char c = text[at];
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth == 0) {
      items.push_back(trimBlanks(text.substr(start, at - start)));
      start = at + 1;
    }
    ++at;
  }
  items.push_back(trimBlanks(text.substr(start)));
  return items;
}

}  // namespace

bool readTarget(const std::string& target, int64_t* os, int64_t* processor) {
  static const struct {
    const char* name;
    int64_t os;
    int64_t processor;
  } kTargets[] = {{"windows-x86", 1, 2}, {"windows-x64", 1, 4}, {"linux-x64", 2, 4},
                  {"linux-arm64", 2, 6}, {"macos-x64", 4, 4},   {"macos-arm64", 4, 6}};
  for (const auto& known : kTargets) {
    if (target != known.name) continue;
    *os = known.os;
    *processor = known.processor;
    return true;
  }
  return false;
}

class CompilerView::State : public ExpressionContext {
 public:
  explicit State(const CompilerSettings& settings) : settings_(settings) {
    hasTarget_ = readTarget(settings.target, &os_, &processor_);
  }

  void enterFile(const std::string& folder, const std::string& fileName) {
    files_.push_back({folder, fileName, files_.empty(), directives_.size()});
  }

  LineVerdict leaveFile() {
    LineVerdict verdict;
    if (files_.empty()) return verdict;
    const size_t base = files_.back().directives;
    if (directives_.size() > base) {
      fail(directives_.back().line);
      verdict = failure_;
      directives_.resize(base);
    }
    files_.pop_back();
    inMacro_ = false;
    return verdict;
  }

  LineVerdict readLine(std::string_view text, int32_t line) {
    if (!inMacro_ && !inEnumeration_ && (macros_.empty() || !macros_.usedIn(text))) {
      // Most lines are one statement that the view passes as it stands, or notes a name of.
      const LineStart start = lookAt(text);
      if (start.simple && (start.word == Word::None || namesObject(start.word))) {
        if (region() == Region::Skipped)
          return {start.text.empty() ? LineVerdict::Action::Keep : LineVerdict::Action::Drop, {}};
        if (start.word != Word::None) note(start.text, start.word);
        return {};
      }
      // Several statements, none of which the view reads but for a name. (Those before one it
      // reads are noted twice, which changes nothing.)
      if (region() != Region::Skipped && text.find('\n') == std::string_view::npos &&
          forEachStatement(text, [this](std::string_view statement) {
            const Word word = firstWord(statement);
            if (statement[0] == '#' || (word != Word::None && !namesObject(word))) return false;
            if (word != Word::None) note(statement, word);
            return true;
          }))
        return {};
    }
    Output out;
    if (!readText(text, line, true, &out)) return failure_;
    if (out.kept == 0 && (out.changed || region() == Region::Skipped))
      return {LineVerdict::Action::Drop, {}};
    if (!out.changed) return {LineVerdict::Action::Keep, {}, 0, out.macro};
    replaced_ = std::move(out.text);
    return {LineVerdict::Action::Replace, replaced_, 0, out.macro};
  }

  IncludeNames includeNames(std::string_view expression) const {
    IncludeNames names;
    const std::vector<std::string_view> statements = splitStatements(expression);
    if (statements.empty()) return names;
    expression = statements[0];
    names.expression = std::string(expression);
    size_t end = 0;
    const Values values = evaluateExpression(expression, *this, &end);
    if (!trimBlanks(expression.substr(end)).empty()) return names;
    for (const Value& value : values)
      if (value.kind == Value::Kind::String) names.names.push_back(value.text);
    names.evaluated = !names.names.empty();
    return names;
  }

  Values constantValues(const std::string& name) const override {
    const std::string key = lowered(name);
    const auto fixed = fixedConstants().find(key);
    if (fixed != fixedConstants().end()) return {Value::of(fixed->second)};
    if (isSettingConstant(key)) return settingConstant(key);
    const Constant* constant = findConstant(key);
    return constant != nullptr ? constant->values : unknownValues();
  }

  Truth defined(const std::string& name, int64_t kind) const override {
    const std::string key = lowered(name);
    if (kind == kPbConstant) {
      if (fixedConstants().count(key) != 0 || isSettingConstant(key)) return Truth::True;
      const Constant* constant = findConstant(key);
      if (constant != nullptr) return constant->sure ? Truth::True : Truth::Unknown;
      // The compiler knows more constants of its own than the view does.
      return key.compare(0, 3, "pb_") == 0 ? Truth::Unknown : Truth::False;
    }
    if (kindBit(kind) == 0) return Truth::Unknown;
    const NameKinds* found = findIn(names_, key, key.find("::"));
    if (found == nullptr) return Truth::False;
    if ((found->sure & kindBit(kind)) != 0) return Truth::True;
    return (found->maybe & kindBit(kind)) != 0 ? Truth::Unknown : Truth::False;
  }

 private:
  // The text of a line as the view gives it back.
  struct Output {
    std::string text;
    bool changed = false;  // a statement was skipped or expanded
    bool macro = false;    // a statement belongs to a macro's definition
    int kept = 0;
    bool lineStart = true;

    void newLine() {
      text += '\n';
      lineStart = true;
    }
    void keep(std::string_view statement) {
      if (!lineStart) text += " : ";
      text += statement;
      lineStart = false;
      ++kept;
    }
    // Keeps a statement of a branch that is read; one of a skipped branch only marks the change.
    void keepUnlessSkipped(Region branch, std::string_view statement) {
      if (branch == Region::Skipped)
        changed = true;
      else
        keep(statement);
    }
  };

  Region region() const { return directives_.empty() ? Region::Read : directives_.back().branch; }

  bool fail(int32_t line, const char* message = "Unbalanced compiler directive in line ") {
    message_ = message + decimalText(line);
    failure_ = {LineVerdict::Action::Fail, message_, line};
    return false;
  }

  // Reads the statements of a text, line by line, into `out`; the text is one line of the
  // source, or a macro's expansion, which may hold line feeds that stay where they are. All of
  // it counts as the source line `line`. False when a statement ends the read.
  bool readText(std::string_view text, int32_t line, bool expand, Output* out) {
    for (size_t start = 0; start <= text.size();) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      if (start > 0) out->newLine();
      for (std::string_view statement : splitStatements(text.substr(start, end - start)))
        if (!readStatement(statement, line, expand, out)) return false;
      start = end + 1;
    }
    return true;
  }

  // Reads one statement; `expand` tells whether the macros it uses are expanded.
  bool readStatement(std::string_view statement, int32_t line, bool expand, Output* out) {
    std::string_view rest;
    const Word word = firstWord(statement, &rest);
    if (inMacro_ || word == Word::Macro) out->macro = true;
    if (inMacro_) return readMacroBody(statement, word, line, out);
    // A macro in a skipped branch is read to its end all the same, so that the directives of its
    // body are not taken for the branch's own.
    if (word == Word::Macro) {
      macro_ = MacroDefinition();
      inMacro_ = readMacroHead(rest, &macro_);
      macroRegion_ = region();
      macroLine_ = line;
      out->keepUnlessSkipped(macroRegion_, statement);
      return true;
    }
    if (isDirective(word)) {
      if (!directive(word, rest, line)) return false;
      out->keep(statement);
      return true;
    }
    if (region() == Region::Skipped) {
      out->changed = true;
      return true;
    }
    if (word == Word::UndefineMacro) {
      if (region() == Region::Read) macros_.undefine(rest);
      out->keep(statement);
      return true;
    }
    if (expand && !macros_.empty()) {
      Expansion expansion = macros_.expand(statement);
      if (expansion.outcome == Expansion::Outcome::TooDeep)
        return fail(line, "Macro nesting too deep in line ");
      if (expansion.outcome == Expansion::Outcome::TooLarge)
        return fail(line, "Macro expansion too large in line ");
      if (expansion.outcome == Expansion::Outcome::Expanded) {
        out->changed = true;
        // What a macro gives is read as it stands: its uses are expanded already.
        return readText(expansion.text, line, false, out);
      }
    }
    note(statement, word);
    out->keep(statement);
    return true;
  }

  // Reads a statement of the macro being defined, up to its EndMacro, which defines the macro
  // where the definition is surely read (where it is undecided, unless a macro of its name is
  // defined already). The statements stay in the text unless the definition is skipped.
  bool readMacroBody(std::string_view statement, Word word, int32_t line, Output* out) {
    // A body of one quote on the macro's line leaves the literal open, "EndMacro" inside it:
    // the macro ends there all the same.
    const bool quoteEnds = (statement[0] == '"' || statement[0] == '\'') &&
                           literalEnd(statement, 0) == statement.size() &&
                           (statement.size() == 1 || statement.back() != statement[0]) &&
                           lowered(statement).find("endmacro") != std::string::npos;
    if (quoteEnds) addToMacroBody(statement.substr(0, 1), line);
    if (word == Word::EndMacro || quoteEnds) {
      inMacro_ = false;
      if (macroRegion_ == Region::Skipped) {
        out->changed = true;
        return true;
      }
      if (macroRegion_ == Region::Read ||
          (macroRegion_ == Region::Undecided && !macros_.defines(macro_.name)))
        macros_.define(std::move(macro_));
    } else {
      addToMacroBody(statement, line);
      macroLine_ = line;
    }
    out->keepUnlessSkipped(macroRegion_, statement);
    return true;
  }

  // Adds a piece of the source line `line` to the body of the macro being read: after a piece
  // of the same line behind " : ", else on a line of its own (MacroDefinition's body).
  void addToMacroBody(std::string_view piece, int32_t line) {
    if (!macro_.body.empty()) macro_.body += macroLine_ == line ? " : " : "\n";
    macro_.body += piece;
  }

  // Opens, turns or closes a CompilerIf or a CompilerSelect.
  bool directive(Word word, std::string_view rest, int32_t line) {
    const Region outer = region();
    // A condition may use macros too.
    Expansion expansion = macros_.expand(rest);
    if (expansion.outcome == Expansion::Outcome::Expanded) rest = expansion.text;
    if (word == Word::CompilerIf || word == Word::CompilerSelect) {
      Directive opened;
      opened.select = word == Word::CompilerSelect;
      opened.outer = outer;
      opened.line = line;
      if (outer == Region::Skipped) {
        opened.taken = true;
      } else if (opened.select) {
        opened.selected = wholeExpression(rest);
      } else {
        choose(&opened, truthOf(wholeExpression(rest)));
      }
      directives_.push_back(std::move(opened));
      return true;
    }
    const bool select = word == Word::CompilerCase || word == Word::CompilerDefault ||
                        word == Word::CompilerEndSelect;
    const size_t base = files_.empty() ? 0 : files_.back().directives;
    if (directives_.size() <= base || directives_.back().select != select) return fail(line);
    Directive& open = directives_.back();
    if (word == Word::CompilerEndIf || word == Word::CompilerEndSelect) {
      directives_.pop_back();
    } else if (open.taken) {
      open.branch = Region::Skipped;
    } else if (word == Word::CompilerElse || word == Word::CompilerDefault) {
      choose(&open, Truth::True);
    } else if (word == Word::CompilerElseIf) {
      choose(&open, truthOf(wholeExpression(rest)));
    } else {
      Values matches = {Value::of(0)};
      for (std::string_view item : splitList(rest))
        matches =
            combineValues(matches, "or", combineValues(open.selected, "=", wholeExpression(item)));
      choose(&open, truthOf(matches));
    }
    return true;
  }

  // Sets the branch a directive reads next, by its condition.
  static void choose(Directive* open, Truth truth) {
    if (truth == Truth::False) {
      open->branch = Region::Skipped;
      return;
    }
    const bool sure = truth == Truth::True && !open->maybeTaken;
    open->branch = inside(open->outer, sure ? Region::Read : Region::Undecided);
    if (truth == Truth::True) open->taken = true;
    if (truth == Truth::Unknown) open->maybeTaken = true;
  }

  // The value of a whole expression; unknown when part of it can't be read.
  Values wholeExpression(std::string_view text) const {
    size_t end = 0;
    Values values = evaluateExpression(text, *this, &end);
    return trimBlanks(text.substr(end)).empty() ? values : unknownValues();
  }

  // Takes note of what a read statement defines: constants, enumerations, modules and the
  // names Defined() asks about.
  void note(std::string_view statement, Word word) {
    if (statement[0] == '#') {
      constantStatement(statement.substr(1));
      return;
    }
    if (word == Word::None) return;
    std::string_view rest = trimBlanks(statement.substr(kViewWords[static_cast<int>(word)].size()));
    switch (word) {
      case Word::Enumeration:
      case Word::EnumerationBinary:
        startEnumeration(rest, word == Word::EnumerationBinary);
        break;
      case Word::EndEnumeration:
        if (inEnumeration_ && !enumerationName_.empty())
          continuedEnumerations_[enumerationName_] = enumerationValue_;
        inEnumeration_ = false;
        break;
      case Word::DeclareModule:
        module_.clear();
        defineName(kPbModule, rest);
        module_ = firstName(rest);
        break;
      case Word::Module:
        module_ = firstName(rest);
        break;
      case Word::EndDeclareModule:
      case Word::EndModule:
        module_.clear();
        break;
      case Word::UseModule:
        usedModules_.push_back(firstName(rest));
        break;
      case Word::UnuseModule: {
        const auto used = std::find(usedModules_.begin(), usedModules_.end(),
                                    firstName(rest));
        if (used != usedModules_.end()) usedModules_.erase(used);
        break;
      }
      case Word::Structure:
        defineName(kPbStructure, rest);
        break;
      case Word::Interface:
        defineName(kPbInterface, rest);
        break;
      default:
        // Procedures, prototypes and their declarations; the return type comes first:
        // "Procedure.l Name(", "ProcedureDLL$ Name(".
        if (!rest.empty() && rest[0] == '$') rest = trimBlanks(rest.substr(1));
        if (!rest.empty() && rest[0] == '.') {
          rest = trimBlanks(rest.substr(1));
          rest = trimBlanks(rest.substr(nameEnd(rest, 0)));
        }
        defineName(
            word == Word::Prototype || word == Word::PrototypeC ? kPbPrototype : kPbProcedure,
            rest);
        break;
    }
  }

  // "Name = value", "Name$ = value", or in an enumeration "Name" alone.
  void constantStatement(std::string_view text) {
    const size_t end = nameEnd(text, 0);
    if (end == 0) return;
    const std::string name = lowered(text.substr(0, end));
    std::string_view rest = trimBlanks(text.substr(end));
    if (!rest.empty() && rest[0] == '$') rest = trimBlanks(rest.substr(1));
    Values values;
    if (!rest.empty() && rest[0] == '=') {
      values = wholeExpression(rest.substr(1));
    } else if (inEnumeration_ && rest.empty()) {
      values = enumerationValue_;
    } else {
      return;
    }
    if (inEnumeration_) {
      enumerationValue_ = enumerationBinary_ ? combineValues(values, "*", {Value::of(2)})
                                             : combineValues(values, "+", enumerationStep_);
    }
    defineConstant(name, values);
  }

  void startEnumeration(std::string_view rest, bool binary) {
    inEnumeration_ = true;
    enumerationBinary_ = binary;
    enumerationName_.clear();
    const size_t end = nameEnd(rest, 0);
    if (end > 0 && !isDigit(rest[0]) && !startsWithStep(rest)) {
      enumerationName_ = lowered(rest.substr(0, end));
      defineName(kPbEnumeration, rest);
      rest = trimBlanks(rest.substr(end));
    }
    const auto continued = continuedEnumerations_.find(enumerationName_);
    enumerationValue_ = {Value::of(binary ? 1 : 0)};
    if (!enumerationName_.empty() && continued != continuedEnumerations_.end())
      enumerationValue_ = continued->second;
    enumerationStep_ = {Value::of(1)};
    if (!rest.empty() && !startsWithStep(rest)) {
      size_t read = 0;
      enumerationValue_ = evaluateExpression(rest, *this, &read);
      rest = trimBlanks(rest.substr(read));
    }
    if (startsWithStep(rest))
      enumerationStep_ = wholeExpression(rest.substr(nameEnd(rest, 0)));
    else if (!rest.empty())
      enumerationValue_ = unknownValues();
  }

  void defineConstant(const std::string& name, const Values& values) {
    const std::string key = module_.empty() ? name : module_ + "::" + name;
    const auto found = constants_.find(key);
    if (region() == Region::Read || found == constants_.end()) {
      constants_[key] = {values, region() == Region::Read};
      return;
    }
    mergeValues(&found->second.values, values);
  }

  void defineName(int64_t kind, std::string_view rest) {
    const size_t end = nameEnd(rest, 0);
    if (end == 0) return;
    key_ = module_;
    if (!module_.empty()) key_ += "::";
    const size_t nameStart = key_.size();
    key_ += rest.substr(0, end);
    for (size_t i = nameStart; i < key_.size(); ++i)
      key_[i] = static_cast<char>(lowerCaseByte(static_cast<unsigned char>(key_[i])));
    NameKinds& kinds = names_[key_];
    (region() == Region::Read ? kinds.sure : kinds.maybe) |= kindBit(kind);
  }

  // Finds a name as the current module, the used modules and the global scope see it; a name
  // with its module ("mod::name", `qualified` not npos) is found as it stands.
  template <typename T>
  const T* findIn(const std::unordered_map<std::string, T>& table, const std::string& name,
                  size_t qualified) const {
    const auto lookUp = [&](const std::string& wanted) -> const T* {
      const auto found = table.find(wanted);
      return found == table.end() ? nullptr : &found->second;
    };
    if (qualified != std::string::npos) return lookUp(name);
    if (!module_.empty())
      if (const T* found = lookUp(module_ + "::" + name)) return found;
    for (const std::string& used : usedModules_)
      if (const T* found = lookUp(used + "::" + name)) return found;
    return lookUp(name);
  }

  const Constant* findConstant(const std::string& key) const {
    return findIn(constants_, key, key.find("::"));
  }

  Values settingConstant(const std::string& key) const {
    if (key == "pb_compiler_os" || key == "pb_compiler_processor") {
      if (!hasTarget_) return unknownValues();
      return {Value::of(key == "pb_compiler_os" ? os_ : processor_)};
    }
    if (key == "pb_compiler_home")
      return settings_.home.empty() ? unknownValues() : Values{Value::of(settings_.home)};
    if (files_.empty()) return unknownValues();
    const FileFrame& file = files_.back();
    if (key == "pb_compiler_file") return {Value::of(file.folder + file.fileName)};
    if (key == "pb_compiler_filepath") return {Value::of(file.folder)};
    if (key == "pb_compiler_filename") return {Value::of(file.fileName)};
    const bool main = key == "pb_compiler_ismainfile";
    return {Value::of(file.main == main ? 1 : 0)};
  }

  CompilerSettings settings_;
  bool hasTarget_ = false;
  int64_t os_ = 0;
  int64_t processor_ = 0;
  std::vector<FileFrame> files_;
  std::vector<Directive> directives_;
  std::unordered_map<std::string, Constant> constants_;
  std::unordered_map<std::string, NameKinds> names_;
  std::string key_;  // the key a name is defined under, built in place
  std::string module_;
  std::vector<std::string> usedModules_;
  // The enumeration being read: the value its next member takes, and how that value moves on
  // (times two in an EnumerationBinary, else plus its step).
  bool inEnumeration_ = false;
  bool enumerationBinary_ = false;
  std::string enumerationName_;  // lower case; "" when it has none
  Values enumerationValue_;
  Values enumerationStep_;
  // The value after the last member of each named enumeration, where a later one of the same
  // name goes on.
  std::unordered_map<std::string, Values> continuedEnumerations_;
  MacroTable macros_;
  bool inMacro_ = false;
  MacroDefinition macro_;
  Region macroRegion_ = Region::Read;
  int32_t macroLine_ = 0;
  LineVerdict failure_;
  std::string message_;   // the text of failure_
  std::string replaced_;  // the text of the latest Replace verdict
};

CompilerView::CompilerView(const CompilerSettings& settings)
    : state_(std::make_unique<State>(settings)) {}

CompilerView::~CompilerView() = default;

void CompilerView::enterFile(const std::string& folder, const std::string& fileName) {
  state_->enterFile(folder, fileName);
}

LineVerdict CompilerView::leaveFile() { return state_->leaveFile(); }

LineVerdict CompilerView::readLine(std::string_view text, int32_t line) {
  return state_->readLine(text, line);
}

IncludeNames CompilerView::includeNames(std::string_view expression) const {
  return state_->includeNames(expression);
}
