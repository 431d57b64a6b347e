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
  int16_t kind;
};

/// Returns the tokens of a nine-line procedure, line ends included; adding them over and over
/// gives texts of the lengths and kinds a real source has.
inline std::vector<SampleToken> sampleTokens() {
  return {
      {"proceduredll", Keyword}, {".", Punctuation},     {"l", Identifier},
      {"AddValues", Identifier}, {"(", Punctuation},     {"a", Identifier},
      {".", Punctuation},        {"l", Identifier},      {",", Punctuation},
      {"*b", Identifier},        {".", Punctuation},     {"Point", Identifier},
      {")", Punctuation},        {"\n", StatementEnd},   {"protected", Keyword},
      {"total", Identifier},     {".", Punctuation},     {"q", Identifier},
      {"=", Operator},           {"$FF", Number},        {"\n", StatementEnd},
      {"if", Keyword},           {"a", Identifier},      {">", Operator},
      {"0", Number},             {"\n", StatementEnd},   {"total", Identifier},
      {"=", Operator},           {"a", Identifier},      {"*", Operator},
      {"1.5", Number},           {"\n", StatementEnd},   {"endif", Keyword},
      {"\n", StatementEnd},      {"text$", Identifier},  {"=", Operator},
      {"\"the value is\"", String}, {"+", Operator},     {"Str", Identifier},
      {"(", Punctuation},        {"total", Identifier},  {")", Punctuation},
      {"\n", StatementEnd},      {"#MAX_ITEMS", Constant}, {"\n", StatementEnd},
      {"procedurereturn", Keyword}, {"total", Identifier}, {"\n", StatementEnd},
      {"endprocedure", Keyword}, {"\n", StatementEnd},
  };
}

#endif  // GANTRELL_BENCH_SAMPLE_TOKENS_H_
