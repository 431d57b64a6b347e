#include "ui/gtk/window_events.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>

TEST(WindowEvents, ConfigureTellsMovesFromResizes) {
  const WindowGeometry at{100, 200, 400, 70};
  EXPECT_FALSE(geometryMoved(at, at));
  EXPECT_FALSE(geometryResized(at, at));
  EXPECT_TRUE(geometryMoved(at, {101, 200, 400, 70}));
  EXPECT_TRUE(geometryMoved(at, {100, 199, 400, 70}));
  EXPECT_FALSE(geometryResized(at, {101, 199, 400, 70}));
  EXPECT_TRUE(geometryResized(at, {100, 200, 401, 70}));
  EXPECT_TRUE(geometryResized(at, {100, 200, 400, 71}));
  EXPECT_FALSE(geometryMoved(at, {100, 200, 401, 71}));
}

TEST(WindowEvents, StateChanges) {
  const unsigned iconified = GDK_WINDOW_STATE_ICONIFIED;
  const unsigned maximized = GDK_WINDOW_STATE_MAXIMIZED;
  const unsigned above = GDK_WINDOW_STATE_ABOVE;
  EXPECT_EQ(MinimisedEvent, windowStateEventCode(iconified, iconified));
  EXPECT_EQ(MinimisedEvent, windowStateEventCode(iconified, iconified | maximized));
  EXPECT_EQ(MaximisedEvent, windowStateEventCode(maximized, maximized));
  // Leaving either state restores the window.
  EXPECT_EQ(RestoredEvent, windowStateEventCode(iconified, 0));
  EXPECT_EQ(RestoredEvent, windowStateEventCode(maximized, 0));
  EXPECT_EQ(RestoredEvent, windowStateEventCode(iconified, maximized));
  // Other state bits say nothing to the program.
  EXPECT_EQ(NoEvent, windowStateEventCode(above, above));
  EXPECT_EQ(NoEvent, windowStateEventCode(0, iconified));
}
