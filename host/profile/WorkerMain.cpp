// expert-profile-worker: walks the dialog over a projector for a settings
// profile, one request after another as its parent (expertctl, expert-host)
// sends them on stdin, until stdin closes. With --starter it forks such
// workers instead (WorkerStarter.h).
#include <cstdio>
#include <string_view>

#include "host/profile/ProfileWorker.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--starter") return profile::RunWorkerStarter();
  return profile::RunWorker(stdin, stdout);
}
