#include "ui/gtk/window_events.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>

TEST(WindowEvents, ConfigureTellsMovesFromResizesAndStateChangesTheirCodes) {
  const WindowGeometry at{100, 200, 400, 70};
  EXPECT_FALSE(geometryMoved(at, at) || geometryResized(at, at));
  EXPECT_TRUE(geometryMoved(at, {101, 200, 400, 70}) && geometryMoved(at, {100, 199, 400, 70}));
  EXPECT_FALSE(geometryResized(at, {101, 199, 400, 70}) || geometryMoved(at, {100, 200, 401, 71}));
  EXPECT_TRUE(geometryResized(at, {100, 200, 401, 70}) && geometryResized(at, {100, 200, 400, 71}));

  const unsigned iconified = GDK_WINDOW_STATE_ICONIFIED, maximized = GDK_WINDOW_STATE_MAXIMIZED;
  EXPECT_EQ(MinimisedEvent, windowStateEventCode(iconified, iconified | maximized));
  EXPECT_EQ(MaximisedEvent, windowStateEventCode(maximized, maximized));
  // Leaving either state restores the window; other state bits say nothing to the program.
  EXPECT_EQ(RestoredEvent, windowStateEventCode(iconified, 0));
  EXPECT_EQ(RestoredEvent, windowStateEventCode(maximized, 0));
  EXPECT_EQ(RestoredEvent, windowStateEventCode(iconified, maximized));
  EXPECT_EQ(NoEvent, windowStateEventCode(GDK_WINDOW_STATE_ABOVE, GDK_WINDOW_STATE_ABOVE));
  EXPECT_EQ(NoEvent, windowStateEventCode(0, iconified));
}
