// The progress window's first-in first-out queue of window events, shared by both toolkits.
#ifndef GANTRELL_UI_EVENT_QUEUE_H_
#define GANTRELL_UI_EVENT_QUEUE_H_

#include <cstdint>
#include <deque>

/// One queued window event: its code and the window it concerns.
struct WindowEvent {
  int32_t code;
  const void* window;
};

/// What a queue does with an event equal to the newest one still waiting.
enum class RepeatRule {
  Keep,  // queue it again
  Drop,  // queue it once
};

/// Window events waiting to be read, oldest first.
class EventQueue {
 public:
  /// Makes an empty queue that treats repeats of its newest event by `repeats`.
  explicit EventQueue(RepeatRule repeats) : repeats_(repeats) {}

  /// Appends an event (or drops it, when it repeats the newest one and the rule says so).
  void push(int32_t code, const void* window);

  /// Removes the oldest event into `code`; false when the queue is empty.
  bool pop(int32_t* code);

  /// Drops every waiting event of a window that has gone.
  void discard(const void* window);

 private:
  RepeatRule repeats_;
  std::deque<WindowEvent> events_;
};

#endif  // GANTRELL_UI_EVENT_QUEUE_H_
