// Token kinds, and the classifier that gives each piece of PureBasic source text its kind.
#ifndef GANTRELL_SCAN_CLASSIFIER_H_
#define GANTRELL_SCAN_CLASSIFIER_H_

#include <cstdint>
#include <string>
#include <string_view>

/// The kind of a token.
enum class TokenKind : int16_t {
  None = 0,
  Other = 1,
  Identifier = 2,
  String = 3,
  Number = 4,
  Operator = 5,
  StatementEnd = 6,
  Comment = 7,
  Punctuation = 8,
  Keyword = 9,
  Constant = 10,
};

/// Returns the name of a kind as written in token dumps ("Identifier", …), or "" if unknown.
const char* tokenKindName(int32_t kind);

/// Returns the kind of one raw piece of source text (1 to 10).
TokenKind classifyToken(std::string_view text);

/// Tells whether the `length` bytes at `text`, lower-cased, are a word of the keyword table.
bool isKeyword(const char* text, size_t length);

#endif  // GANTRELL_SCAN_CLASSIFIER_H_
