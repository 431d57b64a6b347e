// Builds a token list straight from the input (tokens split at blanks and classified, keywords
// lowered, each line feed a token of its own) and walks it as a run does, reading every
// declaration that a token starts. The lexer is bypassed, so any token texts may follow a keyword.
#include <string>

#include "fuzz_support.h"
#include "header/import_header.h"
#include "scan/classifier.h"
#include "scan/token_list.h"
#include "text/text_ops.h"

namespace {

TokenList* tokensOf(const std::string& input) {
  TokenList* list = newTokenList();
  int32_t line = 1;
  std::string text;
  auto flush = [&]() {
    if (text.empty()) return;
    const TokenKind kind = classifyToken(text);
    list->ops->add(list, kind == TokenKind::Keyword ? lowerCase(text) : text,
                   static_cast<int16_t>(kind), line);
    text.clear();
  };
  for (char c : input) {
    if (c == ' ') {
      flush();
    } else if (c == '\n') {
      flush();
      list->ops->add(list, "\n", static_cast<int16_t>(TokenKind::StatementEnd), line++);
    } else {
      text.push_back(c);
    }
  }
  flush();
  return list;
}

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TokenList* tokens = tokensOf(std::string(reinterpret_cast<const char*>(data), size));
  const TokenListOps& ops = *tokens->ops;
  const int32_t count = ops.count(tokens);
  ImportHeader header;
  for (int32_t p = 0; p < count; ++p) {
    const std::string dllBefore = header.dll.text;
    const std::string cdllBefore = header.cdll.text;
    const int32_t met = header.declarationCount();
    if (!startsDeclaration(tokens, p, &header)) {
      FUZZ_CHECK(header.declarationCount() == met && header.dll.text == dllBefore &&
                     header.cdll.text == cdllBefore,
                 "a token that starts no declaration changed the header");
      continue;
    }
    const DeclarationResult result = scanDeclaration(tokens, p, &header);
    const bool unchanged = header.dll.text == dllBefore && header.cdll.text == cdllBefore;
    if (!result.ok) {
      FUZZ_CHECK(header.declarationCount() == met + 1, "the declaration count is off");
      FUZZ_CHECK(startsWith(result.message, "Syntax error in line ") ||
                     startsWith(result.message, "Symbol ')' expected in line "),
                 "message: " + result.message);
      FUZZ_CHECK(result.errorLine >= 1, "error line " + decimalText(result.errorLine));
      FUZZ_CHECK(result.message.size() > decimalText(result.errorLine).size() &&
                     result.message.compare(result.message.size() -
                                                decimalText(result.errorLine).size(),
                                            std::string::npos,
                                            decimalText(result.errorLine)) == 0,
                 "the message does not end with the error line: " + result.message);
      FUZZ_CHECK(unchanged, "a failed declaration changed the header");
      break;
    }
    FUZZ_CHECK(header.declarationCount() == met + 1, "the declaration count is off");
    FUZZ_CHECK(!result.name.empty(), "a declaration read without its name");
    FUZZ_CHECK(result.position > p && result.position < count, "position out of the list");
    FUZZ_CHECK(ops.getText(tokens, result.position) == ")", "the position is not on a )");
    // A line is appended whole to one block, or not at all for a name already written.
    const auto appendedWhole = [](const std::string& now, const std::string& before) {
      return now.size() > before.size() && startsWith(now, before) &&
             now.compare(now.size() - 4, 4, ")\r\n\t") == 0;
    };
    FUZZ_CHECK(unchanged || (appendedWhole(header.dll.text, dllBefore) &&
                             header.cdll.text == cdllBefore) ||
                   (appendedWhole(header.cdll.text, cdllBefore) && header.dll.text == dllBefore),
               "the import line is not appended whole");
    p = result.position;
  }
  if (header.declarationCount() >= 1) {
    finishHeader(&header);
    const std::string end = "\r\nEndImport\r\n";
    // A block that 8 bits can't hold is UTF-8 behind a byte-order mark.
    const std::string text =
        startsWith(header.text, "\xEF\xBB\xBF") ? header.text.substr(3) : header.text;
    FUZZ_CHECK(startsWith(text, "Import \"\"\r\n\t") || startsWith(text, "ImportC \"\"\r\n\t"),
               "the header's opening is lost");
    FUZZ_CHECK(header.text.compare(header.text.size() - end.size(), end.size(), end) == 0,
               "the header does not end with EndImport");
    // Outside literals every comma has its blank.
    const std::string lines = header.text.substr(header.text.find('\t'));
    if (lines.find_first_of("\"'") == std::string::npos)
      for (size_t at = lines.find(','); at != std::string::npos; at = lines.find(',', at + 1))
        FUZZ_CHECK(lines[at + 1] == ' ', "a comma without its blank");
  }
  ops.free(tokens);
  return 0;
}
