#include "ui/gtk/event_queue.h"

#include <algorithm>

#include "ui/gtk/window_events.h"

void EventQueue::push(int32_t code, const void* window) { events_.push_back({code, window}); }

bool EventQueue::pop(int32_t* code) {
  if (events_.empty()) return false;
  *code = events_.front().code;
  events_.pop_front();
  return true;
}

void EventQueue::discard(const void* window) {
  events_.erase(std::remove_if(events_.begin(), events_.end(),
                               [window](const WindowEvent& e) { return e.window == window; }),
                events_.end());
}

int32_t EventQueue::poll(bool (*handleOneToolkitEvent)()) {
  int32_t code;
  if (pop(&code)) return code;
  const bool handled = handleOneToolkitEvent();
  if (pop(&code)) return code;
  return handled ? ToolkitOnlyEvent : NoEvent;
}
