// How long the dialog takes to open: OnInitDialog headless, from the host's
// item to the first page shown (the status page, read from an in-process
// simulated projector that answers at once).
#include <benchmark/benchmark.h>

#include "bench/frame/BenchSupport.h"

namespace {

void BM_OpenDialog(benchmark::State& state, const char* key) {
  const models::ModelDescription* description = bench::Database().Find(key);
  if (!description) {
    state.SkipWithError("model not in the model database");
    return;
  }
  // The modal run ends as soon as it starts, so each iteration is creation,
  // OnInitDialog with the status page's first refresh, and destruction.
  for (auto _ : state) {
    bench::SimulatedDialog simulated(*description);
    benchmark::DoNotOptimize(simulated.RunOpen([](CExpertDlg&) {}));
  }
}
BENCHMARK_CAPTURE(BM_OpenDialog, type1_model3, "1/3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenDialog, type3_model15, "3/15")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenDialog, type4_model9, "4/9")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenDialog, type5_model30, "5/30")->Unit(benchmark::kMicrosecond);

}  // namespace
