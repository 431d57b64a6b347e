// The codes by which the progress window reports its events, and how toolkit events map to them.
#ifndef GANTRELL_UI_GTK_WINDOW_EVENTS_H_
#define GANTRELL_UI_GTK_WINDOW_EVENTS_H_

#include <cstdint>

/// Event codes returned by the progress window's poll.
enum WindowEventCode : int32_t {
  ToolkitOnlyEvent = -1,  // the toolkit handled an event of its own, nothing was queued
  NoEvent = 0,            // nothing was pending
  CloseWindowEvent = 2,   // the user asked to close the window
  RepaintEvent = 4,       // the controls' area was exposed
  MovedEvent = 5,         // the position changed
  ResizedEvent = 6,       // the size changed
  ActivatedEvent = 7,     // the window got the keyboard focus
  DeactivatedEvent = 8,   // the window lost the keyboard focus
  MinimisedEvent = 12,    // the window became iconified
  MaximisedEvent = 13,    // the window became maximised
  RestoredEvent = 14,     // the window left the iconified or maximised state
  PointerMovedEvent = 24, // the pointer moved over the window
};

/// A window's position and size on the screen.
struct WindowGeometry {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

/// Tells whether a configure notification moved the window.
bool geometryMoved(const WindowGeometry& before, const WindowGeometry& after);

/// Tells whether a configure notification resized the window.
bool geometryResized(const WindowGeometry& before, const WindowGeometry& after);

/// The code of a window-state change (GDK state bits), or NoEvent when it has none.
int32_t windowStateEventCode(unsigned changedStates, unsigned newStates);

#endif  // GANTRELL_UI_GTK_WINDOW_EVENTS_H_
