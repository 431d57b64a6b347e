// The codes by which the progress window reports its events, and how toolkit events map to them.
#ifndef GANTRELL_UI_GTK_WINDOW_EVENTS_H_
#define GANTRELL_UI_GTK_WINDOW_EVENTS_H_

#include <cstdint>

/// Event codes returned by the progress window's poll.
enum WindowEventCode : int32_t {
  ToolkitOnlyEvent = -1,  // the toolkit handled an event of its own, nothing was queued
  NoEvent = 0,
  CloseWindowEvent = 2,
  RepaintEvent = 4,
  MovedEvent = 5,
  ResizedEvent = 6,
  ActivatedEvent = 7,
  DeactivatedEvent = 8,
  MinimisedEvent = 12,
  MaximisedEvent = 13,
  RestoredEvent = 14,
  PointerMovedEvent = 24,
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
