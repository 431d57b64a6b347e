#include "scan/classifier.h"

#include <array>
#include <cstring>
#include <deque>
#include <new>
#include <vector>
#include <unordered_map>

#include "text/pattern.h"
#include "text/text_ops.h"

namespace {

const char kCommentPattern[] = "^;.+$";
const char kNumberPattern[] =
    "^([-]?\\d+)|([-]?\\d+\\.{1}\\d+)|(\\${1}[a-fA-F0-9]{1,6})|([-]?\\d+\\.{1}\\d+[e|E]{1}[-]?\\d+)|"
    "(\\%{1}[0-1]+)$";
const char kStringPattern[] = "^\\\".*\\\"$";
const char kIdentifierPattern[] = "^([*]?\\w+)|(\\w+[$]?)$";

const char* const kKeywords[] = {
    "debug",        "debuggercall",    "module",      "endmodule",     "end",
    "repeat",       "until",           "forever",     "if",            "else",
    "elseif",       "endif",           "for",         "next",          "step",
    "to",           "datasection",     "enddatasection", "structure",  "endstructure",
    "extends",      "interface",       "endinterface", "prototype",    "includebinary",
    "restore",      "read",            "data",        "continue",      "stop",
    "break",        "while",           "wend",        "foreach",       "dim",
    "redim",        "global",          "define",      "share",         "protected",
    "static",       "newlist",         "procedure",   "procedurec",    "proceduredll",
    "endprocedure", "procedurereturn", "xor",         "or",            "and",
    "select",       "endselect",       "case",        "not",           "goto",
    "gosub",        "declare",         "stdout"};

// The words that are keywords, in lower case.
struct KeywordTable {
  int32_t count;
  const char* const* words;
};

const KeywordTable kKeywordTable = {static_cast<int32_t>(sizeof kKeywords / sizeof kKeywords[0]),
                                    kKeywords};

const char* const kOperators[] = {"*", "<", ">", "&", "?", "!", "=", "<=", "<>",
                                  "=>", ">=", "=<", "+", "-", "~", "/", "\\", "|",
                                  "@", "(", ")", "[", "]", "{", "}"};

const char* const kKindNames[] = {"None",     "Other",        "Identifier", "String",
                                  "Number",   "Operator",     "StatementEnd", "Comment",
                                  "Punctuation", "Keyword",   "Constant"};

// The four patterns compiled once and kept for the life of the process: compiling them for
// every text classified would give the same answers at many times the cost.
// Their texts are constants, so only a lack of memory can keep one from compiling; those that
// did compile then go with the exception.
struct CompiledPatterns {
  OwnedPattern comment{compilePattern(kCommentPattern)};
  OwnedPattern number{compilePattern(kNumberPattern)};
  OwnedPattern string{compilePattern(kStringPattern)};
  OwnedPattern identifier{compilePattern(kIdentifierPattern)};
  CompiledPatterns() {
    if (comment == nullptr || number == nullptr || string == nullptr || identifier == nullptr)
      throw std::bad_alloc();
  }
};

const CompiledPatterns& compiled() {
  static const CompiledPatterns patterns;
  return patterns;
}

bool isOneOf(const std::string& text, const char* const* list, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (textEquals(text, list[i])) return true;
  return false;
}

TokenKind classifyUncached(const std::string& text) {
  const CompiledPatterns& p = compiled();
  if (textEquals(leftText(text, 1), "#")) return TokenKind::Constant;
  if (patternMatches(p.comment.get(), text.c_str())) return TokenKind::Comment;
  if (patternMatches(p.number.get(), text.c_str())) return TokenKind::Number;
  if (patternMatches(p.string.get(), text.c_str())) return TokenKind::String;
  if (isKeyword(text.data(), text.size())) return TokenKind::Keyword;
  if (patternMatches(p.identifier.get(), text.c_str())) return TokenKind::Identifier;
  if (textEquals(text, ",") || textEquals(text, ".")) return TokenKind::Punctuation;
  if (isOneOf(text, kOperators, sizeof kOperators / sizeof kOperators[0]))
    return TokenKind::Operator;
  if (textEquals(text, "\n") || textEquals(text, ":")) return TokenKind::StatementEnd;
  return TokenKind::Other;
}

}  // namespace

const char* tokenKindName(int32_t kind) {
  if (kind < 0 || kind > static_cast<int32_t>(TokenKind::Constant)) return "";
  return kKindNames[kind];
}

TokenKind classifyToken(std::string_view text) {
  // Most token texts recur (names, brackets, line ends), so each distinct text is classified
  // once: every single byte up front, longer texts as they come. Long texts (strings, comments)
  // are rarely repeated and are not kept.
  static const std::array<TokenKind, 256> singleBytes = [] {
    std::array<TokenKind, 256> kinds{};
    for (int byte = 0; byte < 256; ++byte)
      kinds[byte] = classifyUncached(std::string(1, static_cast<char>(byte)));
    return kinds;
  }();
  if (text.size() == 1) return singleBytes[static_cast<unsigned char>(text[0])];
  constexpr size_t kLongestCached = 32;
  constexpr size_t kMostCached = 1 << 16;
  if (text.size() > kLongestCached) return classifyUncached(std::string(text));
  // The cache's keys point into texts it keeps itself.
  static std::deque<std::string> texts;
  static std::unordered_map<std::string_view, TokenKind> cache(1 << 12);
  const auto found = cache.find(text);
  if (found != cache.end()) return found->second;
  const TokenKind kind = classifyUncached(std::string(text));
  if (cache.size() < kMostCached) cache.emplace(texts.emplace_back(text), kind);
  return kind;
}

bool isKeyword(const char* text, size_t length) {
  // The table's words by their length and first letter, so that a text is held against at most
  // a few of them.
  constexpr size_t kLongest = 16;
  using Shelf = std::array<std::array<std::vector<const char*>, 26>, kLongest>;
  static const Shelf shelves = [] {
    Shelf words;
    for (int32_t i = 0; i < kKeywordTable.count; ++i) {
      const char* word = kKeywordTable.words[i];
      words[std::strlen(word)][word[0] - 'a'].push_back(word);
    }
    return words;
  }();
  if (length == 0 || length >= kLongest) return false;
  const unsigned char first = lowerCaseByte(static_cast<unsigned char>(text[0]));
  if (first < 'a' || first > 'z') return false;
  for (const char* word : shelves[length][first - 'a'])
    if (lowersTo(text + 1, word + 1, length - 1)) return true;
  return false;
}
