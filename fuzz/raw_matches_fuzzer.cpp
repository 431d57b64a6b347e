// Walks the token pattern's raw matches through arbitrary text twice: as the lexer does, reading
// the matches it can off the bytes, and with the pattern alone. Both walks must give the same
// matches (where the pattern ends literals as the lexer does), and every kind read off the bytes
// must be the classifier's.
#include <string>

#include "fuzz_support.h"
#include "scan/classifier.h"
#include "scan/lexer.h"
#include "text/pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Pattern* const pattern = compilePattern(kTokenPattern);
  const std::string text(reinterpret_cast<const char*>(data), size);
  // Where the compiler ends a literal before the pattern does, only the lexer's own checks hold.
  if (!patternEndsLiteralsAsTheLexer(text)) return 0;
  RawMatches walk(pattern, text);
  RawMatch match;
  int index = 0;
  for (const std::string& expected : matchesOf(pattern, text)) {
    FUZZ_CHECK(walk.next(&match), "the lexer's walk ends early, at match " + std::to_string(index));
    const std::string got(match.text, match.length);
    FUZZ_CHECK(got == expected, "match " + std::to_string(index) + ": «" + got + "», not «" +
                                    expected + "»");
    FUZZ_CHECK(match.kind == TokenKind::None || match.kind == classifyToken(expected),
               "the kind of «" + expected + "»");
    ++index;
  }
  FUZZ_CHECK(!walk.next(&match), "the lexer's walk goes on after match " + std::to_string(index));
  return 0;
}
