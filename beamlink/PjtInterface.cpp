#include "beamlink/PjtInterface.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

using beamlink::Action;
using beamlink::CallTrace;
using beamlink::OperationInfo;
using beamlink::ResultShape;
using beamlink::Status;
using beamlink::TraceValue;

namespace {
void CopyText(char (&slot)[kHostNameSize], const char* text) { CopyNameSlot(slot, text ? text : ""); }

int CopyCodes(int count, const int* codes, int (&target)[kHostListSize]) {
  const int used = codes ? std::clamp(count, 0, kHostListSize) : 0;
  std::fill(std::begin(target), std::end(target), 0);
  if (used > 0) std::copy(codes, codes + used, target);
  return used;
}

// A name slot as text; the members are public, so a slot may lack its terminator.
std::string SlotText(const char (&slot)[kHostNameSize]) { return std::string(slot, strnlen(slot, kHostNameSize)); }

// Whether the caller gets a value from the reply, so that a reply without one fails.
bool NeedsValue(const OperationInfo& op) {
  return op.action == Action::Get || op.writesThroughPointer || op.result == ResultShape::ValueItself ||
         op.result == ResultShape::ShownValueItself;
}

// The caller's arguments as numbers for the request; flags count as 0 or 1.
// Strings cannot travel: nullopt.
std::optional<std::vector<long long>> Numbers(std::initializer_list<TraceValue> args) {
  std::vector<long long> numbers;
  for (const TraceValue& arg : args) {
    if (const auto* number = std::get_if<long long>(&arg))
      numbers.push_back(*number);
    else if (const auto* flag = std::get_if<bool>(&arg))
      numbers.push_back(*flag ? 1 : 0);
    else
      return std::nullopt;
  }
  return numbers;
}
}  // namespace

CPjtInterface::CPjtInterface() = default;
CPjtInterface::~CPjtInterface() = default;

void CPjtInterface::CopyData(int connectKind, int portIndex, int thirdValue, const char* address, int fourthValue,
                             const char* secondText) {
  m_nConnectKind = connectKind;
  m_nPortIndex = portIndex;
  m_nThirdValue = thirdValue;
  CopyText(m_szAddress, address);
  m_nFourthValue = fourthValue;
  CopyText(m_szSecondText, secondText);
  m_connection.Reset();
}

void CPjtInterface::CopyAspectData(int count, const int* codes) {
  m_nAspectCount = CopyCodes(count, codes, m_nAspectCode);
}

void CPjtInterface::CopyGammaData(int count, const int* codes) {
  m_nGammaCount = CopyCodes(count, codes, m_nGammaCode);
}

void CPjtInterface::CopyPjLinkInputs(int count, const int* codes, const char (*inputs)[kPjLinkInputSize]) {
  m_pjlinkInputs.clear();
  const int used = codes && inputs ? std::clamp(count, 0, kHostInputSize) : 0;
  for (int i = 0; i < used; ++i) {
    // A code that cannot travel can never be chosen, so it needs no entry.
    if (codes[i] < 0 || codes[i] > std::numeric_limits<std::uint16_t>::max()) continue;
    m_pjlinkInputs.push_back(
        {static_cast<std::uint16_t>(codes[i]), std::string(inputs[i], strnlen(inputs[i], kPjLinkInputSize))});
  }
  m_connection.Reset();
}

void CPjtInterface::SetTransportFactory(beamlink::TransportFactory factory, std::string peer) {
  m_factory = std::move(factory);
  m_peer = std::move(peer);
  m_connection.Reset();
}

void CPjtInterface::SetCallObserver(std::function<void(const CallTrace&)> observer) {
  m_observer = std::move(observer);
}

// Read at every call, so that connection data written straight into the
// members takes effect just as CopyData does.
beamlink::Endpoint CPjtInterface::CurrentEndpoint() const {
  beamlink::Endpoint endpoint;
  endpoint.kind = m_nConnectKind == beamlink::kConnectPjLink ? 1 : m_nConnectKind;
  if (m_nConnectKind == beamlink::kConnectPjLink) endpoint.protocol = beamlink::Protocol::PjLink;
  endpoint.portIndex = m_nPortIndex;
  endpoint.third = m_nThirdValue;
  endpoint.address = SlotText(m_szAddress);
  endpoint.timeoutMs = m_nFourthValue;
  endpoint.password = SlotText(m_szSecondText);
  endpoint.peer = m_peer;
  endpoint.acceptNoPassword = m_acceptNoPassword;
  return endpoint;
}

void CPjtInterface::Report(const CallTrace& trace) const {
  if (m_observer) m_observer(trace);
}

std::optional<std::uint16_t> CPjtInterface::Exchange(const OperationInfo& op, const beamlink::Request& request) {
  const beamlink::Endpoint endpoint = CurrentEndpoint();
  const beamlink::CallResult call =
      m_connection.Call(endpoint, m_factory ? m_factory : beamlink::DefaultTransportFactory(), request, m_pjlinkInputs);
  const std::string name = op.name;
  if (!call.ok) {
    ++m_linkFailures;
    m_lastError = name + ": " + call.error;
    // A name that leads nowhere is told by that name, without the port.
    m_linkProblem = beamlink::LinkProblem{
        call.failure,
        call.failure == beamlink::CallFailure::UnknownName ? endpoint.address : beamlink::DescribeEndpoint(endpoint)};
    return std::nullopt;
  }
  m_linkProblem.reset();
  switch (call.reply.status) {
    case Status::Value:
      return call.reply.value;
    case Status::Done:
      if (!NeedsValue(op)) return 0;
      m_lastError = name + ": the projector answered without a value";
      return std::nullopt;
    case Status::Refused:
      m_lastError = name + ": refused (" + beamlink::RefusalText(call.reply.value) + ")";
      if (!call.error.empty()) m_lastError += ": " + call.error;
      return std::nullopt;
    case Status::Error:
      m_lastError = name + ": the projector reported error " + std::to_string(call.reply.value);
      if (!call.error.empty()) m_lastError += ": " + call.error;
      return std::nullopt;
  }
  m_lastError = name + ": unknown reply status";
  return std::nullopt;
}

