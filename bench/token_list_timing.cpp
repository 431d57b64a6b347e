// Times adding tokens to a new token list and freeing it, with nothing but the standard
// library, so that the same program runs natively and as a Windows program (where no benchmark
// library is at hand). Prints the time per add for each token count.
//   token_list_timing [--runs R] [--reference] [COUNT...]     (default: 1000000 4000000, 7 runs)
// --reference also times a bare block of records grown by 255 records per realloc, the way the
// list's capacity steps, to show what the allocator does with that pattern.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sample_tokens.h"
#include "scan/token_list.h"

namespace {

using Clock = std::chrono::steady_clock;

/// Min, median and max of a set of figures.
struct Spread {
  double min, median, max;
};

/// Returns the spread of the figures (which it sorts).
Spread spreadOf(std::vector<double>* values) {
  std::sort(values->begin(), values->end());
  const size_t n = values->size();
  const double median = n % 2 ? (*values)[n / 2] : ((*values)[n / 2 - 1] + (*values)[n / 2]) / 2;
  return {values->front(), median, values->back()};
}

/// Returns the nanoseconds between two instants.
double nanoseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::nano>(to - from).count();
}

/// The times of one run: adding every token, then freeing the list.
struct ListRun {
  double addNs;
  double freeNs;
  bool complete;
};

/// Adds `count` tokens to a new list and frees it, timing both.
ListRun timeList(const std::vector<SampleToken>& tokens, long count) {
  const Clock::time_point start = Clock::now();
  TokenList* list = newTokenList();
  bool complete = list != nullptr;
  size_t next = 0;
  for (long i = 0; complete && i < count; ++i) {
    const SampleToken& token = tokens[next];
    complete = list->ops->add(list, token.text, static_cast<int16_t>(token.kind),
                              static_cast<int32_t>(i / 8 + 1)) == 1;
    if (++next == tokens.size()) next = 0;
  }
  const Clock::time_point added = Clock::now();
  if (list != nullptr) list->ops->free(list);
  const Clock::time_point freed = Clock::now();
  return {nanoseconds(start, added), nanoseconds(added, freed), complete};
}

/// Counts how often the list's record block moves while `count` tokens are added (untimed).
long countBlockMoves(const std::vector<SampleToken>& tokens, long count) {
  TokenList* list = newTokenList();
  if (list == nullptr) return -1;
  long moves = 0;
  const Token* block = list->entries;
  size_t next = 0;
  for (long i = 0; i < count; ++i) {
    list->ops->add(list, tokens[next].text, static_cast<int16_t>(tokens[next].kind), 1);
    if (++next == tokens.size()) next = 0;
    if (list->entries != block) {
      if (block != nullptr) ++moves;
      block = list->entries;
    }
  }
  list->ops->free(list);
  return moves;
}

/// Grows a bare block of records by 255 records per realloc until it holds `count`; returns
/// the nanoseconds taken, and the number of times the block moved in `moves`.
double timeSteppedBlock(long count, long* moves) {
  const Clock::time_point start = Clock::now();
  Token* block = nullptr;
  long capacity = 0;
  *moves = 0;
  for (long i = 0; i < count; ++i) {
    if (i == capacity) {
      capacity += kTokenListGrowth;
      Token* grown = static_cast<Token*>(std::realloc(block, capacity * sizeof(Token)));
      if (grown == nullptr) break;
      if (block != nullptr && grown != block) ++*moves;
      block = grown;
    }
    block[i].kind = 1;
    block[i].line = static_cast<int32_t>(i);
    block[i].text = nullptr;
  }
  std::free(block);
  return nanoseconds(start, Clock::now());
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 7;
  bool reference = false;
  std::vector<long> counts;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--reference") == 0) {
      reference = true;
    } else if (std::atol(argv[i]) > 0) {
      counts.push_back(std::atol(argv[i]));
    } else {
      std::fprintf(stderr, "usage: token_list_timing [--runs R] [--reference] [COUNT...]\n");
      return 2;
    }
  }
  if (runs < 1) runs = 1;
  if (counts.empty()) counts = {1000000, 4000000};
  const std::vector<SampleToken> tokens = sampleTokens();

  std::printf("%10s %5s %30s %30s %12s\n", "tokens", "runs", "ns per add min/median/max",
              "free ms min/median/max", "block moves");
  for (long count : counts) {
    timeList(tokens, count);  // warm-up: the allocator's heap grows once
    std::vector<double> perAdd, freeMs;
    for (int run = 0; run < runs; ++run) {
      const ListRun result = timeList(tokens, count);
      if (!result.complete) {
        std::fprintf(stderr, "token_list_timing: an add failed at %ld tokens\n", count);
        return 1;
      }
      perAdd.push_back(result.addNs / count);
      freeMs.push_back(result.freeNs / 1e6);
    }
    const Spread add = spreadOf(&perAdd);
    const Spread free = spreadOf(&freeMs);
    std::printf("%10ld %5d %10.2f /%7.2f /%7.2f   %8.2f /%7.2f /%7.2f %12ld\n", count, runs,
                add.min, add.median, add.max, free.min, free.median, free.max,
                countBlockMoves(tokens, count));
  }
  if (reference) {
    std::printf("\nreference: a bare block of %u-byte records grown by %d records per realloc\n",
                static_cast<unsigned>(sizeof(Token)), kTokenListGrowth);
    std::printf("%10s %5s %30s %12s\n", "records", "runs", "ns per record min/median/max",
                "block moves");
    for (long count : counts) {
      std::vector<double> perRecord;
      long moves = 0;
      for (int run = 0; run < runs; ++run)
        perRecord.push_back(timeSteppedBlock(count, &moves) / count);
      const Spread spread = spreadOf(&perRecord);
      std::printf("%10ld %5d %10.2f /%7.2f /%7.2f %12ld\n", count, runs, spread.min, spread.median,
                  spread.max, moves);
    }
  }
  return 0;
}
