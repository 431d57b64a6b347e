#include "scan/statements.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool startsLiteral(std::string_view line, size_t at) {
  const char c = line[at];
  return c == '"' || c == '\'' || (c == '~' && at + 1 < line.size() && line[at + 1] == '"');
}

size_t literalEnd(std::string_view line, size_t at) {
  const size_t size = line.size();
  if (line[at] == '~') {
    for (size_t i = at + 2; i < size; ++i) {
      if (line[i] == '\\') {
        ++i;  // "\\" and "\"" take both characters
      } else if (line[i] == '"') {
        return i + 1;
      }
    }
    return size;
  }
  const size_t close = line.find(line[at], at + 1);
  return close == std::string_view::npos ? size : close + 1;
}

std::vector<std::string_view> splitStatements(std::string_view line) {
  std::vector<std::string_view> statements;
  forEachStatement(line, [&](std::string_view statement) {
    statements.push_back(statement);
    return true;
  });
  return statements;
}

std::string_view trimBlanks(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}
