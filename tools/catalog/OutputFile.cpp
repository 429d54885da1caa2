#include "tools/catalog/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace expert::catalog {

std::string WriteFileAtomically(const std::string& path, std::string_view content) {
  const std::string temporary = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return path + ": cannot be written: " + std::strerror(errno);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return path + ": write failed";
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string error = path + ": cannot be replaced: " + std::strerror(errno);
    std::remove(temporary.c_str());
    return error;
  }
  return {};
}

}  // namespace expert::catalog
