#include "scan/code_spans.h"

Span spanAt(std::string_view line, size_t at) {
  switch (line[at]) {
    case '"': {
      const size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos) return {SpanKind::Code, at + 1};
      return {SpanKind::String, close + 1};
    }
    case '~': {
      if (at + 1 >= line.size() || line[at + 1] != '"') return {SpanKind::Code, at + 1};
      for (size_t i = at + 2; i < line.size(); ++i) {
        if (line[i] == '\\') {
          ++i;  // the escaped character, a double quote or a backslash too
        } else if (line[i] == '"') {
          return {SpanKind::String, i + 1};
        }
      }
      return {SpanKind::Code, at + 1};
    }
    case '\'': {
      const size_t close = line.find('\'', at + 1);
      return {SpanKind::Character, close == std::string_view::npos ? line.size() : close + 1};
    }
    case ';':
      return {SpanKind::Comment, line.size()};
    default:
      return {SpanKind::Code, at + 1};
  }
}
