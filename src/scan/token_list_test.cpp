#include "scan/token_list.h"

#include <gtest/gtest.h>

TEST(TokenList, GrowsBy255KeepsAZeroedRecordBeyondTheLastAndReadsOutOfRangeAsNothing) {
  TokenList* list = newTokenList();
  const TokenListOps& ops = *list->ops;
  EXPECT_EQ(nullptr, list->entries);
  for (int i = 0; i < 254; ++i) ops.add(list, "t", 1, i);
  EXPECT_EQ(255, list->capacity);
  ops.add(list, "t", 1, 254);  // index 254 would leave no spare record: grow first
  EXPECT_EQ(510, list->capacity);
  for (int32_t i = ops.count(list); i < list->capacity; ++i)
    EXPECT_TRUE(list->entries[i].text == nullptr && list->entries[i].kind == 0 &&
                list->entries[i].line == 0);
  for (int i = 0; i < 100000; ++i) ops.add(list, std::to_string(i), 4, i);
  EXPECT_EQ(100255, ops.count(list));
  EXPECT_EQ(0, list->capacity % 255);
  EXPECT_EQ("99999", ops.getText(list, 100254));
  for (int32_t index : {-1, 100255, INT32_MAX, INT32_MIN}) {
    EXPECT_EQ("", ops.getText(list, index));
    EXPECT_EQ(0, ops.getKind(list, index));
    EXPECT_EQ(-1, ops.getLine(list, index));
    EXPECT_EQ(0, ops.setToken(list, index, "y", 1, 1));
  }
  EXPECT_EQ(0, ops.free(list));
}

TEST(TokenList, KindsAreSixteenBitsAndSetTokenKeepsWhatItIsTold) {
  TokenList* list = newTokenList();
  const TokenListOps& ops = *list->ops;
  ops.add(list, "", -2, 3);
  EXPECT_EQ(1, ops.setToken(list, 0, "new", KeepValue, KeepValue));
  EXPECT_EQ("new -2 3", ops.getText(list, 0) + " " + std::to_string(ops.getKind(list, 0)) + " " +
                            std::to_string(ops.getLine(list, 0)));
  EXPECT_EQ(1, ops.setToken(list, 0, "n", 0x18000, 9));
  EXPECT_EQ(-32768, ops.getKind(list, 0));
  EXPECT_EQ(9, ops.getLine(list, 0));
  std::string copy = ops.getText(list, 0);  // texts handed out are copies
  copy[0] = 'X';
  EXPECT_EQ("n", ops.getText(list, 0));
  ops.free(list);
}
