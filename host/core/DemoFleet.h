#pragma once
// The built-in list of the first start and of --demo: one simulated
// projector per model type, plus the type-5 models with an audio tab and
// model 44, each served by the host itself on its own 127.0.0.1 port.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "host/core/ProjectorEntry.h"
#include "simulator/pjsim/Daemon.h"

namespace host {

struct DemoModel {
  int type;
  int model;
};

// In list order.
std::span<const DemoModel> DemoModels();

class DemoFleet {
 public:
  // Starts a simulator for every demo model the database has (a database
  // without some of them gives a shorter list; `skipped` names them). The
  // projector asks for the model's password when the database gives one,
  // and the entry carries it. Throws std::runtime_error when a port cannot
  // be had.
  DemoFleet(const models::ModelDatabase& database, std::vector<std::string>* skipped = nullptr);

  const std::vector<ProjectorEntry>& Entries() const { return m_entries; }
  // The simulated projector behind entry `index`.
  sim::Projector& ProjectorAt(std::size_t index) const { return m_servers.at(index)->Served(); }

 private:
  std::vector<ProjectorEntry> m_entries;
  std::vector<std::unique_ptr<sim::pjsim::LoopbackService>> m_servers;
};

}  // namespace host
