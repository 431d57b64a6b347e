// A fixed run of tokens, as the lexer hands them over for a short procedure, for timing the
// token list on its own.
#ifndef GANTRELL_BENCH_SAMPLE_TOKENS_H_
#define GANTRELL_BENCH_SAMPLE_TOKENS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "scan/classifier.h"

/// One token to add: its text and its kind.
struct SampleToken {
  std::string text;
  TokenKind kind;
};

/// Returns the tokens of a nine-line procedure, line ends included; adding them over and over
/// gives texts of the lengths and kinds a real source has.
inline std::vector<SampleToken> sampleTokens() {
  using K = TokenKind;
  return {
      {"proceduredll", K::Keyword}, {".", K::Punctuation},     {"l", K::Identifier},
      {"AddValues", K::Identifier}, {"(", K::Punctuation},     {"a", K::Identifier},
      {".", K::Punctuation},        {"l", K::Identifier},      {",", K::Punctuation},
      {"*b", K::Identifier},        {".", K::Punctuation},     {"Point", K::Identifier},
      {")", K::Punctuation},        {"\n", K::StatementEnd},   {"protected", K::Keyword},
      {"total", K::Identifier},     {".", K::Punctuation},     {"q", K::Identifier},
      {"=", K::Operator},           {"$FF", K::Number},        {"\n", K::StatementEnd},
      {"if", K::Keyword},           {"a", K::Identifier},      {">", K::Operator},
      {"0", K::Number},             {"\n", K::StatementEnd},   {"total", K::Identifier},
      {"=", K::Operator},           {"a", K::Identifier},      {"*", K::Operator},
      {"1.5", K::Number},           {"\n", K::StatementEnd},   {"endif", K::Keyword},
      {"\n", K::StatementEnd},      {"text$", K::Identifier},  {"=", K::Operator},
      {"\"the value is\"", K::String}, {"+", K::Operator},     {"Str", K::Identifier},
      {"(", K::Punctuation},        {"total", K::Identifier},  {")", K::Punctuation},
      {"\n", K::StatementEnd},      {"#MAX_ITEMS", K::Constant}, {"\n", K::StatementEnd},
      {"procedurereturn", K::Keyword}, {"total", K::Identifier}, {"\n", K::StatementEnd},
      {"endprocedure", K::Keyword}, {"\n", K::StatementEnd},
  };
}

#endif  // GANTRELL_BENCH_SAMPLE_TOKENS_H_
