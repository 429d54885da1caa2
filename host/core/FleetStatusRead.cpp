// The fleet's status read: what the status page reads, value by value, over
// one connection. A value the projector refuses (or PJLink does not carry)
// stays empty; the first failure of the link itself ends the read, so a
// dead projector costs one reply timeout.
#include "beamlink/SerialTransport.h"
#include "host/core/EntryLink.h"
#include "host/core/FleetWork.h"
#include "pages/common/StatusTexts.h"
#include "projector/CommandCodes.h"
#include "projector/LinkProblemText.h"

namespace host::fleet {
namespace {

std::optional<Power> PowerOf(std::uint16_t value) {
  switch (value) {
    case 0: return Power::Off;
    case 1: return Power::On;
    case 2: return Power::Cooling;
    default: return std::nullopt;  // no state the status page names
  }
}

// The entry's name for the input with this code, as the status page finds it.
std::optional<std::string> InputNameOf(const CProjectorItem& item, std::uint16_t code) {
  for (int i = 0; i < item.m_nInputCount && i < kHostInputSize; ++i)
    if (item.m_nInputCode[i] == code) return std::string(item.m_szInputName[i]);
  return std::nullopt;
}

}  // namespace

std::string ProjectorKey(const ProjectorEntry& entry) {
  if (entry.link == Link::Serial) return "serial " + beamlink::SerialDevicePath(entry.serialPort);
  return entry.address + ":" + std::to_string(entry.tcpPort);
}

std::optional<CProjectorItem> Prepare(CPjtInterface& pjt, const ProjectorEntry& entry, const Reach& reach,
                                      std::string& error) {
  AttachEntry(pjt, entry, reach.transports, reach.timeoutMs);
  if (!reach.database) return std::nullopt;
  std::optional<CProjectorItem> item = MakeProjectorItem(entry, *reach.database, error);
  if (item) pjt.CopyPjLinkInputs(item->m_nInputCount, item->m_nInputCode, item->m_szPjLinkInput);
  return item;
}

Status ReadStatusOf(const ProjectorEntry& entry, const Reach& reach, const std::atomic<bool>& cancelled) {
  Status status;
  CPjtInterface pjt;
  std::string modelError;
  const std::optional<CProjectorItem> item = Prepare(pjt, entry, reach, modelError);

  bool linkDown = false;
  bool cut = false;  // cancelled before every value was read
  // One value; empty when refused or not carried.
  const auto read = [&](std::uint16_t code) -> std::optional<std::uint16_t> {
    if (linkDown) return std::nullopt;
    if (cancelled) {
      cut = true;
      return std::nullopt;
    }
    std::uint16_t value = 0;
    if (pjt.Get(code, 0, &pjt, &value) == 1) return value;
    if (pjt.LinkProblem()) {
      linkDown = true;
      status.error = LinkProblemText(*pjt.LinkProblem());
    }
    return std::nullopt;
  };

  if (const auto power = read(pjcode::kPowerStatus)) status.power = PowerOf(*power);
  if (const auto input = read(pjcode::kInputSource); input && item) status.input = InputNameOf(*item, *input);
  if (const auto error = read(pjcode::kErrorStatus)) {
    status.errors.emplace();
    if (*error != expert::pages::kErrorStatusClear) status.errors->push_back(expert::pages::ErrorStatusText(*error));
  }
  if (const auto blank = read(pjcode::kBlank)) status.blank = *blank == 1;
  if (const auto mute = read(pjcode::kMute)) status.mute = *mute == 1;
  if (const auto freeze = read(pjcode::kFreeze)) status.freeze = *freeze == 1;
  // Type 3 keeps no lamp or filter time: the status page does not ask.
  if (entry.modelType != 3) {
    if (const auto lamp = read(pjcode::kLampTime)) status.lampHours = *lamp;
    if (const auto filter = read(pjcode::kFilterTime)) status.filterHours = *filter;
  }

  // Half a status would pass for one whose missing values are not carried.
  if (linkDown || cut) {
    Status unread;
    unread.error = linkDown ? status.error : "cancelled";
    return unread;
  }
  status.reached = true;
  return status;
}

}  // namespace host::fleet
