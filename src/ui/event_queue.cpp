#include "ui/event_queue.h"

#include <algorithm>

void EventQueue::push(int32_t code, const void* window) {
  if (repeats_ == RepeatRule::Drop && !events_.empty() && events_.back().code == code &&
      events_.back().window == window)
    return;
  events_.push_back({code, window});
}

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
