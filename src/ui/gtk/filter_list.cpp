#include "ui/gtk/filter_list.h"

namespace {

void addPattern(SaveFilter* filter, const std::string& pattern) {
  // "*.*" is meant to match every file, also those without a dot.
  filter->patterns.push_back(pattern == "*.*" ? "*" : pattern);
}

}  // namespace

std::vector<SaveFilter> parseFilterList(const std::string& patternList) {
  std::vector<SaveFilter> filters;
  SaveFilter current;
  bool haveCurrent = false;
  bool inName = true;
  int32_t counter = 0;
  std::string field;
  for (char c : patternList) {
    if (c == '|') {
      if (inName) {
        if (haveCurrent) filters.push_back(current);
        current = SaveFilter();
        current.index = counter++;
        current.name = field;
        haveCurrent = true;
      } else {
        addPattern(&current, field);
      }
      inName = !inName;
      field.clear();
    } else if (c == ';' && !inName) {
      addPattern(&current, field);
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  if (haveCurrent) {
    if (!inName) addPattern(&current, field);
    filters.push_back(current);
  }
  return filters;
}
