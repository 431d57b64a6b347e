#include "scan/token_list.h"

#include <gtest/gtest.h>

namespace {

struct ListDeleter {
  void operator()(TokenList* list) const { list->ops->free(list); }
};
using ListPtr = std::unique_ptr<TokenList, ListDeleter>;

}  // namespace

TEST(TokenList, OutOfRangeReadsAreNeutral) {
  ListPtr list(newTokenList());
  const TokenListOps& ops = *list->ops;
  EXPECT_EQ(0, ops.count(list.get()));
  EXPECT_EQ(nullptr, list->entries);
  EXPECT_EQ("", ops.getText(list.get(), 0));
  EXPECT_EQ(0, ops.getKind(list.get(), 0));
  EXPECT_EQ(-1, ops.getLine(list.get(), 0));
  EXPECT_EQ(1, ops.add(list.get(), "x", 2, 7));
  for (int32_t index : {-1, 1, INT32_MAX, INT32_MIN}) {
    EXPECT_EQ("", ops.getText(list.get(), index));
    EXPECT_EQ(0, ops.getKind(list.get(), index));
    EXPECT_EQ(-1, ops.getLine(list.get(), index));
    EXPECT_EQ(0, ops.setToken(list.get(), index, "y", 1, 1));
  }
  EXPECT_EQ("x", ops.getText(list.get(), 0));
}

TEST(TokenList, GrowsBy255RecordsKeepingAZeroedRecordBeyondTheLast) {
  ListPtr list(newTokenList());
  const TokenListOps& ops = *list->ops;
  ops.add(list.get(), "t", 1, 1);
  EXPECT_EQ(255, list->capacity);
  for (int i = 1; i < 254; ++i) ops.add(list.get(), "t", 1, i);
  EXPECT_EQ(254, ops.count(list.get()));
  EXPECT_EQ(255, list->capacity);
  ops.add(list.get(), "t", 1, 254);  // index 254 leaves no spare record: grow first
  EXPECT_EQ(510, list->capacity);
  for (int32_t i = ops.count(list.get()); i < list->capacity; ++i) {
    EXPECT_EQ(nullptr, list->entries[i].text);
    EXPECT_EQ(0, list->entries[i].kind);
    EXPECT_EQ(0, list->entries[i].line);
  }
  for (int i = 0; i < 100000; ++i) ops.add(list.get(), std::to_string(i), 4, i);
  EXPECT_EQ(100255, ops.count(list.get()));
  EXPECT_EQ(0, list->capacity % 255);
  EXPECT_EQ("99999", ops.getText(list.get(), 100254));
}

TEST(TokenList, KindsAreSixteenBitsAndSetTokenKeepsWhatItIsTold) {
  ListPtr list(newTokenList());
  const TokenListOps& ops = *list->ops;
  ops.add(list.get(), "", -2, 3);
  EXPECT_EQ("", ops.getText(list.get(), 0));
  EXPECT_EQ(-2, ops.getKind(list.get(), 0));
  EXPECT_EQ(1, ops.setToken(list.get(), 0, "new", KeepValue, KeepValue));
  EXPECT_EQ("new", ops.getText(list.get(), 0));
  EXPECT_EQ(-2, ops.getKind(list.get(), 0));
  EXPECT_EQ(3, ops.getLine(list.get(), 0));
  EXPECT_EQ(1, ops.setToken(list.get(), 0, "n", 0x12345, 9));
  EXPECT_EQ(0x2345, ops.getKind(list.get(), 0));
  EXPECT_EQ(9, ops.getLine(list.get(), 0));
  EXPECT_EQ(1, ops.setToken(list.get(), 0, "n", 0x18000, KeepValue));
  EXPECT_EQ(-32768, ops.getKind(list.get(), 0));
  // Texts handed out are copies.
  std::string copy = ops.getText(list.get(), 0);
  copy[0] = 'X';
  EXPECT_EQ("n", ops.getText(list.get(), 0));
  EXPECT_EQ(0, ops.free(list.release()));
}
