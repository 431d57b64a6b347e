// Times the scan's pacer alone: N waits of 1 ms, with nothing between them, against N ms. Built
// for Linux and for Windows, so that the sleeping itself can be told apart from the work a
// desktop program does between pauses (under wine in particular).
//   pacer_timing [--work US] [WAITS...]     (default: 1000 10000, no work)
// --work spins for US microseconds before each wait, as drawing the progress would take.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/pacer.h"

namespace {

/// Keeps the processor busy for the given time.
void spin(std::chrono::microseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<long> counts;
  long work = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--work") == 0 && i + 1 < argc) {
      work = std::atol(argv[++i]);
      continue;
    }
    const long count = std::atol(argv[i]);
    if (count < 1) {
      std::fprintf(stderr, "usage: pacer_timing [--work US] [WAITS...]\n");
      return 2;
    }
    counts.push_back(count);
  }
  if (counts.empty()) counts = {1000, 10000};
  std::printf("%ld us of work before each wait\n", work);
  std::printf("%8s %12s %12s %10s\n", "waits", "expected s", "took s", "excess %");
  for (long count : counts) {
    Pacer pacer(std::chrono::milliseconds(1));
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) {
      if (work > 0) spin(std::chrono::microseconds(work));
      pacer.wait();
    }
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double expected = count / 1000.0;
    std::printf("%8ld %12.3f %12.3f %10.2f\n", count, expected, took,
                (took - expected) / expected * 100);
  }
  return 0;
}
