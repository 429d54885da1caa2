#pragma once
// A projector inside the test: a transport that decodes every frame the
// library writes, welcomes the connection, records each request and answers
// it from a script. Nothing blocks: a read with nothing to say fails at once.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "beamlink/Protocol.h"
#include "beamlink/Transport.h"

class ScriptedProjector {
 public:
  ScriptedProjector();

  // The factory to give CPjtInterface::SetTransportFactory; every transport
  // it opens talks to this projector.
  beamlink::TransportFactory Factory();

  // Answers every request from now on: by default a Value reply carrying
  // `value` to gets and steps, Done to sets and executes.
  void AnswerValue(std::uint16_t value);
  void Refuse(beamlink::Refusal refusal);
  void Fail(std::uint16_t errorNumber);
  void AnswerDone();  // Done to everything, gets included
  void Answer(std::function<beamlink::Reply(const beamlink::Request&)> script);

  const std::vector<beamlink::Request>& Requests() const;
  int Connections() const;  // transports opened so far
  void Forget();            // clears the recorded requests

  struct State;

 private:
  std::shared_ptr<State> m_state;
};
