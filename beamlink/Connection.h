#pragma once
// One projector connection: opened on first use, authenticated when the
// projector asks for it, one request and its reply at a time, dropped after
// any failure and opened again by the next call.
#include <memory>
#include <string>

#include "beamlink/Protocol.h"
#include "beamlink/Transport.h"

namespace beamlink {

// Why a call failed.
enum class CallFailure {
  None,
  Unreachable,       // the transport could not be opened
  PasswordRequired,  // the projector asks for a password and we have none
  PasswordRejected,  // the projector rejected our password
  PasswordMismatch,  // the projector could not prove it knows our password: a wrong password, or a fake projector
  PasswordNotAsked,  // we hold a password and the projector asks for none
  Timeout,           // no complete answer before the deadline
  Closed,            // the stream ended or failed
  Protocol,          // a malformed, unexpected or mismatched frame
  Cancelled,         // the person waiting stopped the wait (WaitHook.h)
  UnknownName,       // the address is a host name that does not resolve
};

// The outcome of one exchange. `ok` says the exchange worked: a reply that
// matches the request (same tag, same code) arrived in time. It does not say
// the projector carried the request out: a refusal (Status::Refused, the
// reason in `reply.value`) or an error (Status::Error) is a successful
// exchange, and the caller decides what it means. CarriedOut() is the usual
// test.
struct CallResult {
  bool ok = false;
  Reply reply;                              // when ok
  CallFailure failure = CallFailure::None;  // when not ok
  std::string error;                        // when not ok, or with a refusal the reason, for people
};

// Failures that say the projector cannot be reached at all (no answer, no
// connection, no login): trying again at once would only cost another wait.
inline bool MeansLinkDown(CallFailure failure) {
  return failure == CallFailure::Unreachable || failure == CallFailure::Timeout ||
         failure == CallFailure::PasswordRequired || failure == CallFailure::PasswordRejected ||
         failure == CallFailure::PasswordMismatch || failure == CallFailure::PasswordNotAsked ||
         failure == CallFailure::Cancelled || failure == CallFailure::UnknownName;
}

// Why the link to a projector failed, and where it led, for the one message
// a user sees about it.
struct LinkProblem {
  CallFailure failure = CallFailure::None;
  std::string peer;  // DescribeEndpoint: the place actually reached for
  bool operator==(const LinkProblem&) const = default;
};

inline bool CarriedOut(const CallResult& result) {
  return result.ok && (result.reply.status == Status::Done || result.reply.status == Status::Value);
}

class Connection {
 public:
  Connection(Endpoint endpoint, TransportFactory factory);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Sends `request` (its tag is set here) and waits for the matching reply.
  // Opening (connect and handshake) is bounded by the endpoint's timeout, and
  // so is the exchange itself: no call blocks longer than twice the timeout.
  // Any failure drops the connection; the next call opens a new one.
  CallResult Call(Request request);
  bool IsOpen() const;
  void Drop();
  const Endpoint& GetEndpoint() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

// Opens TCP connections to network endpoints (third value: the port, 0 for
// 4352) and serial lines to the others (third value: the baud rate, 0 for
// 19200; `devicePath` or the port index's device).
TransportFactory DefaultTransportFactory();

}  // namespace beamlink
