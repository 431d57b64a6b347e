// Throughput of source scanning over generated PureBasic trees: the whole tokenizeFile, and its
// two stages (reading the files into the combined text, lexing that text) on their own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "scan/lexer.h"
#include "scan/source_loader.h"
#include "scan/token_list.h"
#include "text/path.h"

namespace {

/// One generated tree: its main file and the bytes of all its files.
struct Tree {
  std::string name;
  std::string mainFile;
  int64_t bytes = 0;
};

/// Returns the size of a file in bytes, or -1 when it can't be opened.
int64_t fileSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  return in ? static_cast<int64_t>(in.tellg()) : -1;
}

/// Reads a tree's file list; false when the tree has not been generated.
bool loadTree(const std::string& root, const std::string& name, Tree* tree) {
  const std::string dir = root + "/" + name + "/";
  std::ifstream listing(dir + "files.txt");
  if (!listing) return false;
  tree->name = name;
  tree->mainFile = dir + "main.pb";
  std::string relative;
  while (std::getline(listing, relative)) {
    const int64_t size = fileSize(dir + relative);
    if (size < 0) return false;
    tree->bytes += size;
  }
  return tree->bytes > 0;
}

/// Counts the tokens a lexer pass delivers, comments left out as the token list does.
void countToken(std::string_view, TokenKind kind, int32_t, void* context) {
  if (kind != TokenKind::Comment) ++*static_cast<int64_t*>(context);
}

/// Reports the bytes and tokens handled per second.
void setRates(benchmark::State& state, int64_t bytes, int64_t tokens) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
  state.counters["tokens"] = static_cast<double>(tokens);
  state.counters["tokens/s"] = benchmark::Counter(
      static_cast<double>(tokens) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}

/// The whole scan: files read, combined text lexed, token list built and released.
void tokenizeTree(benchmark::State& state, const Tree* tree) {
  int64_t tokens = 0;
  for (auto _ : state) {
    TokenList* list = tokenizeFile(tree->mainFile);
    tokens = list->ops->count(list);
    state.PauseTiming();
    list->ops->free(list);
    state.ResumeTiming();
  }
  setRates(state, tree->bytes, tokens);
}

/// Reading the tree into the combined text alone.
void loadTreeSource(benchmark::State& state, const Tree* tree) {
  size_t combined = 0;
  for (auto _ : state) {
    const std::string text = loadSource(folderPart(tree->mainFile), fileNamePart(tree->mainFile));
    combined = text.size();
    benchmark::DoNotOptimize(combined);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * tree->bytes);
  state.counters["combined_bytes"] = static_cast<double>(combined);
}

/// Lexing the combined text alone, into a sink that only counts.
void lexTreeText(benchmark::State& state, const Tree* tree) {
  const std::string text = loadSource(folderPart(tree->mainFile), fileNamePart(tree->mainFile));
  int64_t tokens = 0;
  for (auto _ : state) {
    tokens = 0;
    lexText(text, countToken, &tokens);
  }
  setRates(state, static_cast<int64_t>(text.size()), tokens);
}

/// Adds min and max to the aggregates printed for repeated runs.
void addMinMax(benchmark::internal::Benchmark* b) {
  b->ComputeStatistics("min", [](const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
  });
  b->ComputeStatistics("max", [](const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
  });
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
  // Lower-casing follows the user's locale, as in the programs.
  std::setlocale(LC_ALL, "");
  benchmark::Initialize(&argc, argv);
  const char* fromEnvironment = std::getenv("GANTRELL_BENCH_TREES");
  const std::string root = fromEnvironment != nullptr ? fromEnvironment : GANTRELL_BENCH_TREES;
  static std::vector<Tree> trees;
  for (const char* name : {"lines100k", "lines1M"}) {
    Tree tree;
    if (loadTree(root, name, &tree))
      trees.push_back(tree);
    else
      std::fprintf(stderr, "tokenize_bench: no tree %s/%s (build the bench_trees target)\n",
                   root.c_str(), name);
  }
  if (trees.empty()) return 1;
  for (const Tree& tree : trees) {
    addMinMax(benchmark::RegisterBenchmark(("tokenizeFile/" + tree.name).c_str(), tokenizeTree,
                                           &tree));
    addMinMax(benchmark::RegisterBenchmark(("loadSource/" + tree.name).c_str(), loadTreeSource,
                                           &tree));
    addMinMax(benchmark::RegisterBenchmark(("lexText/" + tree.name).c_str(), lexTreeText, &tree));
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
