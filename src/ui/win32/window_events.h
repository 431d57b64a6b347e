// Which window events the progress window's messages stand for.
#ifndef GANTRELL_UI_WIN32_WINDOW_EVENTS_H_
#define GANTRELL_UI_WIN32_WINDOW_EVENTS_H_

#include <windows.h>

#include <cstdint>

#include "ui/event_queue.h"

/// Event codes that pollWindowEvent returns besides message numbers.
enum WindowEventCode : int32_t {
  kNoEvent = 0,
  kMovedEvent = 3,
  kResizedEvent = 5,
  kRepaintEvent = 15,
  kCloseWindowEvent = 16,
  kActivatedEvent = 13104,
  kMinimisedEvent = 13107,
  kMaximisedEvent = 13108,
  kRestoredEvent = 13109,
};

/// The window's last size state, which tells a restore from a plain resize.
enum class SizeState { Normal, Minimised, Maximised };

/// Queues the events that one message to `window` stands for; true for a close request, which
/// the window procedure answers itself so that the window is not destroyed.
bool queueWindowEvents(UINT message, WPARAM wParam, const void* window, SizeState* sizeState,
                       EventQueue* queue);

#endif  // GANTRELL_UI_WIN32_WINDOW_EVENTS_H_
