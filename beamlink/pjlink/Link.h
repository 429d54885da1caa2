#pragma once
// One PJLink connection to a projector, behind the same calls as the
// library's own protocol: each request of the operation table becomes one
// PJLink command (see Mapping.h), its response the reply the interface
// expects.
//
// The connection opens on first use: the projector's greeting, then, when it
// challenges, the MD5 digest of its random and the password in front of the
// first command. The first command is always a class query, so a class-1
// projector is never sent a class-2 command. A projector that closed the
// connection since the last call (after each command, or after its idle
// time) is reconnected without the caller noticing; a connection idle for
// longer than a projector keeps one is opened anew before use.
#include <chrono>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "beamlink/Connection.h"
#include "beamlink/pjlink/Mapping.h"

namespace beamlink::pjlink {

// A projector may close a connection that carried no command for 30 s; a
// connection idle for this long is not trusted any more.
constexpr std::chrono::milliseconds kIdleReopen{25'000};
// The wait for a greeting or a response when the connection data gives none:
// some projectors take a few seconds to answer while they switch power.
constexpr std::chrono::milliseconds kDefaultReplyTimeout{5'000};

class Link {
 public:
  // `inputs` is the model's input table; the default entries fill its gaps.
  Link(Endpoint endpoint, TransportFactory factory, std::span<const InputLink> inputs = {});
  ~Link();
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  // The request's PJLink command and its response. An error reply (ERR1 to
  // ERR4) is a refusal with the reason in `error`; a request PJLink cannot
  // carry is refused as unsupported before anything is sent. Any other
  // failure drops the connection.
  CallResult Call(const Request& request);
  // A raw query ("NAME", "INF1", ...): the response's data, or nullopt with
  // `error`. An error reply keeps the connection.
  std::optional<std::string> Query(int cls, const std::string& body, std::string& error);
  // The class the projector reported (1 or 2); 0 before the first call.
  int ProjectorClass() const;
  bool IsOpen() const;
  void Drop();
  const Endpoint& GetEndpoint() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

// What the host's Query button and the status column read.
struct Identity {
  std::string name;          // NAME
  std::string manufacturer;  // INF1
  std::string product;       // INF2
  std::string other;         // INFO
  int projectorClass = 0;    // CLSS
  std::string serial;        // SNUM (class 2)
  std::string software;      // SVER (class 2)
};

// Reads every identity field over one connection; a field the projector
// refuses stays empty. nullopt with `error` when the projector cannot be
// reached or refuses the password.
std::optional<Identity> QueryIdentity(const Endpoint& endpoint, const TransportFactory& factory, std::string& error);

}  // namespace beamlink::pjlink
