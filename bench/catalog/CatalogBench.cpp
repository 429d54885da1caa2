// GetCatalogText with two inserts, as a caption is built: the two marker-file
// checks, the lookup, the formatting and the copy. Target: at most 20 µs.
//
// Uses the catalog the module finds by itself ($EXPERT_CATALOG_DIR, then the
// library's directory), so run it from a built tree.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/Catalog.h"

namespace {

void LookUpCaption(benchmark::State& state) {
  const std::string name = "Projector 1";
  const std::string address = "192.168.0.10";
  char text[kCatalogTextSize];
  for (auto _ : state) {
    GetCatalogText(4, 155, text, name, address);
    benchmark::DoNotOptimize(text);
  }
  if (std::string(text) == kNoMessageCatalog) state.SkipWithError("no catalog with message 4/155 was found");
}

// Runs `body` with the current directory set to a fresh directory holding
// the given marker files.
template <class Body>
void InDirectoryWithMarkers(std::initializer_list<const char*> markers, Body body) {
  const auto previous = std::filesystem::current_path();
  char pattern[] = "/tmp/catalog-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return;
  std::filesystem::current_path(pattern);
  for (const char* marker : markers) std::ofstream(marker) << "1";
  body();
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(pattern);
}

void BM_GetCatalogText_TwoInserts(benchmark::State& state) {
  InDirectoryWithMarkers({}, [&] { LookUpCaption(state); });
}
BENCHMARK(BM_GetCatalogText_TwoInserts);

// Both markers present: the 2052 lookup runs as well.
void BM_GetCatalogText_TwoInserts_BothMarkers(benchmark::State& state) {
  InDirectoryWithMarkers({"GETENG", "GETSCH"}, [&] { LookUpCaption(state); });
}
BENCHMARK(BM_GetCatalogText_TwoInserts_BothMarkers);

}  // namespace

int main(int argc, char** argv) {
  if (LoadCatalog() != 0) std::fprintf(stderr, "bench_catalog: no catalog found; lookups will be skipped\n");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  FreeCatalog();
  return 0;
}
