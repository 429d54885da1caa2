#include "host/core/EntryValidation.h"

#include <algorithm>
#include <optional>

#include "beamlink/Loopback.h"
#include "beamlink/SerialTransport.h"
#include "catalog/Catalog.h"
#include "models/Address.h"

namespace host {
namespace {

// Names and passwords travel in 64-byte zero-terminated slots; a longer text
// would be cut, and a cut password never matches.
constexpr std::size_t kMaxSlotText = kHostNameSize - 1;

bool HasControlCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::vector<EntryProblem> ValidateEntry(const ProjectorEntry& entry, const ValidationRules& rules) {
  std::vector<EntryProblem> problems;
  auto add = [&problems](EntryField field, std::string text) { problems.push_back({field, std::move(text)}); };

  if (IsBlank(entry.name))
    add(EntryField::Name, CatalogText(Msg(7, 42)));
  else if (entry.name.size() > kMaxSlotText)
    add(EntryField::Name, CatalogText(Msg(7, 43), static_cast<int>(kMaxSlotText)));
  else if (HasControlCharacter(entry.name))
    add(EntryField::Name, CatalogText(Msg(7, 56)));

  if (rules.database && !rules.database->Find(entry.modelType, entry.modelNo))
    add(EntryField::Model, CatalogText(Msg(7, 41), entry.modelType, entry.modelNo));

  if (entry.link == Link::Network) {
    const std::optional<std::uint32_t> address = models::ParseDottedAddress(entry.address);
    if (!address)
      add(EntryField::Address, CatalogText(Msg(7, 44)));
    else if (*address == 0 || *address == 0xFFFFFFFFu)
      add(EntryField::Address, CatalogText(Msg(7, 57), entry.address));
    else if (rules.loopbackOnly && !beamlink::IsLoopbackAddress(entry.address))
      add(EntryField::Address, CatalogText(Msg(7, 50), entry.address));
    if (entry.tcpPort < 1 || entry.tcpPort > 65535) add(EntryField::TcpPort, CatalogText(Msg(7, 45)));
  } else {
    if (rules.loopbackOnly) add(EntryField::SerialPort, CatalogText(Msg(7, 58)));
    if (entry.serialPort < 0 || entry.serialPort >= kMaxSerialPorts)
      add(EntryField::SerialPort, CatalogText(Msg(7, 46), kMaxSerialPorts));
    if (!beamlink::BaudRateConstant(entry.baudRate))
      add(EntryField::BaudRate, CatalogText(Msg(7, 47), entry.baudRate));
  }

  // PJLink passwords have at most 32 bytes.
  const std::size_t maxPassword = entry.link == Link::Network && entry.pjlink ? 32 : kMaxSlotText;
  if (entry.password.size() > maxPassword)
    add(EntryField::Password, CatalogText(Msg(7, 48), static_cast<int>(maxPassword)));
  else if (HasControlCharacter(entry.password))
    add(EntryField::Password, CatalogText(Msg(7, 59)));

  if (entry.timeoutMs < kMinTimeoutMs || entry.timeoutMs > kMaxTimeoutMs)
    add(EntryField::Timeout, CatalogText(Msg(7, 49), kMinTimeoutMs, kMaxTimeoutMs));
  return problems;
}

}  // namespace host
