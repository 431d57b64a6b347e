#include "ui/gtk/event_poll.h"

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

TEST(EventPoll, PollTakesQueuedEventsFirstOnePerCall) {
  EventQueue q(RepeatRule::Keep);
  script(&q, {});
  EXPECT_EQ(NoEvent, pollEventQueue(&q, scriptedToolkit));
  q.push(MovedEvent, &window);
  q.push(MovedEvent, &window);  // equal to the waiting one, still queued
  q.push(CloseWindowEvent, &window);
  script(&q, {{true, {RepaintEvent}}});
  EXPECT_EQ(MovedEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(MovedEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(CloseWindowEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(0u, calls);  // the toolkit was not asked while events were waiting
  EXPECT_EQ(RepaintEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(1u, calls);
  EXPECT_EQ(NoEvent, pollEventQueue(&q, scriptedToolkit));
}

TEST(EventPoll, PollHandlesAtMostOneToolkitEvent) {
  EventQueue q(RepeatRule::Keep);
  // An event the toolkit handles alone, then one that queues two window events.
  script(&q, {{true, {}}, {true, {ActivatedEvent, PointerMovedEvent}}, {false, {}}});
  EXPECT_EQ(ToolkitOnlyEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(ActivatedEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(2u, calls);
  EXPECT_EQ(PointerMovedEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(2u, calls);
  EXPECT_EQ(NoEvent, pollEventQueue(&q, scriptedToolkit));
  EXPECT_EQ(3u, calls);
}
