#include "ui/event_queue.h"

#include <gtest/gtest.h>

#include <vector>

TEST(EventQueue, KeepsOrderTreatsARepeatOfTheNewestByItsRuleAndDiscardsOneWindow) {
  int a, b;
  const auto drain = [](EventQueue* queue) {
    std::vector<int32_t> codes;
    for (int32_t code; queue->pop(&code);) codes.push_back(code);
    return codes;
  };
  EventQueue keep(RepeatRule::Keep);
  int32_t code;
  EXPECT_FALSE(keep.pop(&code));
  for (int32_t pushed : {5, 5, 13104, 2}) keep.push(pushed, pushed == 13104 ? &b : &a);
  EXPECT_EQ((std::vector<int32_t>{5, 5, 13104, 2}), drain(&keep));
  for (int32_t pushed : {5, 13104, 16}) keep.push(pushed, pushed == 13104 ? &b : &a);
  keep.discard(&a);
  EXPECT_EQ((std::vector<int32_t>{13104}), drain(&keep));

  // Under Drop only a repeat of the newest event, same code and same window, is dropped.
  EventQueue drop(RepeatRule::Drop);
  for (const auto& [pushed, window] : {std::pair{3, &a}, {3, &a}, {3, &b}, {15, &a}, {3, &a}})
    drop.push(pushed, window);
  EXPECT_EQ((std::vector<int32_t>{3, 3, 15, 3}), drain(&drop));
  // Once the newest has been read, the same event is queued again.
  drop.push(16, &a);
  ASSERT_TRUE(drop.pop(&code));
  drop.push(16, &a);
  EXPECT_EQ((std::vector<int32_t>{16}), drain(&drop));
}
