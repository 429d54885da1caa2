#pragma once
// One simulated projector: the settings of its model with their raw values,
// its power (off, on, cooling down), lamp and filter hours, error status and
// My Memory slots. It answers protocol requests as a real projector would,
// refusals included, and offers a control side (the projector's own menu, so
// to speak) through which tests and the driver read and set raw values and
// switch faults on. Safe to use from several threads.
#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "beamlink/Operations.h"
#include "beamlink/Protocol.h"
#include "models/ModelDescription.h"
#include "simulator/Clock.h"
#include "simulator/Faults.h"
#include "simulator/NamedOperations.h"
#include "simulator/SettingTable.h"

namespace sim {

enum class Power : std::uint8_t { Off = 0, On = 1, CoolingDown = 2 };

struct ProjectorOptions {
  // The library's operation table: how its named operations look on the
  // wire. With an empty table the projector answers generic codes only.
  std::span<const beamlink::OperationInfo> operations = beamlink::AllOperations();
  std::chrono::milliseconds cooldown{3000};  // after power off, before power changes are taken again
  Power power = Power::On;
  ClockFunction clock;  // empty: the steady clock
  std::uint16_t lampHours = 1200;
  std::uint16_t filterHours = 300;
};

class Projector {
 public:
  explicit Projector(models::ModelDescription model, ProjectorOptions options = {});
  Projector(const Projector&) = delete;
  Projector& operator=(const Projector&) = delete;

  // Answers one request; the reply carries the request's tag and code.
  beamlink::Reply Handle(const beamlink::Request& request);

  // Control side. Raw values go in as they are, without range, list or power
  // checks, so a test can put the projector in any state (an unknown video
  // format, error 12, cooling down). The power status takes 0, 1 or 2 (2
  // starts cooling down now); lamp and filter time take hours. The argument
  // selects the input, connector or point of a setting kept per argument.
  bool SetValue(std::uint16_t code, std::uint16_t argument, std::uint16_t value, std::string* error = nullptr);
  std::optional<std::uint16_t> Value(std::uint16_t code, std::uint16_t argument = 0, std::string* error = nullptr);
  // The same for the value a named operation reads or writes, the argument
  // standing for its leading argument: ("GetKeystoneV", 0),
  // ("GetInputSrcVolume", input), ("GetVideoFormat", 1 composite or 0
  // S-video), ("GetUserGammaPoint", point), ("GetRgbIn", 1 or 2).
  bool SetValueOf(std::string_view operation, std::uint16_t argument, std::uint16_t value,
                  std::string* error = nullptr);
  std::optional<std::uint16_t> ValueOf(std::string_view operation, std::uint16_t argument = 0,
                                       std::string* error = nullptr);
  // Every call of the operation fails until the faults are cleared; false
  // for a name the operation table does not know.
  bool FailOperation(std::string_view operation, std::string* error = nullptr);
  Faults& GetFaults() { return m_faults; }

  Power PowerState();
  const models::ModelDescription& Model() const { return m_model; }
  // The setting on `code`, or null when the model lacks it.
  const Setting* Find(std::uint16_t code) const;
  // A request in words, for the traffic log: "Get 0x2003 brightness".
  std::string Describe(const beamlink::Request& request) const;

 private:
  struct Target {
    std::uint16_t code;
    std::uint16_t index;
    const Setting* setting;
  };
  using Located = std::variant<Target, beamlink::Refusal>;

  Located Locate(std::uint16_t code, std::uint16_t argument) const;
  // Locate for the control side: the refusal, if any, goes into `error` as text.
  std::optional<Target> LocateOrExplain(std::uint16_t code, std::uint16_t argument, std::string* error) const;
  const beamlink::OperationInfo* FindOperation(std::string_view name, std::string* error) const;
  // The request an operation sends for `argument` (see ValueOf).
  std::optional<beamlink::Request> RequestOf(std::string_view operation, std::uint16_t argument,
                                             std::string* error) const;
  // Brings power and hours up to the clock's time.
  void Tick();
  std::uint16_t Stored(std::uint16_t code, std::uint16_t index) const;
  beamlink::Reply SwitchPower(beamlink::Reply reply, bool on);
  beamlink::Reply UseMemory(beamlink::Reply reply, std::uint16_t memory, bool save);
  beamlink::Reply HandleSetting(beamlink::Reply reply, const beamlink::Request& request, const Target& target);
  bool PutValue(const Target& target, std::uint16_t value, std::string* error);
  std::optional<std::uint16_t> ReadValue(const Target& target, std::string* error);

  const models::ModelDescription m_model;
  const ProjectorOptions m_options;
  SettingMap m_settings;
  RouteMap m_routes;
  Faults m_faults;

  std::mutex m_mutex;
  std::map<std::pair<std::uint16_t, std::uint16_t>, std::uint16_t> m_values;  // (code, index) → raw value
  std::array<std::map<std::uint16_t, std::uint16_t>, 4> m_memories;          // code → raw value
  Power m_power;
  Clock::time_point m_coolingEnds{};
  Clock::time_point m_lastTick{};
  Clock::duration m_lampTime{};
  Clock::duration m_filterTime{};
  std::uint16_t m_error = 0;
};

}  // namespace sim
