// Many projectors at once: each walk in a worker process, under the fleet
// engine's bound; reports as each projector finishes; Cancel.
#include <gtest/gtest.h>

#include <mutex>

#include "host/profile/ProfileFleet.h"
#include "tests/profile/ProfileTestSupport.h"

namespace profile::test {
namespace {

WorkerOptions Worker() {
  WorkerOptions worker;
  worker.program = PROFILE_WORKER;
  worker.loopbackOnly = true;
  return worker;
}

TEST(ProfileFleet, EveryProjectorGetsItsOwnReportAndAnotherModelIsRefused) {
  Served source(4, 9);
  const CaptureResult saved = SaveInWorker(source.entry, Worker());
  ASSERT_TRUE(saved.profile) << saved.error;
  Profile wanted = *saved.profile;
  // Through the worker the texts are English whatever the locale here.
  EXPECT_EQ(wanted.settings.front().tab, "Picture");
  int changed = 0;
  for (Setting& setting : wanted.settings)
    if (setting.kind == Kind::Slider && changed < 4) {
      setting.value += setting.value > 0 ? -1 : 1;
      ++changed;
    }
  std::vector<std::unique_ptr<Served>> fleet;
  std::vector<host::ProjectorEntry> entries;
  for (int i = 0; i < 5; ++i) {
    fleet.push_back(std::make_unique<Served>(4, 9));
    entries.push_back(fleet.back()->entry);
  }
  fleet.push_back(std::make_unique<Served>(5, 30));
  entries.push_back(fleet.back()->entry);
  host::ProjectorEntry dead = entries.front();
  dead.name = "dead";
  dead.tcpPort = 1;  // nothing listens there
  entries.push_back(dead);

  std::mutex mutex;
  std::vector<ApplyReport> reports(entries.size());
  std::vector<std::size_t> order;
  ProfileFleet runner(Worker(), 3);
  runner.Apply(wanted, entries, [&](std::size_t index, const ApplyReport& report) {
    std::lock_guard lock(mutex);
    reports[index] = report;
    order.push_back(index);
  });
  runner.Wait();
  ASSERT_EQ(order.size(), entries.size());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(reports[i].Ok()) << reports[i].name << ": " << reports[i].error;
    EXPECT_EQ(reports[i].set, changed);
  }
  EXPECT_NE(reports[5].error.find("is not the profile's model"), std::string::npos) << reports[5].error;
  EXPECT_FALSE(reports[6].Ok());
  EXPECT_FALSE(reports[6].error.empty());
}

TEST(ProfileFleet, CancelStopsTheWalksInFlightAndStartsNoMore) {
  Served source(5, 30);
  const CaptureResult saved = SaveInWorker(source.entry, Worker());
  ASSERT_TRUE(saved.profile) << saved.error;
  std::vector<std::unique_ptr<Served>> fleet;
  std::vector<host::ProjectorEntry> entries;
  for (int i = 0; i < 6; ++i) {
    fleet.push_back(std::make_unique<Served>(5, 30));
    fleet.back()->projector->GetFaults().SetLatency(std::chrono::milliseconds(200));
    entries.push_back(fleet.back()->entry);
  }
  std::mutex mutex;
  std::vector<ApplyReport> reports;
  ProfileFleet runner(Worker(), 2);
  const auto start = std::chrono::steady_clock::now();
  runner.Apply(*saved.profile, entries, [&](std::size_t, const ApplyReport& report) {
    std::lock_guard lock(mutex);
    reports.push_back(report);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  runner.Cancel();
  runner.Wait();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_LE(reports.size(), 2u);
  for (const ApplyReport& report : reports) EXPECT_EQ(report.error, "cancelled");
}

}  // namespace
}  // namespace profile::test
