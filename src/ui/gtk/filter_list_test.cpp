#include "ui/gtk/filter_list.h"

#include <gtest/gtest.h>

namespace {

// Each filter as index:name=pattern;pattern, separated by blanks.
std::string filters(const std::string& list) {
  std::string out;
  for (const SaveFilter& filter : parseFilterList(list)) {
    out += std::to_string(filter.index) + ":" + filter.name + "=";
    for (size_t i = 0; i < filter.patterns.size(); ++i) out += (i ? ";" : "") + filter.patterns[i];
    out += " ";
  }
  return out;
}

}  // namespace

TEST(FilterList, NamesAndPatternsAlternate) {
  EXPECT_EQ("0:PureBasic File (*.pb)=*.pb 1:All files=* ",
            filters("PureBasic File (*.pb)|*.pb|All files|*.*"));
  // Several patterns; "*.*" alone is "*"; a name followed by "|" alone has the empty pattern.
  EXPECT_EQ("0:Sources; includes=*.pb;*.pbi 1:Any=*;*.*x 2:Last= ",
            filters("Sources; includes|*.pb;*.pbi|Any|*.*;*.*x|Last|"));
  EXPECT_EQ("0:Sources=*.pb; ", filters("Sources|*.pb;"));  // a trailing ";": an empty pattern
  // A name without a pattern field makes no filter; empty fields count like any other.
  EXPECT_EQ("", filters("") + filters("All files"));
  EXPECT_EQ("0:Text=*.txt ", filters("Text|*.txt|Orphan"));
  EXPECT_EQ("0:= ", filters("||"));
}
