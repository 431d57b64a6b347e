// Which window events the progress window's messages stand for.
#ifndef GANTRELL_UI_WIN32_WINDOW_EVENTS_H_
#define GANTRELL_UI_WIN32_WINDOW_EVENTS_H_

#include <windows.h>

#include <cstdint>

#include "ui/event_queue.h"

/// Event codes that pollWindowEvent returns besides message numbers.
enum WindowEventCode : int32_t {
  NoEvent = 0,              // nothing was pending
  MovedEvent = 3,           // WM_MOVE
  ResizedEvent = 5,         // WM_SIZE
  RepaintEvent = 15,        // WM_ERASEBKGND
  CloseWindowEvent = 16,    // WM_CLOSE, kept from the default procedure
  ActivatedEvent = 13104,   // WM_ACTIVATE that activates
  MinimisedEvent = 13107,   // WM_SIZE with SIZE_MINIMIZED
  MaximisedEvent = 13108,   // WM_SIZE with SIZE_MAXIMIZED, before its ResizedEvent
  RestoredEvent = 13109,    // leaving minimised or maximised, before its ResizedEvent
};

/// The window's last size state, which tells a restore from a plain resize.
enum class SizeState { Normal, Minimised, Maximised };

/// Queues the events that one message to `window` stands for; true for a close request, which
/// the window procedure answers itself so that the window is not destroyed.
bool queueWindowEvents(UINT message, WPARAM wParam, const void* window, SizeState* sizeState,
                       EventQueue* queue);

#endif  // GANTRELL_UI_WIN32_WINDOW_EVENTS_H_
