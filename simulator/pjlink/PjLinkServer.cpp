#include "simulator/pjlink/PjLinkServer.h"

#include <algorithm>
#include <exception>
#include <map>
#include <mutex>

#include "beamlink/Auth.h"
#include "beamlink/pjlink/Mapping.h"
#include "projector/CommandCodes.h"

namespace sim::pjlink {
namespace {

using beamlink::Action;
using beamlink::Request;
using beamlink::Status;
using namespace beamlink::pjlink;
using SimClock = std::chrono::steady_clock;

using pjcode::kBlank;
using pjcode::kErrorStatus;
using pjcode::kFilterTime;
using pjcode::kFreeze;
using pjcode::kInputSource;
using pjcode::kLampTime;
using pjcode::kMute;
using pjcode::kVolume;
constexpr std::uint16_t kPower = pjcode::kPowerStatus;

// The six ERST digits for each error number of ours (fan, lamp, temperature,
// cover, filter, other).
std::string ErstFor(std::uint16_t error) {
  switch (error) {
    case 0: return "000000";
    case 1: return "000200";
    case 2: return "200000";
    case 3: return "020000";
    case 4:
    case 5: return "002000";
    case 6: return "010000";
    case 7: return "001000";
    case 8: return "000020";
    default: return "000002";
  }
}

struct WarmUp {
  std::mutex mutex;
  SimClock::time_point ends{};
  bool Running() {
    std::lock_guard lock(mutex);
    return SimClock::now() < ends;
  }
  void Start(std::chrono::milliseconds length) {
    std::lock_guard lock(mutex);
    ends = SimClock::now() + length;
  }
};

class PjLinkConversation : public Conversation {
 public:
  PjLinkConversation(std::shared_ptr<Projector> projector, const ServerOptions& server, const PjLinkOptions& options,
                     std::shared_ptr<WarmUp> warmUp)
      : m_projector(std::move(projector)),
        m_server(server),
        m_options(options),
        m_warmUp(std::move(warmUp)),
        m_inputs(ModelInputs(m_projector->Model())) {}

  std::vector<Output> Start() override {
    if (m_server.password.empty()) return {Line("PJLINK 0")};
    const std::optional<beamlink::Nonce> nonce = beamlink::RandomNonce();
    if (!nonce) return {Close("no random number for the greeting")};
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < kRandomSize / 2; ++i) {
      m_random += kHex[(*nonce)[i] >> 4];
      m_random += kHex[(*nonce)[i] & 0x0F];
    }
    m_awaitDigest = true;
    return {Line("PJLINK 1 " + m_random)};
  }

  std::vector<Output> Receive(std::span<const std::uint8_t> bytes) override {
    std::vector<Output> outputs;
    while (!bytes.empty() && !m_closed) {
      bytes = bytes.subspan(m_reader.Feed(bytes));
      if (m_reader.GetState() == LineReader::State::Failed) {
        outputs.push_back(Close("malformed line: " + m_reader.Error()));
        break;
      }
      if (m_reader.GetState() == LineReader::State::Ready) {
        const std::string line = m_reader.Take();
        if (!line.empty()) outputs.push_back(OnLine(line));
      }
    }
    return outputs;
  }

  bool Closed() const override { return m_closed; }
  // With a password the first command carries the digest: until then the
  // client has not proved itself.
  bool Serving() const override { return !m_awaitDigest && !m_closed; }
  bool MidFrame() const override { return m_reader.MidLine(); }
  std::optional<std::chrono::milliseconds> IdleLimit() const override {
    if (m_options.idleClose.count() <= 0) return std::nullopt;
    return m_options.idleClose;
  }

 private:
  static Output Line(const std::string& text) {
    Output output;
    output.bytes.assign(text.begin(), text.end());
    output.bytes.push_back('\r');
    return output;
  }

  Output Close(const std::string& why) {
    Log("closing the connection: " + why);
    m_closed = true;
    return Output{{}, std::chrono::milliseconds(0), true};
  }

  void Log(const std::string& line) const {
    if (m_server.log) m_server.log(line);
  }

  Output OnLine(std::string line) {
    if (m_awaitDigest) {
      m_awaitDigest = false;
      const std::string expected = AuthDigest(m_random, m_server.password);
      if (line.size() < kDigestTextSize || line.compare(0, kDigestTextSize, expected) != 0) {
        Log("wrong password");
        Output output = Line("PJLINK ERRA");
        // Wrong passwords are answered slowly, as in our own protocol.
        if (m_server.throttle) output.delay = m_server.throttle->NextRejection();
        output.close = true;
        m_closed = true;
        return output;
      }
      line.erase(0, kDigestTextSize);
    }
    std::string error;
    const auto command = ParseCommand(line, &error);
    if (!command) return Close(error);
    Faults& faults = m_projector->GetFaults();
    if (faults.TakeDrop()) return Close(line + ": dropped (fault)");
    const std::string data = Answer(*command);
    Log(line + " -> " + data);
    Output output = Line("%" + std::to_string(command->cls) + command->body + "=" + data);
    if (faults.TakeGarbage()) output.bytes = {'%', '1', 0x01, '?', '\r'};
    output.delay = faults.Latency();
    output.close = m_options.closeAfterReply;
    m_closed = m_options.closeAfterReply;
    return output;
  }

