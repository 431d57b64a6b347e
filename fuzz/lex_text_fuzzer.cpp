// Feeds arbitrary bytes to the lexer and checks what it delivers: known kinds, lower-case
// keywords, lines that count the line feeds, each line feed a token of its own, and no byte
// delivered that the text did not hold.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "scan/classifier.h"
#include "scan/lexer.h"
#include "text/text_ops.h"

namespace {

struct Seen {
  int32_t tokens = 0;
  int32_t lineFeedTokens = 0;
  size_t bytes = 0;
  size_t lineFeedBytes = 0;
};

void check(std::string_view text, TokenKind kind, int32_t line, void* context) {
  Seen* seen = static_cast<Seen*>(context);
  FUZZ_CHECK(kind >= TokenKind::Other && kind <= TokenKind::Constant,
             "kind " + decimalText(static_cast<int32_t>(kind)));
  FUZZ_CHECK(!text.empty(), "an empty token");
  FUZZ_CHECK(line == seen->lineFeedTokens + 1,
             "line " + decimalText(line) + " after " + decimalText(seen->lineFeedTokens) +
                 " line feeds");
  if (kind == TokenKind::Keyword)
    FUZZ_CHECK(text == lowerCase(std::string(text)),
               "keyword not lower-cased: " + std::string(text));
  ++seen->tokens;
  if (text == "\n") ++seen->lineFeedTokens;
  seen->bytes += text.size();
  for (char c : text) seen->lineFeedBytes += c == '\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Seen seen;
  const int32_t raw = lexText(text, check, &seen);
  // The lexer sees the text up to its first NUL.
  const size_t length = std::strlen(text.c_str());
  size_t lineFeeds = 0;
  for (size_t i = 0; i < length; ++i) lineFeeds += text[i] == '\n';
  FUZZ_CHECK(raw >= 0, "the token pattern did not compile");
  FUZZ_CHECK(seen.tokens <= raw, "more tokens than raw matches");
  FUZZ_CHECK(seen.bytes <= length, "tokens hold more bytes than the text");
  // Every line feed is a token of its own: not even an unclosed character literal takes one.
  FUZZ_CHECK(seen.lineFeedBytes == lineFeeds &&
                 seen.lineFeedTokens == static_cast<int32_t>(lineFeeds),
             decimalText(static_cast<int64_t>(seen.lineFeedTokens)) + " line feed tokens and " +
                 decimalText(static_cast<int64_t>(seen.lineFeedBytes)) + " line feeds of " +
                 decimalText(static_cast<int64_t>(lineFeeds)));
  return 0;
}
