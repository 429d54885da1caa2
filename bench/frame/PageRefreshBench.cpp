// One refresh (InitDisp) of each built page against the in-process simulated
// projector. With no latency it measures the page itself; with 10 ms per
// reply a refresh should take no more than its projector calls x 10 ms +
// 2 ms: the counters give the projector calls of one refresh ("calls") and
// that budget ("budget_ms") beside the measured time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/frame/BenchSupport.h"
#include "dialogs/ColorTempCustomDlg.h"
#include "dialogs/GammaCustomDlg.h"
#include "pages/common/SettingPage.h"
#include "pages/type5/ServiceDlg.h"

namespace {

struct PageCase {
  const char* model;
  int templateId;
  bool pjlink = false;
};

void BM_InitDisp(benchmark::State& state, PageCase page) {
  const models::ModelDescription* description = bench::Database().Find(page.model);
  if (!description) {
    state.SkipWithError("model not in the model database");
    return;
  }
  const auto latency = std::chrono::milliseconds(state.range(0));
  bench::SimulatedDialog simulated(*description, latency, page.pjlink);
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

// A custom dialog opened over the Expert Control dialog: its OnInitDialog,
// which reads every value, until its modal run starts (ended there at once).
template <class Dialog>
void BM_CustomDialog(benchmark::State& state, PageCase page) {
  const models::ModelDescription* description = bench::Database().Find(page.model);
  if (!description) {
    state.SkipWithError("model not in the model database");
    return;
  }
  const auto latency = std::chrono::milliseconds(state.range(0));
  bench::SimulatedDialog simulated(*description, latency);
  long calls = 0;
  TheHeadlessDisplay().SetPump([&](CDialog& top) {
    if (&top == &simulated.dialog) {
      Dialog(page.templateId == 22160).DoModal();  // the connection is open from here on
      simulated.dialog.m_pjt.SetCallObserver([&](const beamlink::CallTrace&) { ++calls; });
      for (auto _ : state) Dialog(page.templateId == 22160).DoModal();
      simulated.dialog.m_pjt.SetCallObserver(nullptr);
    }
    top.EndDialog(IDOK);
    return true;
  });
  simulated.dialog.DoModal();
  TheHeadlessDisplay().SetPump(nullptr);
  if (state.iterations() == 0) return;
  const double callsPerOpen = static_cast<double>(calls) / static_cast<double>(state.iterations());
  state.counters["calls"] = callsPerOpen;
  if (latency.count() > 0) state.counters["budget_ms"] = callsPerOpen * static_cast<double>(latency.count()) + 2.0;
}

// The service dialog reads every value as it opens: OnInitDialog, by
// creating and destroying the dialog.
void BM_ServiceOnInitDialog(benchmark::State& state) {
  const auto latency = std::chrono::milliseconds(state.range(0));
  bench::SimulatedDialog simulated(*bench::Database().Find("5/44"), latency);
  long calls = 0;
  simulated.RunOpen([&](CExpertDlg& dialog) {
    CServiceDlg service;
    service.m_pPjt = &dialog.m_pjt;
    service.m_nModelNo = 44;
    dialog.m_pjt.SetCallObserver([&](const beamlink::CallTrace&) { ++calls; });
    for (auto _ : state) {
      service.Create(20054, nullptr);
      service.DestroyWindow();
    }
    dialog.m_pjt.SetCallObserver(nullptr);
  });
  if (state.iterations() == 0) return;
  const double callsPerOpen = static_cast<double>(calls) / static_cast<double>(state.iterations());
  state.counters["calls"] = callsPerOpen;
  if (latency.count() > 0) state.counters["budget_ms"] = callsPerOpen * static_cast<double>(latency.count()) + 2.0;
}

template <class Function>
void Register(const char* name, Function function, PageCase page) {
  benchmark::RegisterBenchmark(name, function, page)->Arg(0)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(name, function, page)
      ->Arg(10)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(20)
      ->UseRealTime();
}

void Register(const char* name, PageCase page) { Register(name, BM_InitDisp, page); }

}  // namespace

int main(int argc, char** argv) {
  Register("BM_InitDisp/status/type5_model30", {"5/30", 20000});
  Register("BM_InitDisp/status/type3_model15", {"3/15", 20000});
  Register("BM_InitDisp/control/type3_model15", {"3/15", 22152});
  Register("BM_InitDisp/control/type1_model3", {"1/3", 22152});
  Register("BM_InitDisp/control_type4/type4_model9", {"4/9", 20041});
  Register("BM_InitDisp/control_type4/type5_model44", {"5/44", 20041});
  Register("BM_InitDisp/status_pjlink/type4_model9", {"4/9", 20000, true});
  Register("BM_InitDisp/picture_type4/type4_model21", {"4/21", 22160});
  Register("BM_InitDisp/picture_type4/type4_model9", {"4/9", 22160});
  Register("BM_InitDisp/picture_type5/type5_model31", {"5/31", 107});
  // Opened from the picture page of type 4 (22160) or 5 (107): the form differs, the reads do not.
  Register("BM_OnInitDialog/gamma_custom/type5_model30", BM_CustomDialog<CGammaCustomDlg>, {"5/30", 107});
  Register("BM_OnInitDialog/color_temp_custom/type4_model21", BM_CustomDialog<CColorTempCustomDlg>, {"4/21", 22160});
  Register("BM_InitDisp/image/type4_model9", {"4/9", 20029});
  Register("BM_InitDisp/image/type5_model30", {"5/30", 20029});
  Register("BM_InitDisp/screen/type4_model9", {"4/9", 20035});
  Register("BM_InitDisp/screen/type5_model30", {"5/30", 20035});
  Register("BM_InitDisp/input_type4/type4_model9", {"4/9", 20031});
  Register("BM_InitDisp/option_type4/type4_model9", {"4/9", 20039});
  Register("BM_InitDisp/signal_type4/type4_model9", {"4/9", 20033});
  Register("BM_InitDisp/setup_type4/type4_model9", {"4/9", 20037});
  Register("BM_InitDisp/setup_type4/type4_model21", {"4/21", 20037});
  Register("BM_InitDisp/input_type5/type5_model42", {"5/42", 20046});
  Register("BM_InitDisp/setup_type5/type5_model44", {"5/44", 20048});
  Register("BM_InitDisp/option_type5/type5_model44", {"5/44", 20052});
  Register("BM_InitDisp/audio_type5/type5_model41", {"5/41", 20050});
  benchmark::RegisterBenchmark("BM_OnInitDialog/service/type5_model44", BM_ServiceOnInitDialog)
      ->Arg(0)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_OnInitDialog/service/type5_model44", BM_ServiceOnInitDialog)
      ->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
  Register("BM_InitDisp/picture/type1_model16", {"1/16", 22153});
  Register("BM_InitDisp/picture/type2_model6", {"2/6", 20003});
  Register("BM_InitDisp/image/type1_model3", {"1/3", 22154});
  Register("BM_InitDisp/image/type2_model6", {"2/6", 20005});
  Register("BM_InitDisp/position/type1_model3", {"1/3", 22155});
  Register("BM_InitDisp/position/type2_model6", {"2/6", 20009});
  Register("BM_InitDisp/setup_type1/type1_model3", {"1/3", 22159});
  Register("BM_InitDisp/setup_type2/type2_model12", {"2/12", 20014});
  Register("BM_InitDisp/screen/type1_model3", {"1/3", 22158});
  Register("BM_InitDisp/input_type1/type1_model3", {"1/3", 22156});
  Register("BM_InitDisp/input_type2/type2_model12", {"2/12", 20011});
  Register("BM_InitDisp/auto_type1/type1_model3", {"1/3", 22157});
  Register("BM_InitDisp/auto_type2/type2_model6", {"2/6", 20013});
  Register("BM_InitDisp/picture_type3/type3_model10", {"3/10", 20016});
  Register("BM_InitDisp/input_type3/type3_model15", {"3/15", 20018});
  Register("BM_InitDisp/screen_type3/type3_model8", {"3/8", 20020});
  Register("BM_InitDisp/setup_type3/type3_model10", {"3/10", 20022});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