  // The projector's value or answer for one request, or the error reply.
  std::string Ask(Action action, std::uint16_t code, std::uint16_t value, std::uint16_t* result = nullptr) {
    const beamlink::Reply reply = m_projector->Handle(Request{0, action, code, 0, value});
    switch (reply.status) {
      case Status::Value:
        if (result) *result = reply.value;
        return "OK";
      case Status::Done:
        return "OK";
      case Status::Refused:
        if (reply.value == static_cast<std::uint16_t>(beamlink::Refusal::Unsupported)) return "ERR1";
        if (reply.value == static_cast<std::uint16_t>(beamlink::Refusal::OutOfRange)) return "ERR2";
        return "ERR3";
      case Status::Error:
        return "ERR4";
    }
    return "ERR4";
  }

  std::string Read(std::uint16_t code, std::uint16_t& value) { return Ask(Action::Get, code, 0, &value); }

  std::string Answer(const Command& c) {
    if (c.cls > m_options.cls) return "ERR1";
    const bool query = c.parameter == "?";
    const std::string& body = c.body;
    const auto& model = m_projector->Model();
    // Identity queries answer in every power state.
    if (query && body == "CLSS") return std::to_string(m_options.cls);
    if (query && body == "NAME") return model.name.substr(0, 64);
    if (query && body == "INF1") return "Expert Simulator";
    if (query && body == "INF2") return "Type " + std::to_string(model.type) + " model " + std::to_string(model.model);
    if (query && body == "INFO") return "simulated projector";
    if (query && c.cls == 2 && body == "SNUM") return "SIM" + std::to_string(model.type) + std::to_string(model.model);
    if (query && c.cls == 2 && body == "SVER") return "1.0";
    std::uint16_t value = 0;
    if (query && body == "ERST") {
      const std::string status = Read(kErrorStatus, value);
      return status == "OK" ? ErstFor(value) : status;
    }
    if (query && (body == "LAMP" || (body == "FILT" && c.cls == 2))) {
      const std::string status = Read(body == "LAMP" ? kLampTime : kFilterTime, value);
      if (status != "OK") return status;
      const bool lit = m_projector->PowerState() == Power::On;
      return std::to_string(value) + (body == "LAMP" ? (lit ? " 1" : " 0") : "");
    }
    if (query && body == "INST") return InputList(c.cls);
    if (c.cls == 2 && body == "INNM") return InputName(c.parameter);
    // Nothing is plugged into a simulated projector, and it knows no part
    // numbers: no signal, an everyday recommended resolution, empty answers.
    if (query && c.cls == 2 && body == "IRES") return "-";
    if (query && c.cls == 2 && body == "RRES") return "1024x768";
    if (query && c.cls == 2 && (body == "RLMP" || body == "RFIL")) return "";
    if (body == "POWR") return Power(c.parameter);
    if (m_warmUp->Running()) return "ERR3";
    if (body == "INPT") return Input(c.cls, c.parameter);
    if (body == "AVMT") return AvMute(c.parameter);
    if (body == "FREZ" && c.cls == 2) return Switch(kFreeze, c.parameter);
    if (body == "SVOL" && c.cls == 2) {
      if (c.parameter != "0" && c.parameter != "1") return "ERR2";
      return Ask(c.parameter == "1" ? Action::Increment : Action::Decrement, kVolume, 0);
    }
    return "ERR1";
  }

  std::string Power(const std::string& parameter) {
    const bool warming = m_warmUp->Running();
    std::uint16_t value = 0;
    if (parameter == "?") {
      const std::string status = Read(kPower, value);
      if (status != "OK") return status;
      return warming && value == 1 ? "3" : std::to_string(value);
    }
    if (parameter != "0" && parameter != "1") return "ERR2";
    if (warming) return parameter == "1" ? "OK" : "ERR3";
    const bool wasOff = m_projector->PowerState() == Power::Off;
    const std::string status = Ask(Action::Set, kPower, parameter == "1" ? 1 : 0);
    if (status == "OK" && parameter == "1" && wasOff && m_options.warmup.count() > 0) m_warmUp->Start(m_options.warmup);
    return status;
  }

