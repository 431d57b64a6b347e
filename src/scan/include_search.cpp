#include "scan/include_search.h"

#include <algorithm>

#include "text/path.h"
#include "text/text_ops.h"

namespace {

// Tells whether the byte at `at` lies in code: reading from the left, a double quote opens or
// closes a string, and a ";" outside a string starts the comment.
bool standsInCode(const std::string& line, size_t at) {
  bool inString = false;
  for (size_t i = 0; i < at; ++i) {
    if (line[i] == '"') inString = !inString;
    if (line[i] == ';' && !inString) return false;
  }
  return !inString;
}

// The 1-based position of `word` where it stands in the line's code as a whole word (not part
// of a longer name, a constant, a pointer or a string variable), or 0.
int32_t findKeyword(const std::string& lowered, const std::string& word) {
  for (size_t at = lowered.find(word); at != std::string::npos; at = lowered.find(word, at + 1)) {
    const char before = at == 0 ? ' ' : lowered[at - 1];
    const size_t end = at + word.size();
    const char after = end < lowered.size() ? lowered[end] : ' ';
    if (!isNameByte(before) && before != '#' && before != '*' && !isNameByte(after) &&
        after != '$' && standsInCode(lowered, at))
      return static_cast<int32_t>(at + 1);
  }
  return 0;
}

}  // namespace

IncludeDirective readIncludeDirective(const std::string& line) {
  const std::string lowered = lowerCase(line);
  IncludeDirective directive;
  int32_t pos = findKeyword(lowered, "xincludefile");
  const bool x = pos != 0;
  if (pos == 0) pos = findKeyword(lowered, "includefile");
  if (pos != 0) {
    directive.kind = IncludeDirective::Kind::Include;
  } else if ((pos = findKeyword(lowered, "includepath")) != 0) {
    directive.kind = IncludeDirective::Kind::IncludePath;
  } else {
    return directive;
  }
  directive.expression = line.substr(pos - 1 + (x ? 12 : 11));
  // The name lies between the first two double quotes after the keyword.
  const int32_t q1 = findText(lowered, "\"", pos);
  const int32_t q2 = findText(lowered, "\"", q1 + 1);
  if (q2 - q1 - 1 >= 1) directive.name = midText(line, q1 + 1, q2 - q1 - 1);
  return directive;
}

void IncludeSearch::setIncludePath(const std::string& holderFolder, const std::string& folder) {
  includePath_ = isAbsolutePath(folder) ? folder : holderFolder + folder;
  // Sources written on Windows may end the folder with either separator.
  if (!includePath_.empty() && includePath_.back() != '/' && includePath_.back() != '\\')
    includePath_ += '/';
  hasIncludePath_ = true;
}

std::vector<std::string> IncludeSearch::fallbacks(const std::string& besideIncluder,
                                                  const std::string& name) {
  std::vector<std::string> places = {besideIncluder};
  if (isAbsolutePath(name)) places.push_back(name);
  if (hasIncludePath_) places.push_back(includePath_ + name);
  places.push_back(mainFolder_ + name);
  const size_t written = places.size();
  for (size_t i = 0; i < written; ++i)
    for (const std::string& spelling : spellings_.of(places[i])) places.push_back(spelling);
  // Each place once, and not the one already tried.
  std::vector<std::string> tries;
  for (const std::string& place : places)
    if (place != besideIncluder && std::find(tries.begin(), tries.end(), place) == tries.end())
      tries.push_back(place);
  return tries;
}
