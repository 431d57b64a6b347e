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
  size_t start = 0;
  size_t at = 0;
  const auto cut = [&](size_t end) {
    const std::string_view statement = trimBlanks(line.substr(start, end - start));
    if (!statement.empty()) statements.push_back(statement);
  };
  while (at < line.size()) {
    const char c = line[at];
    if (startsLiteral(line, at)) {
      at = literalEnd(line, at);
    } else if (c == ';') {
      break;
    } else if (c == ':' && at + 1 < line.size() && line[at + 1] == ':') {
      at += 2;
    } else if (c == ':') {
      cut(at);
      start = ++at;
    } else {
      ++at;
    }
  }
  cut(at);
  return statements;
}

std::string_view trimBlanks(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}
