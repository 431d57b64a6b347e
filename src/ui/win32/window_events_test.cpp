#include "ui/win32/window_events.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Window {
  SizeState sizeState = SizeState::Normal;
  EventQueue queue{RepeatRule::Drop};

  bool send(UINT message, WPARAM wParam = 0) {
    return queueWindowEvents(message, wParam, this, &sizeState, &queue);
  }
  std::vector<int32_t> drain() {
    std::vector<int32_t> codes;
    for (int32_t code; queue.pop(&code);) codes.push_back(code);
    return codes;
  }
};

}  // namespace

TEST(WindowEventsWin32, CloseIsQueuedAndKeptFromTheDefaultProcedure) {
  Window w;
  EXPECT_TRUE(w.send(WM_CLOSE));
  EXPECT_FALSE(w.send(WM_MOVE));
  EXPECT_FALSE(w.send(WM_ERASEBKGND));
  EXPECT_FALSE(w.send(WM_ACTIVATE, WA_ACTIVE));
  EXPECT_FALSE(w.send(WM_ACTIVATE, WA_INACTIVE));  // losing the focus has no code
  EXPECT_FALSE(w.send(WM_PAINT));
  EXPECT_FALSE(w.send(WM_NCLBUTTONDOWN));
  EXPECT_FALSE(w.send(WM_MOVE));
  EXPECT_FALSE(w.send(WM_ACTIVATE, WA_CLICKACTIVE));
  EXPECT_EQ((std::vector<int32_t>{16, 3, 15, 13104, 3, 13104}), w.drain());
}

TEST(WindowEventsWin32, SizeChangesTellRestoresFromPlainResizes) {
  Window w;
  w.send(WM_SIZE, SIZE_RESTORED);
  EXPECT_EQ((std::vector<int32_t>{5}), w.drain());

  w.send(WM_SIZE, SIZE_MAXIMIZED);
  EXPECT_EQ((std::vector<int32_t>{13108, 5}), w.drain());
  w.send(WM_SIZE, SIZE_RESTORED);
  EXPECT_EQ((std::vector<int32_t>{13109, 5}), w.drain());
  w.send(WM_SIZE, SIZE_RESTORED);
  EXPECT_EQ((std::vector<int32_t>{5}), w.drain());

  w.send(WM_SIZE, SIZE_MINIMIZED);
  EXPECT_EQ((std::vector<int32_t>{13107}), w.drain());
  w.send(WM_SIZE, SIZE_MAXSHOW);  // about another window: nothing
  EXPECT_TRUE(w.drain().empty());
  w.send(WM_SIZE, SIZE_RESTORED);
  EXPECT_EQ((std::vector<int32_t>{13109, 5}), w.drain());
}
