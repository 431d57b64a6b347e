#include "ui/pacer.h"

#include <thread>

Pacer::Clock::time_point Pacer::nextDeadline(Clock::time_point now) {
  // The first wait lasts a whole step; later ones end a step after the previous deadline, so
  // that the time the caller spends between waits, and the sleeper's lateness, don't add up.
  Clock::time_point deadline = started_ ? last_ + step_ : now + step_;
  if (deadline < now) deadline = now;
  started_ = true;
  last_ = deadline;
  return deadline;
}

void Pacer::wait() { std::this_thread::sleep_until(nextDeadline(Clock::now())); }
