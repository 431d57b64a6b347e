#include "ui/gtk/event_poll.h"

#include "ui/gtk/window_events.h"

int32_t pollEventQueue(EventQueue* queue, bool (*handleOneToolkitEvent)()) {
  int32_t code;
  if (queue->pop(&code)) return code;
  const bool handled = handleOneToolkitEvent();
  if (queue->pop(&code)) return code;
  return handled ? ToolkitOnlyEvent : NoEvent;
}
