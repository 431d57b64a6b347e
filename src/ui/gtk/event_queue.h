// The progress window's first-in first-out queue of window events.
#ifndef GANTRELL_UI_GTK_EVENT_QUEUE_H_
#define GANTRELL_UI_GTK_EVENT_QUEUE_H_

#include <cstdint>
#include <deque>

/// One queued window event: its code and the window it concerns.
struct WindowEvent {
  int32_t code;
  const void* window;
};

/// Window events waiting to be read, oldest first.
class EventQueue {
 public:
  /// Appends an event, even when it equals one that is still waiting.
  void push(int32_t code, const void* window);

  /// Removes the oldest event into `code`; false when the queue is empty.
  bool pop(int32_t* code);

  /// Drops every waiting event of a window that has gone.
  void discard(const void* window);

  /// Takes one event: a queued one, else one handled toolkit event's, else NoEvent or
  /// ToolkitOnlyEvent. `handleOneToolkitEvent` handles at most one pending toolkit event without
  /// waiting and tells whether there was one.
  int32_t poll(bool (*handleOneToolkitEvent)());

 private:
  std::deque<WindowEvent> events_;
};

#endif  // GANTRELL_UI_GTK_EVENT_QUEUE_H_
