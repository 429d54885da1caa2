// pjsim: a simulated projector of the model database, served on a loopback
// TCP port or a pseudo-terminal.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "beamlink/Log.h"
#include "models/ModelDatabase.h"
#include "simulator/pjsim/Daemon.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Options.h"

int main(int argc, char** argv) {
  using namespace sim;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string error;
  const auto options = pjsim::ParseOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "pjsim: %s\n%s", error.c_str(), pjsim::Usage());
    return 2;
  }
  if (options->help) {
    std::fputs(pjsim::Usage(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("pjsim " EXPERT_VERSION);
    return 0;
  }
  beamlink::SetVerbose(options->verbose);

  std::vector<std::shared_ptr<Projector>> projectors;
  try {
    const auto database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    const models::ModelDescription* model = database.Find(options->model);
    if (!model) {
      std::fprintf(stderr, "pjsim: no model \"%s\" in the model database\n", options->model.c_str());
      return 2;
    }
    ProjectorOptions projectorOptions;
    projectorOptions.cooldown = options->cooldown;
    projectorOptions.power = options->power;
    for (unsigned i = 0; i < options->count; ++i) projectors.push_back(std::make_shared<Projector>(*model, projectorOptions));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pjsim: %s\n", e.what());
    return 2;
  }

  ServerOptions serverOptions;
  serverOptions.password = options->password;
  serverOptions.log = [](const std::string& line) { std::fprintf(stderr, "pjsim: %s\n", line.c_str()); };
  if (options->pjlink)
    serverOptions.protocol = pjlink::PjLinkProtocol(
        {options->pjlinkClass, options->warmup, options->closeAfterReply, options->idleClose});
  const Projector& first = *projectors.front();
  std::fprintf(stderr, "pjsim: model %s (%s)%s\n", first.Model().Key().c_str(), first.Model().name.c_str(),
               options->password.empty() ? "" : ", password required");
  if (options->serial) return pjsim::ServeSerial(projectors.front(), serverOptions, stdout);
  return pjsim::ServeTcpFleet(std::move(projectors), serverOptions, options->address, options->port, options->dead,
                              stdout);
}
