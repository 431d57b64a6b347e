#include "ui/pacer.h"

#include <gtest/gtest.h>

using std::chrono::microseconds;
using std::chrono::milliseconds;

TEST(Pacer, WaitsEndOneStepApartWhateverRunsBetweenThem) {
  Pacer pacer(milliseconds(1)), fresh(milliseconds(1));
  const Pacer::Clock::time_point start{};
  // The first wait is a whole step; work between waits shortens the next wait; a late sleeper
  // doesn't push later deadlines back; after a stall the pace starts again from now.
  const std::pair<microseconds, microseconds> cases[] = {
      {microseconds(0), milliseconds(1)}, {microseconds(1300), milliseconds(2)},
      {microseconds(2100), milliseconds(3)}, {milliseconds(50), milliseconds(50)},
      {microseconds(50100), milliseconds(51)}};
  for (const auto& [now, deadline] : cases)
    EXPECT_EQ(start + deadline, pacer.nextDeadline(start + now));
  for (int i = 1; i < 100; ++i) fresh.nextDeadline(start);
  EXPECT_EQ(start + milliseconds(100), fresh.nextDeadline(start));  // n waits take n steps
}
