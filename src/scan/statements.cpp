#include "scan/statements.h"

bool startsLiteral(std::string_view line, size_t at) {
  const SpanKind kind = spanAt(line, at).kind;
  return kind == SpanKind::String || kind == SpanKind::Character;
}

size_t literalEnd(std::string_view line, size_t at) { return spanAt(line, at).end; }

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
