// How long the dialog takes to open: OnInitDialog of a type-5 model headless,
// from the host's item to the first page shown.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "frame/ExpertDlg.h"
#include "framework/HeadlessDisplay.h"
#include "models/HostRecords.h"
#include "models/ModelDatabase.h"

namespace {

void BM_OpenType5Model30(benchmark::State& state) {
  const auto database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  const models::ModelDescription* description = database.Find(5, 30);
  if (!description) {
    state.SkipWithError("model 5/30 is not in the model database");
    return;
  }
  const CProjectorItem item = models::ToProjectorItem(*description);
  // The modal run ends as soon as it starts, so each iteration is creation,
  // OnInitDialog and destruction of the dialog and its pages.
  TheHeadlessDisplay().SetPump([](CDialog& top) {
    top.EndDialog(IDOK);
    return true;
  });
  for (auto _ : state) {
    CExpertDlg dialog;
    dialog.CopyData(&item);
    benchmark::DoNotOptimize(dialog.DoModal());
  }
  TheHeadlessDisplay().SetPump(nullptr);
}
BENCHMARK(BM_OpenType5Model30)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
