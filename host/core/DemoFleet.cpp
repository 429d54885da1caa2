#include "host/core/DemoFleet.h"

#include <stdexcept>

#include "catalog/Catalog.h"

namespace host {
namespace {

constexpr DemoModel kDemoModels[] = {
    {1, 3}, {2, 6}, {3, 10}, {4, 9}, {5, 30}, {5, 31}, {5, 41}, {5, 43}, {5, 44},
};

// "PV-5300" of "PV-5300 (type 5, model 30)".
std::string ShortName(const std::string& name) { return name.substr(0, name.find(" (")); }

}  // namespace

std::span<const DemoModel> DemoModels() { return kDemoModels; }

DemoFleet::DemoFleet(const models::ModelDatabase& database, std::vector<std::string>* skipped) {
  for (const DemoModel& demo : kDemoModels) {
    const models::ModelDescription* model = database.Find(demo.type, demo.model);
    if (!model) {
      if (skipped) skipped->push_back(std::to_string(demo.type) + "/" + std::to_string(demo.model));
      continue;
    }
    const std::string password = model->connection.text2;
    std::string error;
    sim::ServerOptions options;
    options.password = password;
    std::unique_ptr<sim::pjsim::LoopbackService> server =
        sim::pjsim::LoopbackService::Start(std::make_shared<sim::Projector>(*model), options, error);
    if (!server) throw std::runtime_error(CatalogText(Msg(7, 53), error));

    ProjectorEntry entry;
    entry.name = CatalogText(Msg(7, 34), ShortName(model->name));
    entry.modelType = demo.type;
    entry.modelNo = demo.model;
    entry.link = Link::Network;
    entry.address = "127.0.0.1";
    entry.tcpPort = server->Port();
    entry.password = password;
    entry.timeoutMs = kDefaultTimeoutMs;
    entry.demo = true;
    m_entries.push_back(std::move(entry));
    m_servers.push_back(std::move(server));
  }
}

}  // namespace host
