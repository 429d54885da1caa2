#pragma once
// The module's string table: English error and notice texts that a host can
// load through the resource chain. Generated at build time from the default
// catalog's English messages.
#include <cstddef>

namespace expert::resources {
struct StringEntry {
  unsigned id;
  const char* text;
};
extern const StringEntry kStringTable[];
extern const std::size_t kStringTableSize;
}  // namespace expert::resources