  // The model's input table: its own PJLink inputs, the defaults for the rest.
  static std::vector<InputLink> ModelInputs(const models::ModelDescription& model) {
    std::vector<InputLink> own;
    for (const auto& input : model.inputs)
      if (!input.pjlink.empty() && input.code >= 0 && input.code <= 0xFFFF)
        own.push_back({static_cast<std::uint16_t>(input.code), input.pjlink});
    return InputTable(own);
  }

  // A class-1 command names only class-1 inputs.
  std::string Input(int cls, const std::string& parameter) {
    const auto& inputs = m_inputs;
    std::uint16_t value = 0;
    if (parameter == "?") {
      const std::string status = Read(kInputSource, value);
      if (status != "OK") return status;
      const auto it = std::find_if(inputs.begin(), inputs.end(), [&](const InputLink& l) { return l.code == value; });
      return it == inputs.end() ? "ERR4" : it->input;
    }
    const auto it = std::find_if(inputs.begin(), inputs.end(), [&](const InputLink& l) { return l.input == parameter; });
    if (it == inputs.end() || !HasInput(it->code) || InputClass(parameter) > cls) return "ERR2";
    return Ask(Action::Set, kInputSource, it->code);
  }

  // "?31": the name of that terminal's input.
  std::string InputName(const std::string& parameter) const {
    if (parameter.size() != 3 || parameter[0] != '?') return "ERR2";
    const auto it = std::find_if(m_inputs.begin(), m_inputs.end(),
                                 [&](const InputLink& l) { return l.input == parameter.substr(1); });
    if (it == m_inputs.end()) return "ERR2";
    for (const auto& input : m_projector->Model().inputs)
      if (input.code == it->code) return input.name;
    return "ERR2";
  }

  bool HasInput(int code) const {
    const auto& list = m_projector->Model().inputs;
    return std::any_of(list.begin(), list.end(), [&](const auto& input) { return input.code == code; });
  }

  std::string InputList(int cls) {
    std::string list;
    for (const InputLink& link : m_inputs)
      if (HasInput(link.code) && InputClass(link.input) <= cls)
        list += (list.empty() ? "" : " ") + link.input;
    return list;
  }

  std::string AvMute(const std::string& parameter) {
    std::uint16_t blank = 0;
    std::uint16_t mute = 0;
    if (parameter == "?") {
      std::string status = Read(kBlank, blank);
      if (status == "OK") status = Read(kMute, mute);
      if (status != "OK") return status;
      if (blank && mute) return "31";
      if (blank) return "11";
      if (mute) return "21";
      return "30";
    }
    if (parameter.size() != 2 || parameter[0] < '1' || parameter[0] > '3' || (parameter[1] != '0' && parameter[1] != '1'))
      return "ERR2";
    const std::uint16_t on = parameter[1] == '1';
    std::string status = "OK";
    if (parameter[0] != '2') status = Ask(Action::Set, kBlank, on);
    if (status == "OK" && parameter[0] != '1') status = Ask(Action::Set, kMute, on);
    return status;
  }

  std::string Switch(std::uint16_t code, const std::string& parameter) {
    std::uint16_t value = 0;
    if (parameter == "?") {
      const std::string status = Read(code, value);
      return status == "OK" ? std::to_string(value) : status;
    }
    if (parameter != "0" && parameter != "1") return "ERR2";
    return Ask(Action::Set, code, parameter == "1" ? 1 : 0);
  }

  std::shared_ptr<Projector> m_projector;
  ServerOptions m_server;
  PjLinkOptions m_options;
  std::shared_ptr<WarmUp> m_warmUp;
  std::vector<InputLink> m_inputs;
  LineReader m_reader;
  std::string m_random;
  bool m_awaitDigest = false;
  bool m_closed = false;
};

}  // namespace

ConversationFactory PjLinkProtocol(PjLinkOptions options) {
  // One factory may serve many projectors (pjsim --count): each warms up on its own.
  struct WarmUps {
    std::mutex mutex;
    std::map<const Projector*, std::shared_ptr<WarmUp>> byProjector;
  };
  auto warmUps = std::make_shared<WarmUps>();
  return [options, warmUps](std::shared_ptr<Projector> projector, const ServerOptions& server) {
    std::shared_ptr<WarmUp> warmUp;
    {
      std::lock_guard lock(warmUps->mutex);
      auto& slot = warmUps->byProjector[projector.get()];
      if (!slot) slot = std::make_shared<WarmUp>();
      warmUp = slot;
    }
    return std::make_unique<PjLinkConversation>(std::move(projector), server, options, std::move(warmUp));
  };
}

}  // namespace sim::pjlink
