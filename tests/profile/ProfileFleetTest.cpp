// Many projectors at once: walks in pooled worker processes, under the fleet
// engine's bound; reports as each projector finishes; a worker that dies or
// answers badly; Cancel.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "host/profile/ProfileFleet.h"
#include "tests/profile/ProfileTestSupport.h"

namespace profile::test {
namespace {

// A shell script standing in for the worker, in a directory of its own.
struct Script {
  explicit Script(const std::string& name, const std::string& body)
      : dir(std::filesystem::temp_directory_path() / ("profile-fleet-" + std::to_string(::getpid()))),
        path(dir / name) {
    std::filesystem::create_directories(dir);
    std::ofstream(path) << "#!/bin/sh\n" << body;
    ::chmod(path.c_str(), 0755);
  }
  ~Script() { std::filesystem::remove_all(dir); }
  std::filesystem::path dir, path;
};

// A saved 4/9 profile with `changes` sliders one step off.
Profile ChangedProfile(int changes) {
  Served source(4, 9);
  const CaptureResult saved = SaveInWorker(source.entry, Worker());
  EXPECT_TRUE(saved.profile) << saved.error;
  Profile wanted = saved.profile.value_or(Profile{});
  int changed = 0;
  for (Setting& setting : wanted.settings)
    if (setting.kind == Kind::Slider && changed < changes) {
      setting.value += setting.value > 0 ? -1 : 1;
      ++changed;
    }
  EXPECT_EQ(changed, changes);
  return wanted;
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The processes whose parent is `parent`.
std::vector<pid_t> ChildrenOf(pid_t parent) {
  std::vector<pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t after = text.rfind(')');  // the name in parentheses may hold anything
    if (after == std::string::npos) continue;
    char state = 0;
    int ppid = 0;
    if (std::sscanf(text.c_str() + after + 1, " %c %d", &state, &ppid) == 2 && ppid == parent)
      children.push_back(std::stoi(name));
  }
  return children;
}

std::vector<ApplyReport> ApplyAll(const WorkerOptions& worker, int parallel, const Profile& wanted,
                                  const std::vector<host::ProjectorEntry>& entries) {
  std::mutex mutex;
  std::vector<ApplyReport> reports(entries.size());
  std::size_t calls = 0;
  ProfileFleet runner(worker, parallel);
  runner.Apply(wanted, entries, [&](std::size_t index, const ApplyReport& report) {
    std::lock_guard lock(mutex);
    reports[index] = report;
    ++calls;
  });
  runner.Wait();
  EXPECT_EQ(calls, entries.size());
  return reports;
}

TEST(ProfileFleet, EveryProjectorGetsItsOwnReportFromAPoolOfWorkers) {
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

  // Each start of the program leaves a line: it is started once, as the
  // starter, and the workers are forks of it.
  const Script counting("worker",
                        "echo \"started $*\" >> \"$(dirname \"$0\")/starts\"\nexec " PROFILE_WORKER " \"$@\"\n");
  WorkerOptions worker = Worker();
  worker.program = counting.path;
  const std::vector<ApplyReport> reports = ApplyAll(worker, 3, wanted, entries);
  EXPECT_EQ(Lines(counting.dir / "starts"), std::vector<std::string>{"started --starter"});
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(reports[i].Ok()) << reports[i].name << ": " << reports[i].error;
    EXPECT_EQ(reports[i].set, changed);
  }
  EXPECT_NE(reports[5].error.find("is not the profile's model"), std::string::npos) << reports[5].error;
  EXPECT_FALSE(reports[6].Ok());
  EXPECT_FALSE(reports[6].error.empty());
}

TEST(ProfileFleet, AWorkerThatDiesOrAnswersBadlyCostsOnlyItsProjector) {
  const Profile wanted = ChangedProfile(3);
  // The real worker behind a filter that dies on the request for "doomed"
  // and answers the one for "garbled" with no JSON. It cannot be the starter
  // (its fork request loses its socket on the way), so each worker is the
  // program started afresh and leaves a line.
  const Script faulty("worker",
                      "echo \"started $*\" >> \"$(dirname \"$0\")/starts\"\n"
                      "exec 3>&1\n"
                      "while IFS= read -r request; do\n"
                      "  case \"$request\" in\n"
                      "    *doomed*) exit 3 ;;\n"
                      "    *garbled*) echo 'no reply here' >&3; continue ;;\n"
                      "  esac\n"
                      "  printf '%s\\n' \"$request\"\n"
                      "done | " PROFILE_WORKER "\n");
  std::vector<std::unique_ptr<Served>> fleet;
  std::vector<host::ProjectorEntry> entries;
  for (const char* name : {"first", "doomed", "second", "garbled", "third", "fourth"}) {
    fleet.push_back(std::make_unique<Served>(4, 9));
    fleet.back()->entry.name = name;
    entries.push_back(fleet.back()->entry);
  }
  WorkerOptions worker = Worker();
  worker.program = faulty.path;
  const std::vector<ApplyReport> reports = ApplyAll(worker, 2, wanted, entries);
  for (std::size_t i : {0, 2, 4, 5}) {
    EXPECT_TRUE(reports[i].Ok()) << reports[i].name << ": " << reports[i].error;
    EXPECT_EQ(reports[i].set, 3) << reports[i].name;
  }
  EXPECT_EQ(reports[1].name, "doomed");
  EXPECT_NE(reports[1].error.find("the worker process ended without a reply"), std::string::npos) << reports[1].error;
  EXPECT_EQ(reports[1].set, 0);
  EXPECT_EQ(reports[3].name, "garbled");
  EXPECT_EQ(reports[3].error, "the worker process gave a bad reply: no reply here");
  // Nothing reached the projectors of the failed requests.
  EXPECT_EQ(fleet[1]->exchanges, 0);
  EXPECT_EQ(fleet[3]->exchanges, 0);
  // The starter that was not, then two workers at a time, each failed one replaced.
  const std::vector<std::string> starts = Lines(faulty.dir / "starts");
  ASSERT_FALSE(starts.empty());
  EXPECT_EQ(starts.front(), "started --starter");
  EXPECT_LE(starts.size(), 1u + 2u + 2u);
}

TEST(ProfileFleet, AWorkerKilledInTheMiddleOfAWalkCostsOnlyItsProjector) {
  const Profile wanted = ChangedProfile(3);
  std::vector<std::unique_ptr<Served>> fleet;
  std::vector<host::ProjectorEntry> entries;
  for (int i = 0; i < 3; ++i) {
    fleet.push_back(std::make_unique<Served>(4, 9));
    fleet.back()->projector->GetFaults().SetLatency(std::chrono::milliseconds(20));
    entries.push_back(fleet.back()->entry);
  }
  std::thread killer([&] {
    // One walk at a time: the starter (our child) has one worker, walking the first projector.
    for (int waited = 0; fleet[0]->exchanges < 5 && waited < 10000; waited += 5)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (pid_t starter : ChildrenOf(::getpid()))
      for (pid_t worker : ChildrenOf(starter)) ::kill(worker, SIGKILL);
  });
  const std::vector<ApplyReport> reports = ApplyAll(Worker(), 1, wanted, entries);
  killer.join();
  EXPECT_EQ(reports[0].error, "the worker process ended without a reply");
  for (int i : {1, 2}) {
    EXPECT_TRUE(reports[i].Ok()) << reports[i].error;
    EXPECT_EQ(reports[i].set, 3);
  }
}

TEST(ProfileFleet, AWorkerThatCannotStartIsReportedForEveryProjector) {
  std::vector<std::unique_ptr<Served>> fleet;
  std::vector<host::ProjectorEntry> entries;
  for (int i = 0; i < 3; ++i) {
    fleet.push_back(std::make_unique<Served>(4, 9));
    entries.push_back(fleet.back()->entry);
  }
  WorkerOptions worker = Worker();
  worker.program = "/nonexistent/expert-profile-worker";
  Profile wanted;
  wanted.modelType = 4;
  wanted.modelNo = 9;
  for (const ApplyReport& report : ApplyAll(worker, 2, wanted, entries))
    EXPECT_EQ(report.error, "no worker process (/nonexistent/expert-profile-worker): No such file or directory");
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
