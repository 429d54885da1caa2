#include "host/app/DisplayProbe.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include <QGuiApplication>

#include "catalog/Catalog.h"

namespace host {
namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Starts the platform plugin in a child process: if it aborts there, the host
// itself goes on without a display instead of dying.
bool PlatformStarts(int argc, char** argv) {
  const pid_t child = fork();
  if (child < 0) return true;  // cannot tell; let the application try
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) dup2(null, STDERR_FILENO);
    alarm(15);  // a display that never answers counts as none
    QGuiApplication probe(argc, argv);
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return true;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::optional<std::string> NoDisplayReason(int argc, char** argv) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const std::string_view chosen = platform ? platform : "";
  if (chosen.starts_with("offscreen") || chosen.starts_with("minimal"))
    return CatalogText(Msg(7, 61), std::string(chosen));
  // A platform chosen explicitly (eglfs, vnc, ...) needs neither variable.
  if (chosen.empty() && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) return CatalogText(Msg(7, 60));
  if (!PlatformStarts(argc, argv)) return CatalogText(Msg(7, 62));
  return std::nullopt;
}

}  // namespace host
