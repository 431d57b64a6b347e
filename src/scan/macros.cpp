#include "scan/macros.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "scan/statements.h"
#include "text/text_ops.h"

namespace {

// The most bytes of macro bodies one expansion, and all the expansions of a source, may copy:
// macros whose bodies use each other many times over end as too large rather than in a long wait.
constexpr size_t kMaxExpansionWork = 16 * kMaxExpansionSize;
constexpr size_t kMaxSourceExpansionWork = 8 * kMaxExpansionWork;

// The bit of a letter among the names of one length.
uint64_t letterBit(char letter) {
  return uint64_t{1} << (lowerCaseByte(static_cast<unsigned char>(letter)) & 63);
}

// The bit of a name's second byte among the names of one first letter; bit 0 for a name of one
// letter.
uint64_t secondBit(std::string_view name) {
  if (name.size() < 2 || !isNameByte(name[1])) return 1;
  return uint64_t{1} << (lowerCaseByte(static_cast<unsigned char>(name[1])) & 63);
}

// Tells whether a name at `at` to `end` may be a macro's use: not a number, a constant, a hex
// number or a string variable.
bool mayBeUse(std::string_view text, size_t at, size_t end) {
  const char before = at == 0 ? ' ' : text[at - 1];
  return !isDigit(text[at]) && before != '#' && before != '$' &&
         (end == text.size() || text[end] != '$');
}

// The place of the parameter that `name` is, in any letter case, among the macro's; the
// parameter count when it is none.
size_t parameterIndex(const MacroDefinition& macro, std::string_view name) {
  size_t index = 0;
  while (index < macro.parameters.size() &&
         !(macro.parameters[index].size() == name.size() &&
           lowersTo(name.data(), macro.parameters[index].data(), name.size())))
    ++index;
  return index;
}

// Reads the arguments of a use, from the "(" at `open` to its ")"; false when it isn't closed.
bool readArguments(std::string_view text, size_t open, std::vector<std::string_view>* arguments,
                   size_t* end) {
  int depth = 0;
  size_t start = open + 1;
  for (size_t at = open; at < text.size();) {
    if (startsLiteral(text, at)) {
      at = literalEnd(text, at);
      continue;
    }
    const char c = text[at];
    if (c == '(') ++depth;
    if ((c == ',' && depth == 1) || (c == ')' && depth == 1)) {
      arguments->push_back(trimBlanks(text.substr(start, at - start)));
      start = at + 1;
    }
    ++at;
    if (c == ')' && --depth == 0) {
      *end = at;
      return true;
    }
  }
  return false;
}

class Expander {
 public:
  Expander(const MacroTable& table, const std::unordered_map<std::string, MacroDefinition>& macros,
           size_t* spent)
      : table_(table), macros_(macros), spent_(spent) {}

  // Appends `text` with its macro uses expanded to `out`; false when the expansion fails.
  bool expandInto(std::string_view text, int depth, std::string* out) {
    size_t at = 0;
    while (at < text.size()) {
      if (startsLiteral(text, at)) {
        const size_t end = literalEnd(text, at);
        out->append(text.substr(at, end - at));
        at = end;
        continue;
      }
      if (!isNameByte(text[at])) {
        out->push_back(text[at++]);
        continue;
      }
      const size_t end = nameEnd(text, at);
      const std::string_view name = text.substr(at, end - at);
      const auto found = table_.usesAt(text, at, end) ? macros_.find(lowered(name)) : macros_.end();
      if (found == macros_.end()) {
        out->append(name);
        at = end;
        continue;
      }
      const MacroDefinition& macro = found->second;
      std::vector<std::string_view> arguments;
      size_t useEnd = end;
      if (macro.takesArguments) {
        size_t open = end;
        while (open < text.size() && (text[open] == ' ' || text[open] == '\t')) ++open;
        if (open == text.size() || text[open] != '(' ||
            !readArguments(text, open, &arguments, &useEnd)) {
          // Without its arguments the name is left as it stands.
          out->append(name);
          at = end;
          continue;
        }
      }
      if (depth + 1 > kMaxMacroNesting) return fail(Expansion::Outcome::TooDeep);
      work_ += macro.body.size() + 1;
      *spent_ += macro.body.size() + 1;
      std::string body;
      if (work_ > kMaxExpansionWork || *spent_ > kMaxSourceExpansionWork ||
          !substitute(macro, arguments, &body))
        return fail(Expansion::Outcome::TooLarge);
      if (!expandInto(body, depth + 1, out)) return false;
      expanded_ = true;
      at = useEnd;
    }
    if (out->size() > kMaxExpansionSize) return fail(Expansion::Outcome::TooLarge);
    return true;
  }

