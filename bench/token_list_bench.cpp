// Growth of the token list: adding a million and four million tokens to a new list and freeing
// it. With the record block reserved by doubling, the time per token stays the same from one
// size to the other.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sample_tokens.h"
#include "scan/token_list.h"

namespace {

/// Adds state.range(0) tokens to a new list, then frees it; both are timed.
void addAndFree(benchmark::State& state) {
  const std::vector<SampleToken> tokens = sampleTokens();
  const int64_t count = state.range(0);
  for (auto _ : state) {
    TokenList* list = newTokenList();
    size_t next = 0;
    for (int64_t i = 0; i < count; ++i) {
      const SampleToken& token = tokens[next];
      if (list->ops->add(list, token.text, static_cast<int16_t>(token.kind),
                         static_cast<int32_t>(i / 8 + 1)) != 1) {
        state.SkipWithError("add failed");
        break;
      }
      if (++next == tokens.size()) next = 0;
    }
    list->ops->free(list);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
  // Seconds per token, shown in ns by the console reporter's scaling of small values.
  state.counters["per_token"] = benchmark::Counter(
      static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                      benchmark::Counter::kInvert);
}

BENCHMARK(addAndFree)
    ->Arg(1000000)
    ->Arg(4000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                          return *std::min_element(v.begin(), v.end());
                        })
    ->ComputeStatistics("max", [](const std::vector<double>& v) {
      return *std::max_element(v.begin(), v.end());
    });

}  // namespace

BENCHMARK_MAIN();