int CPjtInterface::Get(std::uint16_t code, int value, CPjtInterface* pjt, std::uint16_t* result) {
  if (pjt && pjt != this) return pjt->Get(code, value, pjt, result);
  return Generic("Get", pjt != nullptr, code, value, result);
}

int CPjtInterface::Set(std::uint16_t code, int value, CPjtInterface* pjt) {
  if (pjt && pjt != this) return pjt->Set(code, value, pjt);
  return Generic("Set", pjt != nullptr, code, value, nullptr);
}

int CPjtInterface::Inc(std::uint16_t code, int value, CPjtInterface* pjt) {
  if (pjt && pjt != this) return pjt->Inc(code, value, pjt);
  return Generic("Inc", pjt != nullptr, code, value, nullptr);
}

int CPjtInterface::Dec(std::uint16_t code, int value, CPjtInterface* pjt) {
  if (pjt && pjt != this) return pjt->Dec(code, value, pjt);
  return Generic("Dec", pjt != nullptr, code, value, nullptr);
}

int CPjtInterface::Generic(const char* name, bool interfaceGiven, std::uint16_t code, int value,
                           std::uint16_t* result) {
  const OperationInfo& op = *beamlink::FindOperation(name);
  CallTrace trace{name, code, {}, {}, {}, {}};
  if (op.action != Action::Get) trace.args.emplace_back(std::in_place_index<0>, value);
  std::optional<std::uint16_t> raw;
  const long long numbers[] = {code, value};
  if (!interfaceGiven)
    m_lastError = std::string(name) + ": no interface given";
  else if (op.writesThroughPointer && !result)
    m_lastError = std::string(name) + ": no place for the result";
  else if (const auto request = beamlink::BuildRequest(op, numbers))
    raw = Exchange(op, *request);
  else
    m_lastError = std::string(name) + ": value " + std::to_string(value) + " does not fit in 16 bits";
  if (raw && result) {
    *result = *raw;
    trace.out = static_cast<long long>(*raw);
  }
  trace.result = raw ? 1LL : 0LL;
  if (!raw) trace.error = m_lastError;
  Report(trace);
  return raw ? 1 : 0;
}

long long CPjtInterface::Invoke(const char* name, Args args, std::int16_t* out) {
  return Run(beamlink::FindOperation(name), name, args, out, 0);
}

long long CPjtInterface::Invoke(const char* name, beamlink::ArgumentShape shape, Args args, std::int16_t current) {
  return Run(beamlink::FindOperation(name, shape), name, args, nullptr, current);
}

long long CPjtInterface::Run(const OperationInfo* row, const char* name, Args args, std::int16_t* out,
                             std::int16_t current) {
  if (!row) {  // an operation without a row would be a fault of this library: fail it, never crash
    m_lastError = std::string(name) + ": no such operation";
    Report(CallTrace{name, std::nullopt, std::vector<TraceValue>(args), {}, {}, m_lastError});
    return 0;
  }
  const OperationInfo& op = *row;
  CallTrace trace{name, std::nullopt, std::vector<TraceValue>(args), {}, {}, {}};
  const std::string label = name;
  const beamlink::PositionLists lists{
      std::span<const int>(m_nAspectCode, static_cast<std::size_t>(std::clamp(m_nAspectCount, 0, kHostListSize))),
      std::span<const int>(m_nGammaCode, static_cast<std::size_t>(std::clamp(m_nGammaCount, 0, kHostListSize)))};

  std::optional<std::uint16_t> raw;
  const auto numbers = Numbers(args);
  if (op.writesThroughPointer && !out)
    m_lastError = label + ": no place for the result";
  else if (const auto request = numbers ? beamlink::BuildRequest(op, *numbers, lists) : std::nullopt)
    raw = Exchange(op, *request);
  else
    m_lastError = label + ": an argument is out of range";

  // The value the caller sees, signed as the callers hold it.
  std::optional<long long> shown;
  if (raw) {
    shown = static_cast<std::int16_t>(*raw);
    if (op.result == ResultShape::ShownValueItself) {
      const long long offset = static_cast<long long>(*raw) - 128;
      if (offset > std::numeric_limits<std::int16_t>::max()) {
        m_lastError = label + ": value " + std::to_string(*raw) + " out of range";
        shown.reset();
      } else {
        shown = offset;
      }
    }
  }
  const bool ok = shown.has_value();
  if (ok && op.writesThroughPointer) {
    *out = static_cast<std::int16_t>(*shown);
    trace.out = *shown;
  }

  long long result = 0;
  switch (op.result) {
    case ResultShape::GenericOne:
    case ResultShape::NonZeroIsSuccess:
    case ResultShape::Flag:
      result = ok ? 1 : 0;
      break;
    case ResultShape::ZeroIsSuccess:
      result = ok ? 0 : -1;
      break;
    case ResultShape::Nothing:
      break;
    case ResultShape::ValueItself:
      result = ok ? *shown : (op.arguments == beamlink::ArgumentShape::CurrentValue ? current : -1);
      break;
    case ResultShape::ShownValueItself:
      result = ok ? *shown : current;
      break;
  }
  if (op.result == ResultShape::Flag)
    trace.result = ok;
  else if (op.result != ResultShape::Nothing)
    trace.result = result;
  if (!ok) trace.error = m_lastError;
  Report(trace);
  return result;
}
