#include "ui/gtk/filter_list.h"

#include <gtest/gtest.h>

namespace {

using Patterns = std::vector<std::string>;

}  // namespace

TEST(FilterList, TheSaveDialogsList) {
  const std::vector<SaveFilter> filters =
      parseFilterList("PureBasic File (*.pb)|*.pb|All files|*.*");
  ASSERT_EQ(2u, filters.size());
  EXPECT_EQ(0, filters[0].index);
  EXPECT_EQ("PureBasic File (*.pb)", filters[0].name);
  EXPECT_EQ(Patterns{"*.pb"}, filters[0].patterns);
  EXPECT_EQ(1, filters[1].index);
  EXPECT_EQ("All files", filters[1].name);
  EXPECT_EQ(Patterns{"*"}, filters[1].patterns);
}

TEST(FilterList, SeveralPatternsAndSemicolonsInNames) {
  const std::vector<SaveFilter> filters =
      parseFilterList("Sources; includes|*.pb;*.pbi|Any|*.*;*.*x|Last|");
  ASSERT_EQ(3u, filters.size());
  EXPECT_EQ("Sources; includes", filters[0].name);
  EXPECT_EQ((Patterns{"*.pb", "*.pbi"}), filters[0].patterns);
  EXPECT_EQ((Patterns{"*", "*.*x"}), filters[1].patterns);
  // A name followed by "|" and nothing else has the empty pattern.
  EXPECT_EQ(2, filters[2].index);
  EXPECT_EQ("Last", filters[2].name);
  EXPECT_EQ(Patterns{""}, filters[2].patterns);
  // A trailing ";" leaves an empty pattern after it.
  EXPECT_EQ((Patterns{"*.pb", ""}), parseFilterList("Sources|*.pb;")[0].patterns);
}

TEST(FilterList, NamesWithoutPatternField) {
  EXPECT_TRUE(parseFilterList("").empty());
  EXPECT_TRUE(parseFilterList("All files").empty());
  // The name after the last pattern field makes no filter; the filter before it stays.
  const std::vector<SaveFilter> filters = parseFilterList("Text|*.txt|Orphan");
  ASSERT_EQ(1u, filters.size());
  EXPECT_EQ("Text", filters[0].name);
  EXPECT_EQ(Patterns{"*.txt"}, filters[0].patterns);
  // Empty fields are names and patterns like any other.
  const std::vector<SaveFilter> empty = parseFilterList("||");
  ASSERT_EQ(1u, empty.size());
  EXPECT_EQ("", empty[0].name);
  EXPECT_EQ(Patterns{""}, empty[0].patterns);
}