  bool expanded() const { return expanded_; }
  Expansion::Outcome failure() const { return failure_; }

 private:
  bool fail(Expansion::Outcome outcome) {
    failure_ = outcome;
    return false;
  }

  // The body with each parameter replaced by its argument (or default value), and each "#"
  // between two names dropped, joining them. A word joined so that is a macro without arguments
  // stands for its body there, so that "DQuote#text#DQuote" makes a string of the text.
  bool substitute(const MacroDefinition& macro, const std::vector<std::string_view>& arguments,
                  std::string* out) {
    const std::string_view body = macro.body;
    size_t wordStart = std::string::npos;  // where the word just written starts in `out`
    bool joined = false;                   // a "#" joins the next word to the one before
    const auto joinedWord = [&](std::string_view word) -> std::string_view {
      const auto found = macros_.find(lowered(word));
      if (found == macros_.end() || found->second.takesArguments) return word;
      return trimBlanks(found->second.body);
    };
    for (size_t at = 0; at < body.size();) {
      if (out->size() > kMaxExpansionSize) return false;
      const char c = body[at];
      if (c == '#' && at > 0 && isNameByte(body[at - 1]) && at + 1 < body.size() &&
          isNameByte(body[at + 1])) {
        if (wordStart != std::string::npos) {
          const std::string word = out->substr(wordStart);
          out->resize(wordStart);
          out->append(joinedWord(word));
        }
        joined = true;
        ++at;
        continue;
      }
      if (!isNameByte(c) || isDigit(c)) {
        const size_t end = startsLiteral(body, at) ? literalEnd(body, at)
                           : isDigit(c)            ? nameEnd(body, at)
                                                   : at + 1;
        out->append(body.substr(at, end - at));
        at = end;
        wordStart = std::string::npos;
        joined = false;
        continue;
      }
      const size_t end = nameEnd(body, at);
      const std::string_view name = body.substr(at, end - at);
      const size_t index = parameterIndex(macro, name);
      std::string_view word = name;
      if (index < macro.parameters.size())
        word = index < arguments.size() && !arguments[index].empty()
                   ? arguments[index]
                   : std::string_view(macro.defaults[index]);
      wordStart = out->size();
      out->append(joined ? joinedWord(word) : word);
      joined = false;
      at = end;
    }
    return out->size() <= kMaxExpansionSize;
  }

  const MacroTable& table_;
  const std::unordered_map<std::string, MacroDefinition>& macros_;
  size_t* spent_;
  size_t work_ = 0;
  bool expanded_ = false;
  Expansion::Outcome failure_ = Expansion::Outcome::Unchanged;
};

}  // namespace

bool readMacroHead(std::string_view head, MacroDefinition* macro) {
  head = trimBlanks(head);
  const size_t end = nameEnd(head, 0);
  if (end == 0 || isDigit(head[0])) return false;
  macro->name = std::string(head.substr(0, end));
  std::string_view rest = trimBlanks(head.substr(end));
  macro->takesArguments = !rest.empty() && rest[0] == '(';
  if (!macro->takesArguments) return true;
  std::vector<std::string_view> parameters;
  size_t close = 0;
  if (!readArguments(rest, 0, &parameters, &close)) return false;
  for (std::string_view parameter : parameters) {
    if (parameter.empty()) continue;  // "Name()" takes no parameter
    const size_t equals = parameter.find('=');
    macro->parameters.emplace_back(lowered(trimBlanks(parameter.substr(0, equals))));
    macro->defaults.emplace_back(
        equals == std::string_view::npos ? "" : trimBlanks(parameter.substr(equals + 1)));
  }
  return true;
}

bool MacroTable::mayName(std::string_view name) const {
  const size_t length = name.size() & 63;
  return (firstLetters_[length] & letterBit(name[0])) != 0 &&
         (lastLetters_[length] & letterBit(name.back())) != 0;
}

