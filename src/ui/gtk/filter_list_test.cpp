#include "ui/gtk/filter_list.h"

#include <gtest/gtest.h>

TEST(FilterList, NamesAndPatternsAlternate) {
  // A list, then each filter as index:name=pattern;pattern followed by a blank. Several
  // patterns; "*.*" alone is "*"; a name followed by "|" alone, or a trailing ";", gives an
  // empty pattern; a name without a pattern field makes no filter.
  const std::pair<const char*, const char*> cases[] = {
      {"PureBasic File (*.pb)|*.pb|All files|*.*", "0:PureBasic File (*.pb)=*.pb 1:All files=* "},
      {"Sources; includes|*.pb;*.pbi|Any|*.*;*.*x|Last|",
       "0:Sources; includes=*.pb;*.pbi 1:Any=*;*.*x 2:Last= "},
      {"Sources|*.pb;", "0:Sources=*.pb; "}, {"", ""}, {"All files", ""},
      {"Text|*.txt|Orphan", "0:Text=*.txt "}, {"||", "0:= "}};
  for (const auto& [list, expected] : cases) {
    std::string out;
    for (const SaveFilter& filter : parseFilterList(list)) {
      out += std::to_string(filter.index) + ":" + filter.name + "=";
      for (size_t i = 0; i < filter.patterns.size(); ++i)
        out += (i ? ";" : "") + filter.patterns[i] + (i + 1 < filter.patterns.size() ? "" : " ");
    }
    EXPECT_EQ(expected, out) << list;
  }
}
