#include "scan/include_search.h"

#include <algorithm>

#include "scan/code_spans.h"
#include "scan/statements.h"
#include "text/path.h"
#include "text/text_ops.h"

namespace {

// The keyword that starts at `at` in the line as a whole word (not part of a longer name, a
// constant, a pointer or a string variable), in any letter case, or none.
IncludeDirective::Kind keywordAt(std::string_view line, size_t at, size_t* end) {
  static const std::pair<std::string_view, IncludeDirective::Kind> kKeywords[] = {
      {"xincludefile", IncludeDirective::Kind::Include},
      {"includefile", IncludeDirective::Kind::Include},
      {"includepath", IncludeDirective::Kind::IncludePath}};
  const char before = at == 0 ? ' ' : line[at - 1];
  if (isNameByte(before) || before == '#' || before == '*') return IncludeDirective::Kind::None;
  for (const auto& [word, kind] : kKeywords) {
    const size_t after = at + word.size();
    if (after > line.size() || !lowersTo(line.data() + at, word.data(), word.size())) continue;
    const char next = after < line.size() ? line[after] : ' ';
    if (isNameByte(next) || next == '$') continue;
    *end = after;
    return kind;
  }
  return IncludeDirective::Kind::None;
}

// Reads the statement between `begin` and `end` of the line: the first keyword in its code, and
// the first string literal after it as the name.
IncludeDirective readStatement(std::string_view line, size_t begin, size_t end) {
  IncludeDirective statement;
  statement.text = line.substr(begin, end - begin);
  size_t keywordEnd = 0;
  for (size_t at = begin; at < end;) {
    const Span span = spanAt(line, at);
    if (statement.kind == IncludeDirective::Kind::None && span.kind == SpanKind::Code) {
      statement.kind = keywordAt(line, at, &keywordEnd);
      if (statement.kind != IncludeDirective::Kind::None) {
        statement.expression = line.substr(keywordEnd, end - keywordEnd);
        at = keywordEnd;
        continue;
      }
    } else if (statement.kind != IncludeDirective::Kind::None && span.kind == SpanKind::String) {
      statement.name = line.substr(at + 1, span.end - at - 2);
      break;
    }
    at = span.end;
  }
  return statement;
}

}  // namespace

IncludeDirective nextStatement(std::string_view line, size_t* at) {
  const size_t begin = *at;
  const size_t end = statementEnd(line, begin);
  *at = separatesStatements(line, end) ? end + 1 : line.size() + 1;
  return readStatement(line, begin, end);
}

bool holdsInclude(std::string_view line) {
  for (size_t at = 0; at <= line.size();)
    if (nextStatement(line, &at).kind == IncludeDirective::Kind::Include) return true;
  return false;
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
