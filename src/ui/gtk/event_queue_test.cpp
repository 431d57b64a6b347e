#include "ui/gtk/event_queue.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/gtk/window_events.h"

namespace {

// A scripted toolkit: each call takes the next step; a step pushes its codes into the queue.
struct Step {
  bool pending;
  std::vector<int32_t> queues;
};
EventQueue* queue = nullptr;
std::vector<Step> steps;
size_t calls = 0;
int window = 0;

bool scriptedToolkit() {
  if (calls >= steps.size()) return false;
  const Step& step = steps[calls++];
  for (int32_t code : step.queues) queue->push(code, &window);
  return step.pending;
}

void script(EventQueue* q, std::vector<Step> s) {
  queue = q;
  steps = std::move(s);
  calls = 0;
}

}  // namespace

TEST(EventQueue, PollTakesQueuedEventsFirstOnePerCall) {
  EventQueue q;
  script(&q, {});
  EXPECT_EQ(NoEvent, q.poll(scriptedToolkit));
  q.push(MovedEvent, &window);
  q.push(MovedEvent, &window);  // equal to the waiting one, still queued
  q.push(CloseWindowEvent, &window);
  script(&q, {{true, {RepaintEvent}}});
  EXPECT_EQ(MovedEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(MovedEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(CloseWindowEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(0u, calls);  // the toolkit was not asked while events were waiting
  EXPECT_EQ(RepaintEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(1u, calls);
  EXPECT_EQ(NoEvent, q.poll(scriptedToolkit));
}

TEST(EventQueue, PollHandlesAtMostOneToolkitEvent) {
  EventQueue q;
  // An event the toolkit handles alone, then one that queues two window events.
  script(&q, {{true, {}}, {true, {ActivatedEvent, PointerMovedEvent}}, {false, {}}});
  EXPECT_EQ(ToolkitOnlyEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(ActivatedEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(2u, calls);
  EXPECT_EQ(PointerMovedEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(2u, calls);
  EXPECT_EQ(NoEvent, q.poll(scriptedToolkit));
  EXPECT_EQ(3u, calls);
}

TEST(EventQueue, DiscardDropsOnlyThatWindowsEvents) {
  EventQueue q;
  int other = 0;
  q.push(RepaintEvent, &window);
  q.push(DeactivatedEvent, &other);
  q.push(CloseWindowEvent, &window);
  q.discard(&window);
  int32_t code = NoEvent;
  ASSERT_TRUE(q.pop(&code));
  EXPECT_EQ(DeactivatedEvent, code);
  EXPECT_FALSE(q.pop(&code));
}
