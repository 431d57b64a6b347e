#include "scan/include_search.h"

#include <algorithm>

#include "scan/code_spans.h"
#include "text/path.h"
#include "text/text_ops.h"

namespace {

// The keyword that starts at `at` in the lowered line as a whole word (not part of a longer name,
// a constant, a pointer or a string variable), or none.
IncludeDirective::Kind keywordAt(const std::string& lowered, size_t at, size_t* end) {
  static const std::pair<std::string_view, IncludeDirective::Kind> kKeywords[] = {
      {"xincludefile", IncludeDirective::Kind::Include},
      {"includefile", IncludeDirective::Kind::Include},
      {"includepath", IncludeDirective::Kind::IncludePath}};
  const char before = at == 0 ? ' ' : lowered[at - 1];
  if (isNameByte(before) || before == '#' || before == '*') return IncludeDirective::Kind::None;
  for (const auto& [word, kind] : kKeywords) {
    if (lowered.compare(at, word.size(), word) != 0) continue;
    const size_t after = at + word.size();
    const char next = after < lowered.size() ? lowered[after] : ' ';
    if (isNameByte(next) || next == '$') continue;
    *end = after;
    return kind;
  }
  return IncludeDirective::Kind::None;
}

// Reads the statement between `begin` and `end` of the line: the first keyword in its code, and
// the first string literal after it as the name.
IncludeDirective readStatement(std::string_view line, const std::string& lowered, size_t begin,
                               size_t end) {
  IncludeDirective statement;
  statement.text = std::string(line.substr(begin, end - begin));
  size_t keywordEnd = 0;
  for (size_t at = begin; at < end;) {
    const Span span = spanAt(line, at);
    if (statement.kind == IncludeDirective::Kind::None && span.kind == SpanKind::Code) {
      statement.kind = keywordAt(lowered, at, &keywordEnd);
      if (statement.kind != IncludeDirective::Kind::None) {
        at = keywordEnd;
        continue;
      }
    } else if (statement.kind != IncludeDirective::Kind::None && span.kind == SpanKind::String) {
      statement.name = std::string(line.substr(at + 1, span.end - at - 2));
      break;
    }
    at = span.end;
  }
  return statement;
}

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::vector<IncludeDirective> readIncludeDirectives(std::string_view line) {
  const std::string lowered = lowerCase(std::string(line));
  std::vector<IncludeDirective> statements;
  bool any = false;
  for (size_t begin = 0, at = 0;;) {
    const Span span = at < line.size() ? spanAt(line, at) : Span{SpanKind::Comment, at};
    // "::" is module access, not the end of a statement.
    if (span.kind == SpanKind::Code && line[at] == ':' && at + 1 < line.size() &&
        line[at + 1] == ':') {
      at += 2;
      continue;
    }
    if (span.kind == SpanKind::Comment || (span.kind == SpanKind::Code && line[at] == ':')) {
      IncludeDirective statement = readStatement(line, lowered, begin, at);
      any = any || statement.kind != IncludeDirective::Kind::None;
      if (statement.kind != IncludeDirective::Kind::None || !isBlank(statement.text))
        statements.push_back(std::move(statement));
      if (span.kind == SpanKind::Comment) break;
      begin = at + 1;
    }
    at = span.end;
  }
  if (!any) statements.clear();
  return statements;
}

void IncludeSearch::setIncludePath(const std::string& holderFolder, const std::string& folder) {
  includePath_ = isAbsolutePath(folder) ? folder : holderFolder + folder;
  // Sources written on Windows may end the folder with either separator.
  if (!includePath_.empty() && includePath_.back() != '/' && includePath_.back() != '\\')
    includePath_ += '/';
  hasIncludePath_ = true;
}

std::vector<std::string> IncludeSearch::fallbacks(const std::string& first,
                                                  const std::string& name) {
  std::vector<std::string> places = {first};
  // An absolute name is read by that name only, whichever folder the includer lies in.
  if (!isAbsolutePath(name)) {
    if (hasIncludePath_) places.push_back(includePath_ + name);
    places.push_back(mainFolder_ + name);
  }
  const size_t written = places.size();
  for (size_t i = 0; i < written; ++i)
    for (const std::string& spelling : spellings_.of(places[i])) places.push_back(spelling);
  // Each place once, and not the one already tried.
  std::vector<std::string> tries;
  for (const std::string& place : places)
    if (place != first && std::find(tries.begin(), tries.end(), place) == tries.end())
      tries.push_back(place);
  return tries;
}
