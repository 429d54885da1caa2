#pragma once
// A projector inside the test: a transport that decodes every frame the
// library writes, welcomes the connection, records each request and answers
// it from a script. Nothing blocks: a read with nothing to say fails at once.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "beamlink/Protocol.h"
#include "beamlink/Transport.h"

class ScriptedProjector {
 public:
  using Script = std::function<beamlink::Reply(const beamlink::Request&)>;

  ScriptedProjector() { AnswerValue(0); }

  // The factory to give CPjtInterface::SetTransportFactory; every transport
  // it opens talks to this projector.
  beamlink::TransportFactory Factory() {
    return [state = m_state](const beamlink::Endpoint&, beamlink::Deadline,
                             std::string&) -> std::unique_ptr<beamlink::Transport> {
      ++state->connections;
      return std::make_unique<Line>(state);
    };
  }

  // Answers every request from now on: a Value reply carrying `value` to
  // gets and steps, Done to sets and executes.
  void AnswerValue(std::uint16_t value) {
    Answer([value](const beamlink::Request& request) {
      const bool reads = request.action == beamlink::Action::Get || request.action == beamlink::Action::Increment ||
                         request.action == beamlink::Action::Decrement;
      return reads ? ReplyOf(beamlink::Status::Value, value) : ReplyOf(beamlink::Status::Done, 0);
    });
  }
  void Refuse(beamlink::Refusal why) { AnswerAll(beamlink::Status::Refused, static_cast<std::uint16_t>(why)); }
  void Fail(std::uint16_t errorNumber) { AnswerAll(beamlink::Status::Error, errorNumber); }
  void AnswerDone() { AnswerAll(beamlink::Status::Done, 0); }  // gets included
  void Answer(Script script) { m_state->script = std::move(script); }

  const std::vector<beamlink::Request>& Requests() const { return m_state->requests; }
  int Connections() const { return m_state->connections; }  // transports opened so far
  void Forget() { m_state->requests.clear(); }

 private:
  struct State {
    Script script;
    std::vector<beamlink::Request> requests;
    int connections = 0;
  };

  class Line : public beamlink::Transport {
   public:
    explicit Line(std::shared_ptr<State> state) : m_state(std::move(state)) {}

    bool Write(std::span<const std::uint8_t> bytes, beamlink::Deadline, std::string& error) override {
      while (!bytes.empty()) {
        bytes = bytes.subspan(m_reader.Feed(bytes));
        if (m_reader.GetState() == beamlink::FrameReader::State::Failed)
          return error = "bad frame from the library: " + m_reader.Error(), false;
        if (m_reader.GetState() == beamlink::FrameReader::State::Ready) Answer(m_reader.Take());
      }
      return true;
    }

    std::size_t Read(std::span<std::uint8_t> buffer, beamlink::Deadline, std::string& error) override {
      if (m_outgoing.empty()) return error = "nothing to read", 0;
      const std::size_t count = std::min(buffer.size(), m_outgoing.size());
      std::copy_n(m_outgoing.begin(), count, buffer.begin());
      m_outgoing.erase(m_outgoing.begin(), m_outgoing.begin() + static_cast<std::ptrdiff_t>(count));
      return count;
    }

   private:
    void Answer(const beamlink::Message& message) {
      beamlink::Frame frame;
      if (message.kind == beamlink::BodyKind::Hello) {
        frame = beamlink::Encode(beamlink::Welcome{});
      } else if (message.kind == beamlink::BodyKind::Request) {
        m_state->requests.push_back(message.request);
        beamlink::Reply reply = m_state->script(message.request);
        reply.tag = message.request.tag;
        reply.code = message.request.code;
        frame = beamlink::Encode(reply);
      }
      m_outgoing.insert(m_outgoing.end(), frame.begin(), frame.end());
    }

    std::shared_ptr<State> m_state;
    beamlink::FrameReader m_reader;
    std::vector<std::uint8_t> m_outgoing;
  };

  // Tag and code are the request's, filled in by the line.
  static beamlink::Reply ReplyOf(beamlink::Status status, std::uint16_t value) { return {0, status, 0, value}; }
  void AnswerAll(beamlink::Status status, std::uint16_t value) {
    Answer([=](const beamlink::Request&) { return ReplyOf(status, value); });
  }

  std::shared_ptr<State> m_state = std::make_shared<State>();
};
