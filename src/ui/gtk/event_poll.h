// Taking one window event for the scan: a queued one, or what one toolkit event queues.
#ifndef GANTRELL_UI_GTK_EVENT_POLL_H_
#define GANTRELL_UI_GTK_EVENT_POLL_H_

#include <cstdint>

#include "ui/event_queue.h"

/// Takes one event: a queued one, else one handled toolkit event's, else NoEvent or
/// ToolkitOnlyEvent. `handleOneToolkitEvent` handles at most one pending toolkit event without
/// waiting and tells whether there was one.
int32_t pollEventQueue(EventQueue* queue, bool (*handleOneToolkitEvent)());

#endif  // GANTRELL_UI_GTK_EVENT_POLL_H_
