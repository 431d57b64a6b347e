#include "ui/gtk/window_events.h"

#include <gdk/gdk.h>

bool geometryMoved(const WindowGeometry& before, const WindowGeometry& after) {
  return before.x != after.x || before.y != after.y;
}

bool geometryResized(const WindowGeometry& before, const WindowGeometry& after) {
  return before.width != after.width || before.height != after.height;
}

int32_t windowStateEventCode(unsigned changedStates, unsigned newStates) {
  const unsigned entered = changedStates & newStates;
  if (entered & GDK_WINDOW_STATE_ICONIFIED) return MinimisedEvent;
  if (entered & GDK_WINDOW_STATE_MAXIMIZED) return MaximisedEvent;
  if (changedStates & (GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED))
    return RestoredEvent;
  return NoEvent;
}
