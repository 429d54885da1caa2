// One refresh (InitDisp) of each built page against the in-process simulated
// projector. With no latency it measures the page itself; with 10 ms per
// reply a refresh should take no more than its projector calls x 10 ms +
// 2 ms: the counters give the projector calls of one refresh ("calls") and
// that budget ("budget_ms") beside the measured time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/frame/BenchSupport.h"
#include "pages/common/SettingPage.h"

namespace {

struct PageCase {
  const char* model;
  int templateId;
};

void BM_InitDisp(benchmark::State& state, PageCase page) {
  const models::ModelDescription* description = bench::Database().Find(page.model);
  if (!description) {
    state.SkipWithError("model not in the model database");
    return;
  }
  const auto latency = std::chrono::milliseconds(state.range(0));
  bench::SimulatedDialog simulated(*description, latency);
  long calls = 0;
  simulated.RunOpen([&](CExpertDlg& dialog) {
    auto* target = dynamic_cast<expert::pages::CSettingPage*>(dialog.PageForTemplate(page.templateId));
    if (!target || !target->GetSafeHwnd()) {
      state.SkipWithError("the model has no such page");
      return;
    }
    target->InitDisp();  // the connection is open from here on
    dialog.m_pjt.SetCallObserver([&](const beamlink::CallTrace&) { ++calls; });
    for (auto _ : state) target->InitDisp();
    dialog.m_pjt.SetCallObserver(nullptr);
  });
  if (state.iterations() == 0) return;
  const double callsPerRefresh = static_cast<double>(calls) / static_cast<double>(state.iterations());
  const double budgetMs = callsPerRefresh * static_cast<double>(latency.count()) + 2.0;
  state.counters["calls"] = callsPerRefresh;
  if (latency.count() > 0) state.counters["budget_ms"] = budgetMs;
}

void Register(const char* name, PageCase page) {
  benchmark::RegisterBenchmark(name, BM_InitDisp, page)->Arg(0)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(name, BM_InitDisp, page)
      ->Arg(10)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(20)
      ->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
  Register("BM_InitDisp/status/type5_model30", {"5/30", 20000});
  Register("BM_InitDisp/status/type3_model15", {"3/15", 20000});
  Register("BM_InitDisp/control/type3_model15", {"3/15", 22152});
  Register("BM_InitDisp/control/type1_model3", {"1/3", 22152});
  Register("BM_InitDisp/control_type4/type4_model9", {"4/9", 20041});
  Register("BM_InitDisp/control_type4/type5_model44", {"5/44", 20041});
  Register("BM_InitDisp/picture_type3/type3_model10", {"3/10", 20016});
  Register("BM_InitDisp/input_type3/type3_model15", {"3/15", 20018});
  Register("BM_InitDisp/screen_type3/type3_model8", {"3/8", 20020});
  Register("BM_InitDisp/setup_type3/type3_model10", {"3/10", 20022});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
