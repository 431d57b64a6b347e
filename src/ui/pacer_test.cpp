#include "ui/pacer.h"

#include <gtest/gtest.h>

using std::chrono::milliseconds;
using std::chrono::microseconds;

TEST(Pacer, WaitsEndOneStepApartWhateverRunsBetweenThem) {
  Pacer pacer(milliseconds(1));
  const Pacer::Clock::time_point start{};
  // The first wait is a whole step.
  EXPECT_EQ(start + milliseconds(1), pacer.nextDeadline(start));
  // Work of 0.3 ms between waits shortens the next wait, it doesn't lengthen the pace.
  EXPECT_EQ(start + milliseconds(2), pacer.nextDeadline(start + microseconds(1300)));
  // A sleeper that woke late doesn't push the later deadlines back.
  EXPECT_EQ(start + milliseconds(3), pacer.nextDeadline(start + microseconds(2100)));
  // After a stall the pace starts again from now: no burst of skipped waits to catch up.
  EXPECT_EQ(start + milliseconds(50), pacer.nextDeadline(start + milliseconds(50)));
  EXPECT_EQ(start + milliseconds(51), pacer.nextDeadline(start + microseconds(50100)));
  // n waits never end before n steps have passed.
  Pacer fresh(milliseconds(1));
  Pacer::Clock::time_point deadline;
  for (int i = 0; i < 100; ++i) deadline = fresh.nextDeadline(start);
  EXPECT_EQ(start + milliseconds(100), deadline);
}
