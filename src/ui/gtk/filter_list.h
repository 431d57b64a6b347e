// The filters of the save dialog, read from a "name|patterns|name|patterns" list.
#ifndef GANTRELL_UI_GTK_FILTER_LIST_H_
#define GANTRELL_UI_GTK_FILTER_LIST_H_

#include <cstdint>
#include <string>
#include <vector>

/// One filter of the save dialog: the name the user sees and its shell-style patterns.
struct SaveFilter {
  int32_t index = 0;  // 0-based position in the list
  std::string name;
  std::vector<std::string> patterns;
};

/// Reads the filters of a list of "|"-separated fields that alternate between a name and its
/// ";"-separated patterns; a name that no "|" follows makes no filter, and "*.*" becomes "*".
std::vector<SaveFilter> parseFilterList(const std::string& patternList);

#endif  // GANTRELL_UI_GTK_FILTER_LIST_H_
