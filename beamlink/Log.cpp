#include "beamlink/Log.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace beamlink {
namespace {

bool AskedByEnvironment() {
  const char* level = std::getenv("EXPERT_LOG");
  return level != nullptr && std::strcmp(level, "debug") == 0;
}

std::atomic<bool>& VerboseFlag() {
  static std::atomic<bool> flag{AskedByEnvironment()};
  return flag;
}

}  // namespace

void SetVerbose(bool on) { VerboseFlag() = on; }

bool Verbose() { return VerboseFlag(); }

void LogDebug(const std::string& text) {
  if (Verbose()) std::fprintf(stderr, "beamlink: %s\n", text.c_str());
}

}  // namespace beamlink
