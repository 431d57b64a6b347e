#include "ui/win32/event_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> drain(EventQueue* queue) {
  std::vector<int32_t> codes;
  for (int32_t code; queue->pop(&code);) codes.push_back(code);
  return codes;
}

}  // namespace

TEST(EventQueueWin32, KeepsOrderAndDropsARepeatOfTheNewestWaitingEvent) {
  int a, b;
  EventQueue queue;
  int32_t code = -7;
  EXPECT_FALSE(queue.pop(&code));
  EXPECT_EQ(-7, code);

  queue.push(3, &a);
  queue.push(3, &a);   // same code, same window as the newest: dropped
  queue.push(3, &b);   // another window: kept
  queue.push(15, &a);
  queue.push(3, &a);   // equals an older event, not the newest: kept
  EXPECT_EQ((std::vector<int32_t>{3, 3, 15, 3}), drain(&queue));

  // Once the newest has been read, the same event is queued again.
  queue.push(16, &a);
  ASSERT_TRUE(queue.pop(&code));
  EXPECT_EQ(16, code);
  queue.push(16, &a);
  EXPECT_EQ((std::vector<int32_t>{16}), drain(&queue));
}

TEST(EventQueueWin32, DiscardForgetsOneWindowOnly) {
  int a, b;
  EventQueue queue;
  queue.push(5, &a);
  queue.push(13104, &b);
  queue.push(16, &a);
  queue.discard(&a);
  EXPECT_EQ((std::vector<int32_t>{13104}), drain(&queue));
}
