#include "host/core/SerialDevices.h"

#include <algorithm>
#include <string_view>

namespace host {
namespace {

namespace fs = std::filesystem;

// "ttyUSB10" after "ttyUSB9": the number after the prefix decides.
unsigned long NumberAfter(const std::string& name, std::string_view prefix) {
  const std::string digits = name.substr(prefix.size());
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return static_cast<unsigned long>(-1);
  return digits.size() > 9 ? static_cast<unsigned long>(-1) : std::stoul(digits);
}

}  // namespace

std::vector<std::string> ListSerialDevices(const fs::path& root) {
  std::vector<std::string> devices;
  std::error_code ignored;

  std::vector<std::string> byId;
  for (fs::directory_iterator it(root / "dev/serial/by-id", ignored), end; !ignored && it != end;
       it.increment(ignored))
    byId.push_back(it->path().string());
  std::sort(byId.begin(), byId.end());
  devices.insert(devices.end(), byId.begin(), byId.end());

  std::vector<std::string> names;
  for (fs::directory_iterator it(root / "dev", ignored), end; !ignored && it != end; it.increment(ignored))
    names.push_back(it->path().filename().string());
  for (std::string_view prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
    std::vector<std::pair<unsigned long, std::string>> numbered;
    for (const std::string& name : names)
      if (name.starts_with(prefix) && NumberAfter(name, prefix) != static_cast<unsigned long>(-1))
        numbered.emplace_back(NumberAfter(name, prefix), name);
    std::sort(numbered.begin(), numbered.end());
    for (const auto& [number, name] : numbered) devices.push_back((root / "dev" / name).string());
  }
  return devices;
}

}  // namespace host
