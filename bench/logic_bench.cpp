// The compute operation on controls kept in memory.
#include <benchmark/benchmark.h>

#include "tests/support/memory_controls.h"
#include "window/main_form.h"

namespace {

void Compute(benchmark::State& state, const char16_t* start, const char16_t* end) {
  auto controls = dd::support::MakeMemoryControls();
  dd::MainForm form(*controls);
  for (auto _ : state) {
    controls->Text2(0).SetText(start);
    controls->Text2(1).SetText(end);
    form.ListDistinctDigitNumbers();
    benchmark::DoNotOptimize(form.FoundCount);
  }
  state.counters["listed"] = form.FoundCount;
}

BENCHMARK_CAPTURE(Compute, From1000To2000, u"1000", u"2000")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Compute, From1000To9000, u"1000", u"9000")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
