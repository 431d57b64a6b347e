#include "scan/token_list.h"

#include <gtest/gtest.h>

TEST(TokenList, GrowsBy255KeepsAZeroedRecordBeyondTheLastAndReadsOutOfRangeAsNothing) {
  TokenList* list = newTokenList();
  const TokenListOps& ops = *list->ops;
  const auto record = [&](int32_t i) {
    return ops.getText(list, i) + " " + std::to_string(ops.getKind(list, i)) + " " +
           std::to_string(ops.getLine(list, i));
  };
  for (int i = 0; i < 254; ++i) ops.add(list, "t", 1, i);
  EXPECT_EQ(255, list->capacity);
  ops.add(list, "t", 1, 254);  // index 254 would leave no spare record: grow first
  EXPECT_EQ(510, list->capacity);
  for (int32_t i = ops.count(list); i < list->capacity; ++i)
    EXPECT_TRUE(list->entries[i].text == nullptr && list->entries[i].kind == 0 &&
                list->entries[i].line == 0);
  for (int i = 0; i < 100000; ++i) ops.add(list, std::to_string(i), -2, i);
  EXPECT_EQ(100255, ops.count(list));
  EXPECT_EQ(0, list->capacity % 255);
  std::string copy = ops.getText(list, 100254);  // texts handed out are copies
  copy[0] = 'X';
  EXPECT_EQ("99999 -2 99999", record(100254));
  for (int32_t index : {-1, 100255, INT32_MAX, INT32_MIN}) {
    EXPECT_EQ(" 0 -1", record(index)) << "index " << index;
    EXPECT_EQ(0, ops.setToken(list, index, "y", 1, 1)) << "index " << index;
  }
  // setToken keeps what it is told to keep, and a kind keeps its low 16 bits.
  EXPECT_EQ(1, ops.setToken(list, 0, "new", KeepValue, 9));
  EXPECT_EQ(1, ops.setToken(list, 1, "n", 0x18000, KeepValue));
  EXPECT_EQ("new 1 9", record(0));
  EXPECT_EQ("n -32768 1", record(1));
  EXPECT_EQ(0, ops.free(list));
}
