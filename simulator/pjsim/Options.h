#pragma once
// The command line of pjsim.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "simulator/Projector.h"

namespace sim::pjsim {

struct Options {
  bool help = false;
  bool version = false;
  bool verbose = false;     // the library's diagnostics on stderr
  std::string model;        // "type/model" of the model database
  bool serial = false;      // a pseudo-terminal in place of a TCP listener
  std::string address;      // 127.x.x.x
  std::uint16_t port = 0;   // 0: any free port
  std::string password;     // empty: none
  std::chrono::milliseconds cooldown{3000};
  Power power = Power::On;  // at start
  // PJLink in place of our own protocol (TCP only), its class, warm-up and
  // whether each connection carries one command only.
  bool pjlink = false;
  int pjlinkClass = 2;
  std::chrono::milliseconds warmup{0};
  bool closeAfterReply = false;
  // Independent projectors served (TCP only), on consecutive ports from
  // `port` (or free ports); the last `dead` of them never answer.
  unsigned count = 1;
  unsigned dead = 0;
  std::chrono::milliseconds idleClose{30'000};  // PJLink: close a connection idle this long; 0: never
};

inline constexpr unsigned kMaxCount = 4096;

// Parses the arguments after the program name; nullopt with `error` when
// they are wrong.
std::optional<Options> ParseOptions(std::span<const std::string_view> args, std::string& error);

const char* Usage();

}  // namespace sim::pjsim