bool MacroTable::mayUseInitials(std::string_view text) const {
  // Where a byte is one of the initials, in either case, eight bytes at a time.
  const auto equalBytes = [](uint64_t word, uint64_t pattern) {
    const uint64_t x = word ^ pattern;
    return ~(((x & 0x7F7F7F7F7F7F7F7Fu) + 0x7F7F7F7F7F7F7F7Fu) | x) & 0x8080808080808080u;
  };
  const auto candidateAt = [&](size_t at) {
    if (at > 0 && isNameByte(text[at - 1])) return false;
    const unsigned char initial = lowerCaseByte(static_cast<unsigned char>(text[at]));
    return (secondLetters_[initial & 63] & secondBit(text.substr(at))) != 0 &&
           usesAt(text, at, nameEnd(text, at));
  };
  const auto search = [&](uint64_t word, size_t at) {
    // Setting bit 5 folds letters to lower case; other bytes stay apart from the initials, but
    // for DEL, which "_" then matches (and the check below turns away).
    word |= 0x2020202020202020u;
    uint64_t found = 0;
    for (size_t i = 0; i < patternCount_; ++i) found |= equalBytes(word, initialPatterns_[i]);
    // Little-endian: the byte found first in the text is the lowest.
    for (; found != 0; found &= found - 1)
      if (candidateAt(at + __builtin_ctzll(found) / 8)) return true;
    return false;
  };
  const size_t size = text.size();
  size_t at = 0;
  for (uint64_t word; at + 8 <= size; at += 8) {
    std::memcpy(&word, text.data() + at, 8);
    if (search(word, at)) return true;
  }
  if (at == size) return false;
  // The last bytes: the text's last eight, of which those already searched are shifted out (a
  // zero byte matches no initial), or the short text alone.
  uint64_t word = 0;
  if (size >= 8) {
    std::memcpy(&word, text.data() + size - 8, 8);
    return search(word >> (8 * (8 - (size - at))), at);
  }
  std::memcpy(&word, text.data(), size);
  return search(word, 0);
}

bool MacroTable::usedIn(std::string_view text) const {
  if (macros_.empty()) return false;
  if (!manyInitials_ && !mayUseInitials(text)) return false;
  // What a byte means to the walk: nothing, a name's or number's start, a literal's start, the
  // comment's start.
  enum Class : uint8_t { Other, Name, Quote, Tilde, Comment };
  static const std::array<Class, 256> kClasses = [] {
    std::array<Class, 256> classes{};
    for (int c = 0; c < 256; ++c)
      if (isNameByte(static_cast<char>(c))) classes[c] = Name;
    classes['"'] = classes['\''] = Quote;
    classes['~'] = Tilde;
    classes[';'] = Comment;
    return classes;
  }();
  const size_t size = text.size();
  for (size_t at = 0; at < size;) {
    switch (kClasses[static_cast<unsigned char>(text[at])]) {
      case Other:
        ++at;
        break;
      case Name: {
        const size_t end = nameEnd(text, at);
        if (mayName(text.substr(at, end - at)) && usesAt(text, at, end)) return true;
        at = end;
        break;
      }
      case Tilde:
        if (!startsLiteral(text, at)) {
          ++at;
          break;
        }
        [[fallthrough]];
      case Quote:
        at = literalEnd(text, at);
        break;
      case Comment:
        return false;
    }
  }
  return false;
}

bool MacroTable::usesAt(std::string_view text, size_t at, size_t end) const {
  const std::string_view name = text.substr(at, end - at);
  return mayName(name) && mayBeUse(text, at, end) && defines(name);
}

void MacroTable::define(MacroDefinition macro) {
  firstLetters_[macro.name.size() & 63] |= letterBit(macro.name[0]);
  lastLetters_[macro.name.size() & 63] |= letterBit(macro.name.back());
  secondLetters_[lowerCaseByte(static_cast<unsigned char>(macro.name[0])) & 63] |=
      secondBit(macro.name);
  // Letters only: a name starts with a letter or "_", whose other case is no name byte.
  const char initial = static_cast<char>(lowerCaseByte(static_cast<unsigned char>(macro.name[0])));
  if (initials_.find(initial) == std::string::npos) {
    initials_ += initial;
    if (patternCount_ < std::size(initialPatterns_))
      initialPatterns_[patternCount_++] = 0x0101010101010101u * (initial | 0x20u);
  }
  manyInitials_ = initials_.size() > std::size(initialPatterns_);
  std::string key = lowered(macro.name);
  macros_[std::move(key)] = std::move(macro);
}

void MacroTable::undefine(std::string_view name) { macros_.erase(lowered(trimBlanks(name))); }

bool MacroTable::defines(std::string_view name) const { return macros_.count(lowered(name)) != 0; }

Expansion MacroTable::expand(std::string_view text) {
  Expansion expansion;
  if (macros_.empty()) return expansion;
  Expander expander(*this, macros_, &spent_);
  std::string out;
  if (!expander.expandInto(text, 0, &out)) {
    expansion.outcome = expander.failure();
  } else if (expander.expanded()) {
    expansion.outcome = Expansion::Outcome::Expanded;
    expansion.text = std::move(out);
  }
  return expansion;
}
