// Paces the scan: one pause per token, each ending a fixed step after the one before.
#ifndef GANTRELL_UI_PACER_H_
#define GANTRELL_UI_PACER_H_

#include <chrono>

/// Waits so that successive waits end one step apart, whatever ran in between.
class Pacer {
 public:
  using Clock = std::chrono::steady_clock;

  /// Makes a pacer whose waits end `step` apart.
  explicit Pacer(Clock::duration step) : step_(step) {}

  /// Returns when the next wait should end: a step after the last one ended, or now when the
  /// caller has fallen further behind (time lost to a stall is never made up by skipping waits).
  Clock::time_point nextDeadline(Clock::time_point now);

  /// Sleeps until the next deadline.
  void wait();

 private:
  Clock::duration step_;
  Clock::time_point last_{};
  bool started_ = false;
};

#endif  // GANTRELL_UI_PACER_H_
