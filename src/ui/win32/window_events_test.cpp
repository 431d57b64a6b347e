#include "ui/win32/window_events.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WindowEventsWin32, MessagesQueueTheirCodesAndSizesTellRestoresFromPlainResizes) {
  SizeState sizeState = SizeState::Normal;
  EventQueue queue{RepeatRule::Drop};
  const auto send = [&](UINT message, WPARAM wParam) {
    return queueWindowEvents(message, wParam, &queue, &sizeState, &queue);
  };
  const auto drain = [&] {
    std::vector<int32_t> codes;
    for (int32_t code; queue.pop(&code);) codes.push_back(code);
    return codes;
  };
  // Only the close request is kept from the default procedure; losing the focus has no code.
  EXPECT_TRUE(send(WM_CLOSE, 0));
  for (const auto& [message, wParam] : std::vector<std::pair<UINT, WPARAM>>{
           {WM_MOVE, 0}, {WM_ERASEBKGND, 0}, {WM_ACTIVATE, WA_ACTIVE}, {WM_ACTIVATE, WA_INACTIVE},
           {WM_PAINT, 0}, {WM_NCLBUTTONDOWN, 0}, {WM_MOVE, 0}, {WM_ACTIVATE, WA_CLICKACTIVE}})
    EXPECT_FALSE(send(message, wParam)) << message;
  EXPECT_EQ((std::vector<int32_t>{16, 3, 15, 13104, 3, 13104}), drain());

  // Each WM_SIZE in turn, and the codes it queues (SIZE_MAXSHOW is about another window).
  const std::pair<WPARAM, std::vector<int32_t>> sizes[] = {
      {SIZE_RESTORED, {5}},  {SIZE_MAXIMIZED, {13108, 5}}, {SIZE_RESTORED, {13109, 5}},
      {SIZE_RESTORED, {5}},  {SIZE_MINIMIZED, {13107}},    {SIZE_MAXSHOW, {}},
      {SIZE_RESTORED, {13109, 5}}};
  for (const auto& [wParam, codes] : sizes) {
    send(WM_SIZE, wParam);
    EXPECT_EQ(codes, drain()) << wParam;
  }
}
