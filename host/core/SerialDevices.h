#pragma once
// The serial devices present on this machine, for the editor to offer:
// stable names first (/dev/serial/by-id/*, which name the adapter and survive
// replugging), then /dev/ttyUSB*, /dev/ttyACM* and /dev/ttyS* by number.
#include <filesystem>
#include <string>
#include <vector>

namespace host {

// `root` stands in for "/" (tests give a scratch directory); the paths come
// back as they would be opened under it.
std::vector<std::string> ListSerialDevices(const std::filesystem::path& root = "/");

}  // namespace host
