#include "ui/gtk/event_poll.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/gtk/window_events.h"

namespace {

// A scripted toolkit: each call takes the next step, which queues its codes and tells whether
// the toolkit had an event.
EventQueue queue(RepeatRule::Keep);
std::vector<std::pair<bool, std::vector<int32_t>>> steps;
size_t calls = 0;
int window = 0;

// The codes of successive polls, each with the toolkit calls made so far.
std::string polls(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const int32_t code = pollEventQueue(&queue, [] {
      if (calls >= steps.size()) return false;
      for (int32_t queued : steps[calls].second) queue.push(queued, &window);
      return steps[calls++].first;
    });
    out += std::to_string(code) + "@" + std::to_string(calls) + " ";
  }
  return out;
}

}  // namespace

TEST(EventPoll, QueuedEventsComeFirstAndAPollHandlesAtMostOneToolkitEvent) {
  EXPECT_EQ("0@0 ", polls(1));
  // Queued events are taken one per poll without asking the toolkit, equal ones included.
  for (int32_t code : {MovedEvent, MovedEvent, CloseWindowEvent}) queue.push(code, &window);
  steps = {{true, {RepaintEvent}}};
  EXPECT_EQ("5@0 5@0 2@0 4@1 0@1 ", polls(5));
  // An event the toolkit handles alone, then one that queues two window events.
  steps = {{true, {}}, {true, {ActivatedEvent, PointerMovedEvent}}, {false, {}}};
  calls = 0;
  EXPECT_EQ("-1@1 7@2 24@2 0@3 ", polls(4));
}
