#include "ScriptedProjector.h"

#include <algorithm>
#include <string>

using beamlink::BodyKind;
using beamlink::Reply;
using beamlink::Request;
using beamlink::Status;

struct ScriptedProjector::State {
  std::function<Reply(const Request&)> script;
  std::vector<Request> requests;
  int connections = 0;
};

namespace {

class ScriptedTransport : public beamlink::Transport {
 public:
  explicit ScriptedTransport(std::shared_ptr<ScriptedProjector::State> state) : m_state(std::move(state)) {}

  bool Write(std::span<const std::uint8_t> bytes, beamlink::Deadline, std::string& error) override {
    while (!bytes.empty()) {
      const std::size_t used = m_reader.Feed(bytes);
      bytes = bytes.subspan(used);
      if (m_reader.GetState() == beamlink::FrameReader::State::Failed) {
        error = "bad frame from the library: " + m_reader.Error();
        return false;
      }
      if (m_reader.GetState() == beamlink::FrameReader::State::Ready) Answer(m_reader.Take());
    }
    return true;
  }

  std::size_t Read(std::span<std::uint8_t> buffer, beamlink::Deadline, std::string& error) override {
    if (m_outgoing.empty()) {
      error = "nothing to read";
      return 0;
    }
    const std::size_t count = std::min(buffer.size(), m_outgoing.size());
    std::copy_n(m_outgoing.begin(), count, buffer.begin());
    m_outgoing.erase(m_outgoing.begin(), m_outgoing.begin() + static_cast<std::ptrdiff_t>(count));
    return count;
  }

 private:
  void Answer(const beamlink::Message& message) {
    beamlink::Frame frame;
    if (message.kind == BodyKind::Hello) {
      frame = beamlink::Encode(beamlink::Welcome{});
    } else if (message.kind == BodyKind::Request) {
      m_state->requests.push_back(message.request);
      Reply reply = m_state->script(message.request);
      reply.tag = message.request.tag;
      reply.code = message.request.code;
      frame = beamlink::Encode(reply);
    }
    m_outgoing.insert(m_outgoing.end(), frame.begin(), frame.end());
  }

  std::shared_ptr<ScriptedProjector::State> m_state;
  beamlink::FrameReader m_reader;
  std::vector<std::uint8_t> m_outgoing;
};

}  // namespace

ScriptedProjector::ScriptedProjector() : m_state(std::make_shared<State>()) { AnswerValue(0); }

beamlink::TransportFactory ScriptedProjector::Factory() {
  return [state = m_state](const beamlink::Endpoint&, beamlink::Deadline,
                           std::string&) -> std::unique_ptr<beamlink::Transport> {
    ++state->connections;
    return std::make_unique<ScriptedTransport>(state);
  };
}

void ScriptedProjector::AnswerValue(std::uint16_t value) {
  Answer([value](const Request& request) {
    const bool reads = request.action == beamlink::Action::Get || request.action == beamlink::Action::Increment ||
                       request.action == beamlink::Action::Decrement;
    return reads ? Reply{0, Status::Value, 0, value} : Reply{0, Status::Done, 0, 0};
  });
}

void ScriptedProjector::Refuse(beamlink::Refusal refusal) {
  Answer([refusal](const Request&) { return Reply{0, Status::Refused, 0, static_cast<std::uint16_t>(refusal)}; });
}

void ScriptedProjector::Fail(std::uint16_t errorNumber) {
  Answer([errorNumber](const Request&) { return Reply{0, Status::Error, 0, errorNumber}; });
}

void ScriptedProjector::AnswerDone() {
  Answer([](const Request&) { return Reply{0, Status::Done, 0, 0}; });
}

void ScriptedProjector::Answer(std::function<Reply(const Request&)> script) { m_state->script = std::move(script); }

const std::vector<Request>& ScriptedProjector::Requests() const { return m_state->requests; }

int ScriptedProjector::Connections() const { return m_state->connections; }

void ScriptedProjector::Forget() { m_state->requests.clear(); }
