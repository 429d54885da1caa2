#pragma once
// Simulated projectors served on 127.0.0.1 by pjsim's loop in this process,
// reached through the library's TCP transport, and the entries that name them.
#include <atomic>
#include <memory>
#include <string>

#include "host/core/ProjectorEntry.h"
#include "host/profile/ProfileWorker.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"

namespace profile::test {

// The worker built beside the tests, reaching loopback addresses only.
inline WorkerOptions Worker() {
  WorkerOptions worker;
  worker.program = PROFILE_WORKER;
  worker.loopbackOnly = true;
  return worker;
}

inline const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(PROFILE_TEST_MODEL_DB);
  return database;
}

struct Served {
  explicit Served(int type, int model, bool pjlink = false, sim::Power power = sim::Power::On) {
    sim::ProjectorOptions options;
    options.power = power;
    projector = std::make_shared<sim::Projector>(*Database().Find(type, model), options);
    sim::ServerOptions server;
    server.password = Database().Find(type, model)->connection.text2;
    if (pjlink) server.protocol = sim::pjlink::PjLinkProtocol({});
    server.log = [this](const std::string&) { ++exchanges; };
    std::string error;
    service = sim::pjsim::LoopbackService::Start(projector, server, error);
    entry = {.name = "P" + std::to_string(type) + "-" + std::to_string(model), .modelType = type, .modelNo = model,
             .address = "127.0.0.1", .tcpPort = service ? service->Port() : 0, .pjlink = pjlink,
             .password = server.password, .timeoutMs = 2000};
  }
  std::shared_ptr<sim::Projector> projector;
  std::atomic<int> exchanges{0};
  std::unique_ptr<sim::pjsim::LoopbackService> service;
  host::ProjectorEntry entry;
};

}  // namespace profile::test
