#include "scan/include_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "scan/code_spans.h"
#include "scan/statements.h"
#include "text/path.h"
#include "text/text_ops.h"

namespace {

// The keyword that starts at `at` in the line as a whole word (not part of a longer name, a
// constant, a pointer or a string variable), in any letter case, or none.
IncludeDirective::Kind keywordAt(std::string_view line, size_t at, size_t* end) {
  // Each holds "nclude" and then "file" or "path", which is what mayNameInclude looks for: it
  // turns no line with one of them away.
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

// Tells whether any of the eight bytes at `bytes` is a "u" or a "U".
bool holdsU(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  // A byte becomes zero where it was "u" or "U"; then the lowest zero byte sets its top bit.
  const uint64_t x = (word | 0x2020202020202020u) ^ 0x7575757575757575u;
  return ((x - 0x0101010101010101u) & ~x & 0x8080808080808080u) != 0;
}

}  // namespace

// Without lowering the whole line: most lines can't hold an include, and lowering every line
// is a good part of loading.
bool mayNameInclude(std::string_view line) {
  static const size_t kLength = sizeof "ncludefile" - 1;
  if (line.size() < kLength) return false;
  const size_t last = line.size() - kLength;  // the last place the word can start
  // Where only "U" and "u" lower to the "u" of "nclude", three bytes after its start (in every
  // code page seen so far), eight places at a time are passed over where there is none.
  static const bool onlyUsLowerToU = [] {
    for (int byte = 128; byte < 256; ++byte)
      if (lowerCaseByte(static_cast<unsigned char>(byte)) == 'u') return false;
    return true;
  }();
  for (size_t i = 0; i <= last; i += 8) {
    if (onlyUsLowerToU && i + 3 + 8 <= line.size() && !holdsU(line.data() + i + 3)) continue;
    for (size_t at = i; at < i + 8 && at <= last; ++at)
      if ((!onlyUsLowerToU || (line[at + 3] | 0x20) == 'u') &&
          lowersTo(line.data() + at, "nclude", 6) &&
          (lowersTo(line.data() + at + 6, "file", 4) || lowersTo(line.data() + at + 6, "path", 4)))
        return true;
  }
  return false;
}

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
