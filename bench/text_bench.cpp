// Loading and looking up large line lists: configurations and settings are
// read whole and searched by key many times during start-up.
#include <benchmark/benchmark.h>

#include "text/line_list.h"

namespace {

std::string MakeFile(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "Key number " + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
  return text;
}

void BM_SplitLines(benchmark::State& state) {
  const std::string text = MakeFile(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(kmpx::LineList::FromText(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLines)->Arg(1000)->Arg(100000);

void BM_ValueOfLastKey(benchmark::State& state) {
  const auto list = kmpx::LineList::FromText(MakeFile(static_cast<int>(state.range(0))));
  const std::string key = "KEY NUMBER " + std::to_string(state.range(0) - 1);
  for (auto _ : state) benchmark::DoNotOptimize(list.ValueOf(key));
}
BENCHMARK(BM_ValueOfLastKey)->Arg(1000)->Arg(10000);

}  // namespace
