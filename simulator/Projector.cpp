#include "simulator/Projector.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "projector/CommandCodes.h"

namespace sim {
namespace {

using beamlink::Action;
using beamlink::Refusal;
using beamlink::Reply;
using beamlink::Request;
using beamlink::Status;

Reply Refuse(Reply reply, Refusal why) {
  reply.status = Status::Refused;
  reply.value = static_cast<std::uint16_t>(why);
  return reply;
}

Reply WithValue(Reply reply, std::uint16_t value) {
  reply.status = Status::Value;
  reply.value = value;
  return reply;
}

std::uint16_t HoursOf(Clock::duration time) {
  return static_cast<std::uint16_t>(std::min<long long>(std::chrono::floor<std::chrono::hours>(time).count(), 0xFFFF));
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

const char* ActionText(Action action) {
  switch (action) {
    case Action::Get: return "Get";
    case Action::Set: return "Set";
    case Action::Increment: return "Inc";
    case Action::Decrement: return "Dec";
    case Action::Execute: return "Exec";
  }
  return "?";
}

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

Projector::Projector(models::ModelDescription model, ProjectorOptions options)
    : m_model(std::move(model)), m_options(std::move(options)), m_power(m_options.power) {
  m_settings = BuiltInSettings(m_model);
  m_routes = RouteNamedOperations(m_options.operations, m_model, m_settings);
  m_lastTick = m_options.clock ? m_options.clock() : Clock::now();
  if (m_power == Power::CoolingDown) m_coolingEnds = m_lastTick + m_options.cooldown;
  m_lampTime = std::chrono::hours(m_options.lampHours);
  m_filterTime = std::chrono::hours(m_options.filterHours);
  // The memories hold the factory picture until something is saved in them.
  for (auto& memory : m_memories)
    for (const auto& [code, setting] : m_settings)
      if (setting.picture) memory[code] = setting.factory;
}

const Setting* Projector::Find(std::uint16_t code) const {
  const auto found = m_settings.find(code);
  return found == m_settings.end() ? nullptr : &found->second;
}

void Projector::Tick() {
  const Clock::time_point now = m_options.clock ? m_options.clock() : Clock::now();
  if (now <= m_lastTick) return;
  // The lamp burns while the power is on; the fan (and so the filter) also
  // runs while cooling down.
  if (m_power == Power::On) {
    m_lampTime += now - m_lastTick;
    m_filterTime += now - m_lastTick;
  } else if (m_power == Power::CoolingDown) {
    const Clock::time_point fanStops = std::min(now, std::max(m_coolingEnds, m_lastTick));
    m_filterTime += fanStops - m_lastTick;
    if (now >= m_coolingEnds) m_power = Power::Off;
  }
  m_lastTick = now;
}

Power Projector::PowerState() {
  std::lock_guard lock(m_mutex);
  Tick();
  return m_power;
}

std::uint16_t Projector::Stored(std::uint16_t code, std::uint16_t index) const {
  const auto found = m_values.find({code, index});
  if (found != m_values.end()) return found->second;
  const Setting* setting = Find(code);
  return setting ? setting->factory : 0;
}

Projector::Located Projector::Locate(std::uint16_t code, std::uint16_t argument) const {
  const Setting* setting = Find(code);
  if (!setting) return Refusal::Unsupported;
  // The argument picks the instance of a setting kept per argument;
  // otherwise it only qualifies the request and the value is the one.
  const std::uint16_t index = setting->indexes.empty() ? 0 : argument;
  if (!setting->AcceptsIndex(index)) return Refusal::OutOfRange;
  return Target{code, index, setting};
}

Reply Projector::Handle(const Request& request) {
  Reply reply{request.tag, Status::Done, request.code, 0};
  std::lock_guard lock(m_mutex);
  Tick();
  if (m_faults.Fails(request)) {
    // A failing projector reports its error number, which may be 0.
    reply.status = Status::Error;
    reply.value = m_error;
    return reply;
  }
  const auto route = m_routes.find({request.action, request.code});
  if (route != m_routes.end()) {
    if (m_power != Power::On) return Refuse(reply, Refusal::PowerOff);
    switch (route->second.kind) {
      case RouteKind::MemoryLoad: return UseMemory(reply, request.argument, false);
      case RouteKind::MemorySave: return UseMemory(reply, request.argument, true);
      case RouteKind::Action: return reply;
    }
  }
  const Located located = Locate(request.code, request.argument);
  if (const auto* refusal = std::get_if<Refusal>(&located)) return Refuse(reply, *refusal);
  return HandleSetting(reply, request, std::get<Target>(located));
}

Reply Projector::HandleSetting(Reply reply, const Request& request, const Target& target) {
  const Setting& s = *target.setting;
  const Action action = request.action;
  switch (s.kind) {
    // Status answers whatever the power: a projector in standby still reports it.
    case SettingKind::PowerStatus:
      if (action == Action::Get) return WithValue(reply, static_cast<std::uint16_t>(m_power));
      if (action == Action::Set) {
        if (m_power == Power::CoolingDown) return Refuse(reply, Refusal::Busy);
        if (request.value > 1) return Refuse(reply, Refusal::OutOfRange);
        return SwitchPower(reply, request.value == 1);
      }
      return Refuse(reply, Refusal::Unsupported);
    case SettingKind::ErrorStatus:
      if (action == Action::Get) return WithValue(reply, m_error);
      if (action == Action::Execute) {
        m_error = 0;
        return reply;
      }
      return Refuse(reply, Refusal::Unsupported);
    case SettingKind::Hours: {
      Clock::duration& time = target.code == pjcode::kLampTime ? m_lampTime : m_filterTime;
      if (action == Action::Get) return WithValue(reply, HoursOf(time));
      if (action == Action::Execute) {
        time = Clock::duration::zero();
        return reply;
      }
      return Refuse(reply, Refusal::Unsupported);
    }
    case SettingKind::Motor:
    case SettingKind::Value: break;
  }

  const bool stepping = action == Action::Increment || action == Action::Decrement;
  if (s.kind == SettingKind::Motor && !stepping) return Refuse(reply, Refusal::Unsupported);
  if (stepping && !s.steps) return Refuse(reply, Refusal::Unsupported);
  if (m_power != Power::On) return Refuse(reply, Refusal::PowerOff);

  const std::pair key{target.code, target.index};
  const std::uint16_t current = Stored(target.code, target.index);
  switch (action) {
    case Action::Get: return WithValue(reply, current);
    case Action::Set: {
      if (!s.Accepts(request.value)) return Refuse(reply, Refusal::OutOfRange);
      m_values[key] = request.value;
      return reply;
    }
    case Action::Increment:
    case Action::Decrement: {
      // One step, never beyond the range; a value put outside it from the
      // control side may still step back towards it.
      const bool up = action == Action::Increment;
      if (up ? current >= s.max : current <= s.min) return Refuse(reply, Refusal::OutOfRange);
      const auto next = static_cast<std::uint16_t>(up ? current + 1 : current - 1);
      m_values[key] = next;
      return s.kind == SettingKind::Motor ? reply : WithValue(reply, next);
    }
    case Action::Execute:
      m_values.erase(key);  // back to the factory value
      return reply;
  }
  return Refuse(reply, Refusal::Unsupported);
}

Reply Projector::SwitchPower(Reply reply, bool on) {
  if (m_power == Power::CoolingDown) return Refuse(reply, Refusal::Busy);
  if (on && m_power == Power::Off) m_power = Power::On;
  if (!on && m_power == Power::On) {
    m_coolingEnds = m_lastTick + m_options.cooldown;
    m_power = m_options.cooldown.count() > 0 ? Power::CoolingDown : Power::Off;
  }
  return reply;
}

Reply Projector::UseMemory(Reply reply, std::uint16_t memory, bool save) {
  if (memory < 1 || memory > m_memories.size()) return Refuse(reply, Refusal::OutOfRange);
  auto& slot = m_memories[memory - 1];
  for (const auto& [code, setting] : m_settings) {
    if (!setting.picture) continue;
    if (save)
      slot[code] = Stored(code, 0);
    else
      m_values[{code, 0}] = slot[code];
  }
  return reply;
}

bool Projector::PutValue(const Target& target, std::uint16_t value, std::string* error) {
  switch (target.setting->kind) {
    case SettingKind::PowerStatus:
      if (value > 2) {
        SetError(error, "the power status is 0 (off), 1 (on) or 2 (cooling down)");
        return false;
      }
      m_power = static_cast<Power>(value);
      if (m_power == Power::CoolingDown) m_coolingEnds = m_lastTick + m_options.cooldown;
      return true;
    case SettingKind::ErrorStatus: m_error = value; return true;
    case SettingKind::Hours:
      (target.code == pjcode::kLampTime ? m_lampTime : m_filterTime) = std::chrono::hours(value);
      return true;
    case SettingKind::Motor:
      SetError(error, target.setting->name + " has no value");
      return false;
    case SettingKind::Value: m_values[{target.code, target.index}] = value; return true;
  }
  return false;
}

std::optional<std::uint16_t> Projector::ReadValue(const Target& target, std::string* error) {
  switch (target.setting->kind) {
    case SettingKind::PowerStatus: return static_cast<std::uint16_t>(m_power);
    case SettingKind::ErrorStatus: return m_error;
    case SettingKind::Hours: return HoursOf(target.code == pjcode::kLampTime ? m_lampTime : m_filterTime);
    case SettingKind::Motor: SetError(error, target.setting->name + " has no value"); return std::nullopt;
    case SettingKind::Value: return Stored(target.code, target.index);
  }
  return std::nullopt;
}

std::optional<Projector::Target> Projector::LocateOrExplain(std::uint16_t code, std::uint16_t argument,
                                                           std::string* error) const {
  const Located located = Locate(code, argument);
  if (const auto* refusal = std::get_if<Refusal>(&located)) {
    SetError(error, Describe(Request{0, Action::Get, code, argument, 0}) + ": " +
                        beamlink::RefusalText(static_cast<std::uint16_t>(*refusal)));
    return std::nullopt;
  }
  return std::get<Target>(located);
}

bool Projector::SetValue(std::uint16_t code, std::uint16_t argument, std::uint16_t value, std::string* error) {
  std::lock_guard lock(m_mutex);
  Tick();
  const std::optional<Target> target = LocateOrExplain(code, argument, error);
  return target && PutValue(*target, value, error);
}

std::optional<std::uint16_t> Projector::Value(std::uint16_t code, std::uint16_t argument, std::string* error) {
  std::lock_guard lock(m_mutex);
  Tick();
  const std::optional<Target> target = LocateOrExplain(code, argument, error);
  if (!target) return std::nullopt;
  return ReadValue(*target, error);
}

const beamlink::OperationInfo* Projector::FindOperation(std::string_view name, std::string* error) const {
  for (const auto& op : m_options.operations)
    if (SameName(op.name, name)) return &op;
  SetError(error, "unknown operation \"" + std::string(name) + "\"");
  return nullptr;
}

std::optional<Request> Projector::RequestOf(std::string_view operation, std::uint16_t argument,
                                            std::string* error) const {
  const beamlink::OperationInfo* op = FindOperation(operation, error);
  if (!op) return std::nullopt;
  // The argument stands where the operation takes its leading argument (an
  // input, a colour, a point, a flag); a value that would follow it is 0.
  const long long args[] = {argument, 0};
  std::optional<Request> request = beamlink::BuildRequest(*op, args);
  if (!request) SetError(error, std::string(op->name) + " does not take " + std::to_string(argument));
  if (request && m_routes.count({request->action, request->code})) {
    SetError(error, std::string(op->name) + " has no value of its own");
    return std::nullopt;
  }
  return request;
}

bool Projector::SetValueOf(std::string_view operation, std::uint16_t argument, std::uint16_t value,
                           std::string* error) {
  const std::optional<Request> request = RequestOf(operation, argument, error);
  return request && SetValue(request->code, request->argument, value, error);
}

std::optional<std::uint16_t> Projector::ValueOf(std::string_view operation, std::uint16_t argument,
                                                std::string* error) {
  const std::optional<Request> request = RequestOf(operation, argument, error);
  if (!request) return std::nullopt;
  return Value(request->code, request->argument, error);
}

bool Projector::FailOperation(std::string_view operation, std::string* error) {
  const beamlink::OperationInfo* op = FindOperation(operation, error);
  if (!op) return false;
  // Every row of that name, on every code its requests may use.
  for (const auto& row : m_options.operations) {
    if (!SameName(row.name, op->name)) continue;
    for (int i = 0; i < CodeCount(row); ++i)
      m_faults.FailRequest(row.action, static_cast<std::uint16_t>(row.code + i));
  }
  return true;
}

std::string Projector::Describe(const Request& request) const {
  char code[8];
  std::snprintf(code, sizeof code, "0x%04X", request.code);
  std::string text = std::string(ActionText(request.action)) + " " + code;
  const auto route = m_routes.find({request.action, request.code});
  if (route != m_routes.end())
    text += " " + route->second.operation;
  else if (const Setting* setting = Find(request.code))
    text += " " + setting->name;
  if (request.argument != 0) text += " arg " + std::to_string(request.argument);
  if (request.action == Action::Set) text += " value " + std::to_string(request.value);
  return text;
}

}  // namespace sim
